// The real program takes its language from the desktop's locale at start.
#include "SkinnedPlayer.h"

namespace {

struct LocalePlayer : SkinnedPlayer {
    // Starts the player under LANG and opens the lyrics window from outside.
    // Only the player gets the locale: the tools that watch it keep the test's.
    void startWithLyrics(const char* lang) {
        QProcessEnvironment e = env();
        e.insert("LANG", lang);
        player.setProcessEnvironment(e);
        player.setProcessChannelMode(QProcess::ForwardedChannels);
        player.start(QStringLiteral(SORVI_BUILD_DIR) + "/sorvi", {});
        ASSERT_TRUE(player.waitForStarted());
        ASSERT_TRUE(WaitFor([&] { return window().isValid(); }, 15000)) << "no main window";
        command("#Lyrics");
    }
    // Titles of the player's visible windows (xdotool's name search does not
    // match Chinese titles, so they are read one by one).
    QStringList titles() const {
        QStringList names;
        const QString ids =
            RunTool("xdotool", {"search", "--onlyvisible", "--pid", QString::number(player.processId())});
        for (const QString& id : ids.split('\n', Qt::SkipEmptyParts))
            names << RunTool("xdotool", {"getwindowname", id}).trimmed();
        return names;
    }
};

TEST_F(LocalePlayer, ChineseLocaleGivesTheChineseLyricsCaption) {
    startWithLyrics("zh_CN.UTF-8");
    EXPECT_TRUE(WaitFor([&] { return titles().contains("歌词显示"); }, 10000)) << titles().join("|").toStdString();
    EXPECT_FALSE(titles().contains("Lyrics Shower"));

    // Pictures for people: the lyrics window and the menu in Chinese.
    WaitFor([] { return false; }, 500);
    screenshot("texts-zh_CN-lyrics");
    RunTool("xdotool", {"mousemove", "--sync", "40", "40"});
    command("#Menu"); // the menu at the pointer, as from the tray icon
    WaitFor([] { return false; }, 700);
    RunTool("xdotool", {"key", "--delay", "80", "Down", "Down", "Down", "Down", "Right"});
    WaitFor([] { return false; }, 300);
    screenshot("texts-zh_CN-menu");
    RunTool("xdotool", {"key", "Escape", "Escape"});
}

TEST_F(LocalePlayer, OtherLocalesKeepTheEnglishTexts) {
    startWithLyrics("de_DE.UTF-8");
    EXPECT_TRUE(WaitFor([&] { return titles().contains("Lyrics Shower"); }, 10000))
        << titles().join("|").toStdString();
}

} // namespace
