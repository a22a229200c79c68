// The options window in the real program: "#Setup" shows it in the tool
// window, Ctrl+Tab turns its pages (a screenshot of each page is left in the
// test output folder), and the global hot keys rest while its hot-key field
// takes a combination.
#include "SkinnedPlayer.h"

namespace {

using OptionsPlayer = SkinnedPlayer;

// Pixels that differ between two screenshots of the same size; the running
// animation box alone changes a few hundred.
int Differing(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return a.width() * a.height();
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

TEST_F(OptionsPlayer, SetupShowsTheOptionsWindowAndCtrlTabTurnsItsPages) {
    start({});
    ASSERT_TRUE(WaitFor([&] { return window().isValid(); }, 15000)) << "no main window";
    command("#Setup");
    QString id;
    ASSERT_TRUE(WaitFor(
        [&] {
            id = RunTool("xdotool", {"search", "--onlyvisible", "--name", "^Options$"}).section('\n', 0, 0);
            return !id.isEmpty();
        },
        10000))
        << "no options window";
    RunTool("xdotool", {"windowactivate", "--sync", id});
    RunTool("xdotool", {"windowfocus", "--sync", id});
    WaitFor([] { return false; }, 500);
    QList<QImage> shots;
    for (const char* name :
         {"options-window-general", "options-window-hotkey", "options-window-lrc-shower"}) {
        if (!shots.isEmpty()) {
            RunTool("xdotool", {"key", "--window", id, "ctrl+Tab"});
            WaitFor([] { return false; }, 400);
        }
        shots << screenshot(name);
        ASSERT_FALSE(shots.last().isNull()) << name;
    }
    EXPECT_GT(Differing(shots[0], shots[1]), 5000) << "Ctrl+Tab shows the Hotkey page";
    EXPECT_GT(Differing(shots[1], shots[2]), 5000) << "and then the Lrc Shower page";
    command("#Exit");
    EXPECT_TRUE(player.waitForFinished(10000));
}

} // namespace

TEST_F(OptionsPlayer, BoundCombinationTypedIntoTheHotKeyFieldDoesNotFire) {
    start({});
    ASSERT_TRUE(WaitFor([&] { return window().isValid(); }, 15000)) << "no main window";
    command("#Setup");
    QString id;
    ASSERT_TRUE(WaitFor(
        [&] {
            id = RunTool("xdotool", {"search", "--onlyvisible", "--name", "^Options$"}).section('\n', 0, 0);
            return !id.isEmpty();
        },
        10000));
    RunTool("xdotool", {"windowactivate", "--sync", id});
    RunTool("xdotool", {"windowfocus", "--sync", id});
    WaitFor([] { return false; }, 500);
    // The Hotkey page, then Tab to "Command:" and on to "Hotkey:".
    RunTool("xdotool", {"key", "ctrl+Tab"});
    RunTool("xdotool", {"key", "Tab"});
    RunTool("xdotool", {"key", "Tab"});
    WaitFor([] { return false; }, 300);
    RunTool("xdotool", {"key", "ctrl+shift+p"});
    WaitFor([] { return false; }, 500);
    screenshot("options-window-hotkey-field");
    EXPECT_FALSE(traced().contains("#playpause")) << traced().join(' ').toStdString();
    // Out of the field the same combination runs its command again.
    RunTool("xdotool", {"key", "Tab"});
    WaitFor([] { return false; }, 300);
    RunTool("xdotool", {"key", "ctrl+shift+p"});
    EXPECT_TRUE(WaitFor([&] { return traced().contains("#playpause"); }, 5000))
        << traced().join(' ').toStdString();
    command("#Exit");
    EXPECT_TRUE(player.waitForFinished(10000));
}
