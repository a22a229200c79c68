// The play controller driven through the dispatcher, with a scripted plug-in
// host standing in for the engine and status reports going through the real
// plug-in callback handler.
#include "OptionsStore.h"
#include "PlayFailure.h"
#include "../RecordingViews.h"
#include "PlayCommands.h"
#include "PlaybackHost.h"
#include "PlusProcHooks.h"
#include "TCommandDispatcher.h"
#include "TOption.h"
#include "TPlay.h"
#include "TPlayControl.h"
#include "TPlusProcHandler.h"
#include "TempHome.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct ScriptedHost : PlaybackHost {
    QStringList calls;
    QString playing;
    // Called after each play request, as the engine would answer later.
    std::function<void()> answer;
    // Files with this extension reach no plug-in.
    QString unclaimed;
    QString refusal;
    void PlayFile(const QString& file) override {
        calls << "play " + file.section('/', -1);
        playing = file;
        refusal.clear();
        if (!unclaimed.isEmpty() && file.endsWith(unclaimed)) {
            refusal = "cannot play: no plug-in plays this file type";
            return;
        }
        if (answer)
            QTimer::singleShot(0, answer);
    }
    QString PlayRefusal() const override { return refusal; }
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

// Every song missing (an unplugged drive) with repeat on: the engine fails each
// one at once. One full pass, then the player stops and says why, instead of
// trying again for ever.
TEST_F(Controller, NothingPlayableWithRepeatStopsAfterOnePassAndSaysWhy) {
    const struct {
        const char* label;
        QStringList songs;
        bool shuffle;
        bool outsideTheList;
    } cases[] = {
        {"in order", {"a.mp3", "b.mp3", "c.mp3"}, false, false},
        {"shuffled", {"a.mp3", "b.mp3", "c.mp3", "d.mp3"}, true, false},
        {"one song", {"a.mp3"}, false, false},
        {"a file outside an empty list", {}, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        run("#Stop");
        run("#Stop");
        while (play.Default().Count() > 0)
            play.DeleteSong(TPlay::kDefaultId, 0, false);
        play.Current().FileName.clear();
        if (!c.songs.isEmpty())
            songs(c.songs);
        option.SetRepeat(true);
        option.SetShuffle(c.shuffle);
        QStringList reasons;
        auto connection = QObject::connect(&control, &TPlayControl::playbackGaveUp,
                                           [&](const QString& reason) { reasons << reason; });
        host.calls.clear();
        host.answer = [this] { plusProc.Handle(QByteArray("0\1%status\1") + "4"); };
        if (c.outsideTheList)
            run("#Play," + home.path() + "/gone/x.mp3");
        else
            run("#Play");
        // A busy loop never lets the queue run dry.
        EXPECT_TRUE(WaitFor([this] { return !option.Playing(); }, 3000));
        host.answer = nullptr;
        EXPECT_EQ(host.calls.filter("play ").size(), std::max<qsizetype>(c.songs.size(), 1))
            << host.calls.join(", ").toStdString();
        EXPECT_EQ(option.Status(), StatusStopped);
        ASSERT_EQ(reasons.size(), 1);
        EXPECT_FALSE(reasons[0].isEmpty());
        QObject::disconnect(connection);

        // A later "#Play" is a fresh start.
        host.calls.clear();
        run("#Play");
        EXPECT_EQ(host.calls.filter("play ").size(), 1);
    }
}

// The sound server is gone: the songs are not to blame. They are not marked as
// failed, the user is told once, and the song is tried again after a growing
// pause until the server is back.
TEST_F(Controller, AMissingSoundServerIsRetriedWithABackOff) {
    songs({"a.mp3", "b.mp3"});
    option.SetRepeat(true);
    bool server = false;
    control.SetSoundServerCheck([&] { return server; });
    QStringList reasons;
    QObject::connect(&control, &TPlayControl::playbackGaveUp, [&](const QString& r) { reasons << r; });
    host.answer = [this] { plusProc.Handle(QByteArray("0\1%status\1") + "4"); };
    QElapsedTimer clock;
    clock.start();
    run("#Play");
    ASSERT_TRUE(WaitFor([this] { return host.calls.filter("play ").size() >= 3; }, 6000));
    // Attempts at 0 s, 1 s and 3 s: never a busy loop.
    EXPECT_GE(clock.elapsed(), 2500);
    EXPECT_EQ(host.calls.filter("play ").size(), 3);
    EXPECT_EQ(playedMarks().count('F'), 0) << playedMarks().toStdString();
    EXPECT_EQ(host.calls.filter("play a.mp3").size(), 3) << "always the same song";
    EXPECT_EQ(host.calls.filter("play ").size(), host.calls.filter("stop").size()) << "each attempt is released";
    EXPECT_EQ(reasons.size(), 1);
    EXPECT_TRUE(option.Playing()) << "the user still wants playback";

    server = true;
    host.answer = [this] { plusProc.Handle(QByteArray("0\1%status\1") + "1"); };
    ASSERT_TRUE(WaitFor([this] { return option.Status() == StatusPlaying; }, 6000));
    EXPECT_EQ(current(), "a.mp3");
}

TEST_F(Controller, AFailedSongSaysWhyAndMarksItsRowWhilePlayGoesOn) {
    RecordingView view;
    play.RegisterListView(&view);
    songs({"a.mp3", "b.mp3", "c.mp3"});
    QSignalSpy failures(&control, &TPlayControl::songFailed);
    QSignalSpy gaveUp(&control, &TPlayControl::playbackGaveUp);
    run("#Play");
    report(4); // "a.mp3" holds text
    EXPECT_EQ(current(), "b.mp3");
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(failures[0][0].toString(), home.file("a.mp3"));
    EXPECT_EQ(failures[0][1].toString(), "cannot play: not an audio file");
    EXPECT_EQ(view.failedRows(), QList<int>{0});
    startThenEnd();
    report(4);
    EXPECT_EQ(view.failedRows(), (QList<int>{0, 2}));
    EXPECT_TRUE(gaveUp.isEmpty()) << "no message box in the middle of sequential play";
    EXPECT_EQ(option.Status(), StatusStopped);
    // A second stop clears the pass's marks, on the rows too.
    run("#Stop");
    EXPECT_TRUE(view.failedRows().isEmpty());
}

TEST_F(Controller, AFileThatNoPluginPlaysFailsAndPlayMovesOn) {
    host.unclaimed = ".xyz";
    songs({"a.xyz", "b.mp3"});
    QSignalSpy failures(&control, &TPlayControl::songFailed);
    run("#Play");
    EXPECT_EQ(current(), "b.mp3");
    EXPECT_EQ(option.Status(), StatusOpening);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(failures[0][1].toString(), "cannot play: no plug-in plays this file type");
    EXPECT_TRUE(play.Default().Song(0).Failed);
    EXPECT_FALSE(play.Default().Song(1).Failed);
}

TEST(PlayFailure, TheReasonComesFromWhatIsOnDisk) {
    TempHome home;
    QDir().mkpath(home.file("folder.mp3"));
    const QByteArray junk(3000, '\x5a');
    const struct {
        QString file;
        QString reason;
    } cases[] = {
        {home.file("missing.ogg"), "cannot open: file not found"},
        {home.file("folder.mp3"), "cannot open: not a file"},
        {home.write("text.ogg", QByteArray("Just some words.\n").repeated(100)), "cannot play: not an audio file"},
        {home.write("empty.flac", {}), "cannot play: not an audio file"},
        {home.write("cut.flac", QByteArray("fLaC\0\0\0\x22", 8) + junk), "cannot play: damaged or unsupported audio file"},
        {home.write("wave.mp3", QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16) + junk), "cannot play: damaged or unsupported audio file"},
        {home.write("frames.mp3", "\xff\xfb\x90\x00" + junk), "cannot play: damaged or unsupported audio file"},
        {"http://example.invalid/radio", "cannot play: the stream cannot be opened"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlayFailureReason(c.file), c.reason) << c.file.toStdString();
}
