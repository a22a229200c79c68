// The real engine module behind the internal plug-in, playing files generated
// at test time into the test's private sound server.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>
#include <QFile>

namespace {

class EngineFileTest : public ::testing::Test, public EngineFixture {};

TEST_F(EngineFileTest, PlaysASongReportingLengthStatusAndEverySecond) {
    Play(TestSongs::Get().Path("tone4.mp3"));
    ASSERT_TRUE(WaitForLine("%status 1"));
    ASSERT_TRUE(WaitForLine("%status 0"));
    const QList<QByteArray> lines = host.Lines();
    EXPECT_TRUE(lines.contains("%totaltime 4"));
    EXPECT_LT(lines.indexOf("%totaltime 4"), lines.indexOf("%status 1"));
    EXPECT_EQ(lines.last(), "%status 0");
    const QList<int> times = Times();
    for (int second : {1, 2, 3})
        EXPECT_TRUE(times.contains(second)) << second;
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));
    EXPECT_LE(times.last(), 4);
    for (const HostRecorder::Message& message : host.Messages())
        EXPECT_EQ(message.identity, "0");
}

TEST_F(EngineFileTest, PauseHoldsThePositionAndPlayGoesOnFromIt) {
    Play(TestSongs::Get().Path("tone20.mp3"));
    ASSERT_TRUE(WaitForLine("%time 1"));
    SendToPlugin(4);
    ASSERT_TRUE(WaitForLine("%status 2"));
    const qsizetype paused = host.Messages().size();
    WaitFor([] { return false; }, 1500);
    EXPECT_TRUE(Times(paused).isEmpty()) << "time went on while paused";
    EXPECT_LT(RecordPeak(500), 300) << "sound while paused";
    SendToPlugin(4);
    ASSERT_TRUE(WaitForLine("%status 1", paused));
    ASSERT_TRUE(WaitForLine("%time 2", paused));
    EXPECT_EQ(Times(paused).first(), 2);
}

TEST_F(EngineFileTest, SeekMovesTheHeardPosition) {
    Play(TestSongs::Get().Path("tone20.mp3"));
    ASSERT_TRUE(WaitForLine("%time 1"));
    const qsizetype from = host.Messages().size();
    SendToPlugin(7, "12");
    ASSERT_TRUE(WaitForLine("%time 13", from));
    const QList<int> times = Times(from);
    EXPECT_GE(times.first(), 11);
    EXPECT_LE(times.first(), 13);
}

TEST_F(EngineFileTest, FilesThatCannotBePlayedReportAnError) {
    for (const char* name : {"missing.mp3", "wave-renamed.mp3", "text-renamed.mp3"}) {
        const qsizetype from = host.Messages().size();
        Play(TestSongs::Get().Path(name));
        EXPECT_TRUE(WaitForLine("%status 4", from, 5000)) << name;
        EXPECT_FALSE(host.Has("%status 1", from)) << name;
        SendToPlugin(3);
    }
}

TEST_F(EngineFileTest, LengthIsRightForVbrAndTaggedFiles) {
    const struct {
        const char* name;
        int seconds;
    } cases[] = {{"vbr6.mp3", 6}, {"vbr20-noheader.mp3", 20}, {"tagged6.mp3", 6}, {"tone20.mp3", 20}};
    for (const auto& c : cases) {
        const qsizetype from = host.Messages().size();
        Play(TestSongs::Get().Path(c.name));
        ASSERT_TRUE(WaitFor([&] { return LastValue("%totaltime", from) >= 0; })) << c.name;
        EXPECT_NEAR(LastValue("%totaltime", from), c.seconds, 1) << c.name;
        ASSERT_TRUE(WaitForLine("%status 1", from)) << c.name;
        SendToPlugin(3);
    }
}

TEST_F(EngineFileTest, TaggedFilePlaysToItsEnd) {
    Play(TestSongs::Get().Path("tagged6.mp3"));
    ASSERT_TRUE(WaitForLine("%status 1"));
    ASSERT_TRUE(WaitForLine("%status 0"));
    EXPECT_GE(Times().last(), 5);
}

TEST_F(EngineFileTest, TruncatedFilePlaysWhatItHasThenEnds) {
    Play(TestSongs::Get().Path("truncated.mp3"));
    ASSERT_TRUE(WaitForLine("%status 1"));
    ASSERT_TRUE(WaitForLine("%status 0"));
    EXPECT_GE(Times().last(), 3);
    EXPECT_LE(Times().last(), 6);
}

TEST_F(EngineFileTest, FileDeletedWhilePlayingEndsTheSong) {
    const QString copy = home.file("doomed.mp3");
    ASSERT_TRUE(QFile::copy(TestSongs::Get().Path("tone20.mp3"), copy));
    Play(copy);
    ASSERT_TRUE(WaitForLine("%time 1"));
    const qsizetype from = host.Messages().size();
    QFile::remove(copy);
    ASSERT_TRUE(WaitForLine("%status 0", from, 5000));
    EXPECT_LE(Times().last(), 5);
}

TEST_F(EngineFileTest, FileTruncatedWhilePlayingEndsTheSong) {
    const QString copy = home.file("shrinking.mp3");
    ASSERT_TRUE(QFile::copy(TestSongs::Get().Path("tone20.mp3"), copy));
    Play(copy);
    ASSERT_TRUE(WaitForLine("%time 1"));
    const qsizetype from = host.Messages().size();
    QFile::resize(copy, 20000);
    ASSERT_TRUE(WaitForLine("%status 0", from, 5000));
    EXPECT_LE(Times().last(), 5);
}

TEST_F(EngineFileTest, ThePlayingSongIsHeard) {
    EXPECT_LT(RecordPeak(300), 300) << "sound before playing";
    Play(TestSongs::Get().Path("tone20.mp3"));
    ASSERT_TRUE(WaitForLine("%time 1"));
    EXPECT_GT(RecordPeak(1000), 3000);
}

TEST_F(EngineFileTest, EachPlayRequestStartsTheNewSong) {
    Play(TestSongs::Get().Path("tone20.mp3"));
    ASSERT_TRUE(WaitForLine("%time 1"));
    const qsizetype from = host.Messages().size();
    Play(TestSongs::Get().Path("tone4.mp3"));
    ASSERT_TRUE(WaitForLine("%totaltime 4", from));
    ASSERT_TRUE(WaitForLine("%time 3", from));
    const qsizetype ending = host.Messages().size();
    ASSERT_TRUE(WaitForLine("%status 0", ending));
    EXPECT_LE(Times(from).last(), 4);
}

} // namespace
