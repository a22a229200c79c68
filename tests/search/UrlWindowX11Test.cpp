// The add-URL window in the real program: "#Url" opens it, the typed address
// lands in the play list and is in "default.lst" after "#Exit".
#include "SkinnedPlayer.h"

namespace {

using UrlPlayer = SkinnedPlayer;

TEST_F(UrlPlayer, UrlCommandOpensTheWindowAndOkAddsTheAddress) {
    start({});
    ASSERT_TRUE(WaitFor([&] { return window().isValid(); }, 15000)) << "no main window";
    command("#Url");
    QString id;
    ASSERT_TRUE(WaitFor(
        [&] {
            id = RunTool("xdotool", {"search", "--onlyvisible", "--name", "^Sorvi$"}).section('\n', 0, 0);
            return !id.isEmpty();
        },
        10000))
        << "no add-URL window";
    RunTool("xdotool", {"windowactivate", "--sync", id});
    RunTool("xdotool", {"windowfocus", "--sync", id});
    WaitFor([] { return false; }, 300);
    RunTool("xdotool", {"type", "--delay", "20", "http://radio.example/live"});
    WaitFor([] { return false; }, 200);
    screenshot("url-window");
    RunTool("xdotool", {"key", "Return"});
    // The window closes once the address is added.
    EXPECT_TRUE(WaitFor(
        [&] { return RunTool("xdotool", {"search", "--onlyvisible", "--name", "^Sorvi$"}).trimmed().isEmpty(); },
        10000));
    command("#Exit");
    ASSERT_TRUE(player.waitForFinished(10000));
    QFile list(home.path() + "/default.lst");
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_TRUE(list.readAll().contains("http://radio.example/live"));
}

} // namespace
