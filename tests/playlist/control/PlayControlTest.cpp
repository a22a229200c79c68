// The play controller driven through the dispatcher, with a scripted plug-in
// host standing in for the engine and status reports going through the real
// plug-in callback handler.
#include "OptionsStore.h"
#include "PlayCommands.h"
#include "PlaybackHost.h"
#include "PlusProcHooks.h"
#include "TCommandDispatcher.h"
#include "TOption.h"
#include "TPlay.h"
#include "TPlayControl.h"
#include "TPlusProcHandler.h"
#include "TempHome.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

struct ScriptedHost : PlaybackHost {
    QStringList calls;
    QString playing;
    void PlayFile(const QString& file) override {
        calls << "play " + file.section('/', -1);
        playing = file;
    }
    void StopCurrent() override {
        calls << "stop";
        playing.clear();
    }
};

struct CountHooks : PlusProcHooks {
    TPlayControl* control = nullptr;
    void CountPlay() override { control->CountPlay(); }
    int CreateClass(const QString&) override { return 0; }
    void DeleteClass(int) override {}
    void ClearClass(int) override {}
    int AddFiles(int, const QStringList&) override { return 0; }
    quintptr DisplayWindow() override { return 0; }
    quintptr DisplayCtrl() override { return 0; }
};

struct Controller : ::testing::Test {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    TPlay play{&option};
    ScriptedHost host;
    TCommandDispatcher dispatcher{option};
    TPlayControl control{play, option, host, [this](const QString& c) { dispatcher.DoCommand(c); }};
    CountHooks hooks;
    TPlusProcHandler plusProc{option, &hooks};
    QStringList pauses;

    void SetUp() override {
        hooks.control = &control;
        InstallPlayCommands(dispatcher, control);
        dispatcher.SetHandler("#PAUSE", [this](const CommandCall&) { pauses << "pause"; });
        option.SetCommandRunner([this](const QString& c) { dispatcher.DoCommand(c); });
    }
    void songs(const QStringList& names) {
        ASSERT_TRUE(play.BeginAdd(TPlay::kDefaultId));
        for (const QString& n : names)
            play.AddFile(home.write(n, "not really audio"));
        play.EndAdd();
        play.SetCurrentIndex(0);
    }
    void run(const QString& command) {
        dispatcher.DoCommand(command);
        drain();
    }
    void drain() { WaitFor([this] { return option.queuedCommands() == 0; }, 2000); }
    // The plug-in reports a status, as the engine would through PlusProc.
    void report(int status) {
        plusProc.Handle(QByteArray("0\1%status\1") + QByteArray::number(status));
        drain();
    }
    // The song that was just handed to the plug-in starts, then ends.
    void startThenEnd() {
        report(1);
        report(0);
    }
    QString current() const { return host.playing.section('/', -1); }
    QString playedMarks() {
        QString marks;
        for (const TPlayItem& s : play.Default().Songs())
            marks += s.Played ? 'P' : (s.Failed ? 'F' : '-');
        return marks;
    }
};

} // namespace

TEST_F(Controller, SequentialPlayFromTheFirstSongStopsAndClearsTheMarks) {
    songs({"a.mp3", "b.mp3", "c.mp3"});
    run("#Play");
    EXPECT_EQ(current(), "a.mp3");
    EXPECT_EQ(option.Status(), StatusOpening);
    startThenEnd();
    EXPECT_EQ(current(), "b.mp3");
    startThenEnd();
    EXPECT_EQ(current(), "c.mp3");
    startThenEnd();
    EXPECT_FALSE(option.Playing());
    EXPECT_EQ(option.Status(), StatusStopped);
    EXPECT_EQ(playedMarks(), "---");
    EXPECT_EQ(play.GetPlayCount(play.Default().Song(2).FileName), 1);
}

TEST_F(Controller, SequentialPlayFromTheMiddleStopsAfterTheLastSong) {
    songs({"a.mp3", "b.mp3", "c.mp3"});
    run("#Play," + play.Default().Song(1).FileName);
    startThenEnd();
    EXPECT_EQ(current(), "c.mp3");
    startThenEnd();
    EXPECT_FALSE(option.Playing());
    EXPECT_EQ(playedMarks(), "-PP"); // "#Next" ran "#Stop": the marks stay
}

TEST_F(Controller, NextAndPrevAtTheEnds) {
    struct Case {
        bool repeat;
        int start;
        const char* command;
        const char* expectedSong; // "" when playback stopped
        bool playing;
    } cases[] = {
        {false, 2, "#Next", "", false},     {false, 0, "#Prev", "a.mp3", true}, {true, 2, "#Next", "a.mp3", true},
        {true, 0, "#Prev", "c.mp3", true},  {false, 0, "#Next", "b.mp3", true}, {false, 2, "#Prev", "b.mp3", true},
    };
    songs({"a.mp3", "b.mp3", "c.mp3"});
    for (const Case& c : cases) {
        run("#Stop");
        run("#Stop");
        option.SetRepeat(c.repeat);
        run("#Play," + play.Default().Song(c.start).FileName);
        report(1);
        run(c.command);
        EXPECT_EQ(current(), c.expectedSong) << c.command << " from " << c.start << " repeat " << c.repeat;
        EXPECT_EQ(option.Playing(), c.playing) << c.command << " from " << c.start;
    }
}

TEST_F(Controller, ShuffleWithoutRepeatPlaysEverySongOnceThenStops) {
    songs({"a.mp3", "b.mp3", "c.mp3", "d.mp3"});
    option.SetShuffle(true);
    play.SetCurrentIndex(-1);
    run("#Play");
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        order << current();
        startThenEnd();
    }
    EXPECT_EQ(QSet<QString>(order.begin(), order.end()).size(), 4) << order.join(",").toStdString();
    EXPECT_FALSE(option.Playing());
    EXPECT_EQ(playedMarks(), "----");
    run("#Play"); // a fresh pass
    EXPECT_TRUE(option.Playing());
    EXPECT_FALSE(current().isEmpty());
}

TEST_F(Controller, ShuffleWithRepeatStartsANewPassWithoutStopping) {
    songs({"a.mp3", "b.mp3", "c.mp3"});
    option.SetShuffle(true);
    option.SetRepeat(true);
    play.SetCurrentIndex(-1);
    run("#Play");
    for (int i = 0; i < 7; ++i) {
        ASSERT_TRUE(option.Playing()) << i;
        ASSERT_FALSE(current().isEmpty()) << i;
        startThenEnd();
    }
    EXPECT_TRUE(option.Playing());
}

TEST_F(Controller, SinglePlay) {
    songs({"a.mp3", "b.mp3"});
    option.SetSinglePlay(true);
    option.SetRepeat(true);
    run("#Play");
    for (int i = 0; i < 3; ++i) {
        startThenEnd();
        EXPECT_EQ(current(), "a.mp3");
    }
    option.SetRepeat(false);
    startThenEnd();
    EXPECT_FALSE(option.Playing());
}

TEST_F(Controller, AFailedSongStopsInSingleModeAndIsSkippedOtherwise) {
    songs({"a.mp3", "b.mp3"});
    run("#Play");
    report(4);
    EXPECT_EQ(current(), "b.mp3");
    EXPECT_TRUE(play.Default().Song(0).Failed);
    option.SetSinglePlay(true);
    report(7); // out of range: a failure too
    EXPECT_FALSE(option.Playing());
    EXPECT_EQ(option.Status(), StatusStopped);
}

TEST_F(Controller, PlayWhilePausedResumesWhilePlayingDoesNothing) {
    songs({"a.mp3", "b.mp3"});
    run("#Play");
    report(1);
    host.calls.clear();
    run("#Play");
    EXPECT_TRUE(host.calls.isEmpty());
    report(2);
    run("#Play");
    EXPECT_EQ(pauses, QStringList{"pause"});
}

TEST_F(Controller, StopTwiceReturnsToTheFirstSongWithMarksCleared) {
    songs({"a.mp3", "b.mp3", "c.mp3"});
    run("#Play," + play.Default().Song(1).FileName);
    report(1);
    run("#Stop");
    EXPECT_EQ(host.calls.last(), "stop");
    EXPECT_EQ(option.CurrentIndex(), 1);
    run("#Stop");
    EXPECT_EQ(option.CurrentIndex(), 0);
    EXPECT_EQ(playedMarks(), "---");
    EXPECT_EQ(store.ReadString("OPTION", "CURRENT", ""), play.Default().Song(1).FileName);
}

TEST_F(Controller, AFileOutsideTheListIsFollowedByTheListsFirstSong) {
    songs({"a.mp3", "b.mp3"});
    const QString outside = home.write("elsewhere/x.mp3", "x");
    run("#Play," + outside);
    EXPECT_EQ(option.CurrentIndex(), -1);
    EXPECT_EQ(current(), "x.mp3");
    startThenEnd();
    EXPECT_EQ(current(), "a.mp3");
}

TEST_F(Controller, AStoppedReportWhileOpeningIsIgnored) {
    songs({"a.mp3", "b.mp3"});
    run("#Play");
    report(0); // the engine says "stopped" while the new song opens
    EXPECT_EQ(option.Status(), StatusOpening);
    EXPECT_EQ(current(), "a.mp3");
}
