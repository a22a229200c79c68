// The FLAC/Ogg/Opus/WAV/AIFF plug-in as any host sees it: loaded from its file,
// spoken to through PlusMessage, answering through this program's PlusProc,
// playing into the test's private sound server (heard on the null sink's
// monitor).
#include "PluginContract.h"
#include "SoundFile.h"
#include "SoundFixtures.h"
#include "TempHome.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QProcess>
#include <cstdlib>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <mutex>

namespace {

std::mutex gMutex;
QList<QByteArray>& Received() {
    static QList<QByteArray> lines;
    return lines;
}

} // namespace

// The host callback the plug-in finds in this executable: records each
// message as "name value".
extern "C" __attribute__((visibility("default"), used)) int PlusProc(const char* text) {
    const QList<QByteArray> fields = QByteArray(text).split('\1');
    std::lock_guard lock(gMutex);
    Received() << fields.value(1) + ' ' + fields.value(2);
    return 0;
}

namespace {

QList<QByteArray> Lines(qsizetype from = 0) {
    std::lock_guard lock(gMutex);
    return Received().mid(from);
}

qsizetype LineCount() {
    std::lock_guard lock(gMutex);
    return Received().size();
}

QList<int> Times(qsizetype from = 0) {
    QList<int> times;
    for (const QByteArray& line : Lines(from))
        if (line.startsWith("%time "))
            times << line.mid(6).toInt();
    return times;
}

int ThreadCount() { return static_cast<int>(QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size()); }

// Records the null sink's monitor for a while; the peak sample (0 to 32767).
int RecordPeak(int milliseconds) {
    QProcess parec;
    parec.start("parec", {"--device=sorvi_null.monitor", "--raw", "--format=s16le", "--channels=1", "--rate=8000"});
    if (!parec.waitForStarted())
        return -1;
    WaitFor([] { return false; }, milliseconds);
    parec.terminate();
    parec.waitForFinished(5000);
    const QByteArray pcm = parec.readAllStandardOutput();
    int peak = 0;
    for (qsizetype i = 0; i + 1 < pcm.size(); i += 2)
        peak = std::max(peak, std::abs(int(int16_t(uint8_t(pcm[i]) | (uint8_t(pcm[i + 1]) << 8)))));
    return peak;
}

class SndfilePlugin : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = dlopen(SORVI_BUILD_DIR "/sndfile.so", RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(module_, nullptr) << dlerror();
        entry_ = reinterpret_cast<PlusMessageFunc>(dlsym(module_, "PlusMessage"));
        ASSERT_NE(entry_, nullptr);
        start_ = LineCount();
        Send(1);
    }
    void TearDown() override {
        if (entry_) {
            Send(3);
            Send(6);
        }
        if (module_)
            dlclose(module_);
    }
    int Send(int code, const QByteArray& argument = {}) {
        const QByteArray text = "42\1" + QByteArray::number(code) + '\1' + argument;
        return entry_(text.constData());
    }
    void Play(const QString& file) { Send(2, file.toUtf8()); }
    // Waits for a report of this test (from index `from` on, when given).
    bool WaitForLine(const QByteArray& line, qsizetype from = -1, int timeoutMs = 10000) const {
        const qsizetype first = from < 0 ? start_ : from;
        return WaitFor([&] { return Lines(first).contains(line); }, timeoutMs);
    }

    void* module_ = nullptr;
    PlusMessageFunc entry_ = nullptr;
    qsizetype start_ = 0;
};

TEST(SoundFileLength, EachFormatStatesItsLengthWithinFiftyMilliseconds) {
    for (const char* ext : {"flac", "ogg", "opus", "wav", "aiff"}) {
        SoundFile file;
        ASSERT_TRUE(file.Open(SoundFixtures::Get().Path(QStringLiteral("tone.") + ext).toStdString())) << ext;
        EXPECT_NEAR(file.LengthMs(), SoundFixtures::kToneMs, 50) << ext;
        EXPECT_EQ(file.Channels(), 2) << ext;
    }
}

TEST_F(SndfilePlugin, EveryFormatIsHeardWithItsLengthAndEndsStopped) {
    // "tagged.*" end in the ID3v1 and lyrics-name blocks the tag window writes.
    for (const char* name : {"tone.flac", "tone.ogg", "tone.opus", "tone.wav", "tone.aiff", "tagged.flac",
                             "tagged.ogg", "tagged.opus"}) {
        const char* ext = name;
        const qsizetype from = LineCount();
        Play(SoundFixtures::Get().Path(name));
        ASSERT_TRUE(WaitForLine("%time 1", from)) << ext;
        EXPECT_GT(RecordPeak(800), 3000) << ext << ": nothing heard";
        ASSERT_TRUE(WaitForLine("%status 0", from)) << ext;
        const QList<QByteArray> lines = Lines(from);
        // 3.3 s: reported in whole seconds, before playing starts.
        EXPECT_EQ(lines.first(), "%totaltime 3") << ext;
        EXPECT_EQ(lines.last(), "%status 0") << ext;
        const QList<int> times = Times(from);
        EXPECT_TRUE(times.contains(2)) << ext;
        EXPECT_TRUE(std::is_sorted(times.begin(), times.end())) << ext;
        EXPECT_EQ(times.last(), 3) << ext;
    }
}

TEST_F(SndfilePlugin, SeekMovesTheHeardPositionToTheMiddle) {
    Play(SoundFixtures::Get().Path("long.flac"));
    ASSERT_TRUE(WaitForLine("%time 1"));
    const qsizetype from = LineCount();
    Send(7, "10");
    ASSERT_TRUE(WaitForLine("%time 11", from));
    const QList<int> times = Times(from);
    EXPECT_GE(times.first(), 9);
    EXPECT_LE(times.first(), 11);
    EXPECT_GT(RecordPeak(400), 3000);
}

TEST_F(SndfilePlugin, PauseHoldsThePositionAndResumeGoesOnFromIt) {
    Play(SoundFixtures::Get().Path("long.flac"));
    ASSERT_TRUE(WaitForLine("%time 1"));
    Send(4);
    ASSERT_TRUE(WaitForLine("%status 2"));
    const qsizetype paused = LineCount();
    EXPECT_LT(RecordPeak(1500), 300) << "sound while paused";
    EXPECT_TRUE(Times(paused).isEmpty()) << "time went on while paused";
    Send(4);
    ASSERT_TRUE(WaitForLine("%status 1", paused));
    ASSERT_TRUE(WaitForLine("%time 2", paused));
    EXPECT_EQ(Times(paused).first(), 2);
}

TEST_F(SndfilePlugin, FilesThatCannotBePlayedReportFailureAndNothingElse) {
    for (const char* name : {"truncated.flac", "text.ogg", "missing.flac"}) {
        const qsizetype from = LineCount();
        Play(SoundFixtures::Get().Path(name));
        ASSERT_TRUE(WaitForLine("%status 4", from)) << name;
        WaitFor([] { return false; }, 200);
        EXPECT_EQ(Lines(from), QList<QByteArray>{"%status 4"}) << name;
    }
    // The plug-in plays on after them.
    const qsizetype from = LineCount();
    Play(SoundFixtures::Get().Path("tone.wav"));
    EXPECT_TRUE(WaitForLine("%status 1", from));
}

TEST_F(SndfilePlugin, StopAndUnloadEndEveryThreadAndEveryReport) {
    const int before = ThreadCount();
    Play(SoundFixtures::Get().Path("long.flac"));
    ASSERT_TRUE(WaitForLine("%time 1"));
    EXPECT_GT(ThreadCount(), before);
    Send(3);
    Send(6);
    // Code 6 returns once the decoding thread has let go of the player and the
    // sound server's thread has ended; the thread itself is gone a moment later.
    EXPECT_TRUE(WaitFor([&] { return ThreadCount() <= before; }, 1000)) << ThreadCount() << " > " << before;
    const qsizetype after = LineCount();
    WaitFor([] { return false; }, 1200);
    EXPECT_EQ(LineCount(), after) << "reports after the stop";
    EXPECT_LT(RecordPeak(400), 300) << "sound after the stop";
}

} // namespace
