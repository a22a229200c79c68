#include "PlayerSettings.h"
#include "TOption.h"
#include "TShortKey.h"
#include "TempHome.h"

#include <memory>
#include <QFile>
#include <QTimer>
#include <sys/stat.h>
#include <gtest/gtest.h>

namespace {
struct OptionFixture : ::testing::Test {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
};
} // namespace

TEST_F(OptionFixture, PostedCommandsRunInOrderAfterTheEventAndInTheSameDrain) {
    QStringList ran;
    option.SetCommandRunner([&](const QString& c) {
        ran << c;
        if (c == "#B")
            option.PostCommand("#D"); // posted while draining
    });
    bool eventDone = false;
    QTimer::singleShot(0, [&] {
        option.PostCommand("#A");
        option.PostCommand("#B");
        option.PostCommand("#C");
        EXPECT_TRUE(ran.isEmpty()); // nothing runs inside the posting event
        eventDone = true;
    });
    ASSERT_TRUE(WaitFor([&] { return ran.size() == 4; }));
    EXPECT_TRUE(eventDone);
    EXPECT_EQ(ran, (QStringList{"#A", "#B", "#C", "#D"}));
    EXPECT_EQ(option.queuedCommands(), 0);
}

TEST_F(OptionFixture, CommandOpeningANestedLoopIsNotRunTwice) {
    // A queued command that opens a modal window runs an event loop of its
    // own; a command posted meanwhile drains the queue from inside that loop.
    QStringList ran;
    option.SetCommandRunner([&](const QString& c) {
        ran << c;
        if (c == "#Modal") {
            option.PostCommand("#During");
            WaitFor([&] { return ran.contains("#During"); }, 2000);
        }
    });
    option.PostCommand("#Modal");
    option.PostCommand("#After");
    ASSERT_TRUE(WaitFor([&] { return option.queuedCommands() == 0 && ran.size() >= 3; }));
    WaitFor([] { return false; }, 50);
    EXPECT_EQ(ran, (QStringList{"#Modal", "#After", "#During"}));
}

TEST_F(OptionFixture, TenthsRunAtMostNineAheadOfTheLastReport) {
    QObject lyricsWindow;
    option.WantTicks(&lyricsWindow, true);
    option.ReportEngineTime(12);
    option.SetStatus(StatusPlaying);
    EXPECT_EQ(option.PositionTenths(), 120);
    ASSERT_TRUE(WaitFor([&] { return option.Tick() == 9; }, 3000));
    WaitFor([] { return false; }, 300); // a few more ticks change nothing
    EXPECT_EQ(option.PositionTenths(), 129);
    option.ReportEngineTime(13);
    EXPECT_EQ(option.PositionTenths(), 130);
    EXPECT_EQ(option.Position(), 13);
}

// Nothing wakes ten times a second unless something on screen shows tenths.
TEST_F(OptionFixture, TicksRunOnlyWhilePlayingAndSomebodyWantsThem) {
    int ticks = 0;
    QObject::connect(&option, &TOption::tickChanged, [&] { ++ticks; });
    option.SetStatus(StatusPlaying);
    option.ReportEngineTime(12);
    ticks = 0;
    WaitFor([] { return false; }, 350);
    EXPECT_EQ(ticks, 0) << "nobody wants tenths";
    EXPECT_GE(option.PositionTenthsNow(), 123) << "a reader still gets the tenths played";
    EXPECT_LE(option.PositionTenthsNow(), 129);

    auto lyricsWindow = std::make_unique<QObject>();
    option.WantTicks(lyricsWindow.get(), true);
    EXPECT_GE(option.PositionTenths(), 123) << "the first tick starts from the time played";
    ASSERT_TRUE(WaitFor([&] { return ticks >= 2; }, 1000));
    option.WantTicks(lyricsWindow.get(), false);
    ticks = 0;
    WaitFor([] { return false; }, 250);
    EXPECT_EQ(ticks, 0);

    option.WantTicks(lyricsWindow.get(), true);
    lyricsWindow.reset(); // a user that goes away without saying so
    ticks = 0;
    WaitFor([] { return false; }, 250);
    EXPECT_EQ(ticks, 0);
}

TEST_F(OptionFixture, PositionReportsDoNotMoveTheShownTimeWhileDragging) {
    option.SetPositionDragging(true);
    option.ReportEngineTime(40);
    EXPECT_EQ(option.Position(), 0);
    EXPECT_EQ(option.EngineTimeTenths(), 400);
}

TEST_F(OptionFixture, StoppingResetsPositionAndTicks) {
    option.ReportEngineTime(30);
    option.SetStatus(StatusPlaying);
    option.SetStatus(StatusStopped);
    EXPECT_EQ(option.Position(), 0);
    EXPECT_EQ(option.PositionTenths(), 0);
    EXPECT_EQ(option.EngineTimeTenths(), 0);
}

TEST_F(OptionFixture, TitlesFollowStatus) {
    option.SetStatus(StatusPaused);
    option.SetTitle("Song");
    EXPECT_EQ(option.ApplicationTitle(), "Sorvi Audio Player");
    EXPECT_EQ(option.TrayTip(), "- Song -");
    EXPECT_EQ(option.LyricsCaption(), "Song - Lyrics Shower");
    option.SetStatus(StatusPlaying);
    EXPECT_EQ(option.ApplicationTitle(), "Song - Sorvi Audio Player");
    option.SetTitle(QString(100, 'x'));
    EXPECT_EQ(option.TrayTip().size(), 63);
    option.SetTitle("");
    EXPECT_EQ(option.ApplicationTitle(), "Sorvi Audio Player");
    EXPECT_EQ(option.TrayTip(), "Sorvi Audio Player");
    EXPECT_EQ(option.LyricsCaption(), "Lyrics Shower");
}

TEST_F(OptionFixture, PlayModesPersistAndLoadBack) {
    option.SetShuffle(true);
    option.SetRepeat(true);
    option.SetTimeMode(true);
    option.SetAlwaysOnTop(true);
    option.SetSinglePlay(true);
    option.SetMute(true); // not persisted
    TOption again(store);
    again.Load();
    EXPECT_TRUE(again.Shuffle() && again.Repeat() && again.TimeMode() && again.AlwaysOnTop() && again.SinglePlay());
    EXPECT_FALSE(again.Mute());
}

TEST_F(OptionFixture, RecentFolderIsReadAtCreationAndWrittenAtDestruction) {
    {
        TOption first(store);
        first.SetRecentFolder("/music/");
    }
    TOption second(store);
    EXPECT_EQ(second.RecentFolder(), "/music/");
}

namespace {
// The file's identity: every write replaces the file with a new one, so any
// write changes its inode or (when the number is reused) its time of change.
QString FileIdentity(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return QString();
    return QStringLiteral("%1 %2.%3").arg(st.st_ino).arg(st.st_ctim.tv_sec).arg(st.st_ctim.tv_nsec);
}
} // namespace

// "Options.ini" is written when a value changes, not whenever a setter runs:
// a start loads the play modes through their setters (at every skin section),
// makes the remembered song current and ends by storing the recent folder.
TEST_F(OptionFixture, AStartWithNothingChangedLeavesTheFileAlone) {
    {
        // The first start writes every play mode.
        TOption first(store);
        first.Load();
        first.SetRepeat(true);
        first.SetRecentFolder("/music/");
        PlayerSettings::SetCurrent(store, "/music/a.mp3");
        store.WriteString("HOTKEY", "#playpause", "Shift+Ctrl+P");
        // The hot-key table writes itself back in its own form at shutdown.
        { TShortKey keys(store); }
    }
    const QString before = FileIdentity(store.fileName());
    ASSERT_FALSE(before.isEmpty());
    {
        // The hot-key table is written back at every shutdown, unchanged.
        { TShortKey keys(store); }
        TOption second(store);
        second.Load();
        second.Load();
        second.SetRepeat(second.Repeat());
        PlayerSettings::SetCurrent(store, PlayerSettings::Current(store));
        EXPECT_EQ(FileIdentity(store.fileName()), before);
        second.SetShuffle(true);
        EXPECT_NE(FileIdentity(store.fileName()), before) << "a change is written at once";
    }
    TOption third(store);
    third.Load();
    EXPECT_TRUE(third.Shuffle() && third.Repeat());
}

TEST_F(OptionFixture, WaitingHandoversRunAsOneAddBatch) {
    // Fifty second starts at once: the lists already waiting are added in one
    // batch, so a command behind them (a quit) waits for one song change only.
    const QString nul(QChar(0));
    QStringList ran;
    option.SetCommandRunner([&](const QString& c) { ran << c; });
    option.PostCommand("#OpenFile,/a.mp3" + nul);
    option.PostCommand("#OpenFile,/b.mp3" + nul + "/c.mp3" + nul);
    option.PostCommand("#Exit");
    option.PostCommand("#OpenFile,/d.mp3" + nul);
    option.PostCommand("#OpenFile,/e.mp3\r\n"); // a list given as a command keeps its own batch
    option.PostCommand("#OpenFile"); // the dialog, not a list
    ASSERT_TRUE(WaitFor([&] { return option.queuedCommands() == 0 && !ran.isEmpty(); }));
    EXPECT_EQ(ran, (QStringList{"#OpenFile,/a.mp3" + nul + "/b.mp3" + nul + "/c.mp3" + nul, "#Exit",
                                "#OpenFile,/d.mp3" + nul, "#OpenFile,/e.mp3\r\n", "#OpenFile"}));
}
