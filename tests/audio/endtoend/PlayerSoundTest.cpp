// The whole player, as a user starts it: two generated songs given on the
// command line are heard one after the other on the sound server (recorded from
// the null sink's monitor), their play counts grow, and the library keeps them
// for the next start.
#include "FileName.h"
#include "TPlay.h"
#include "TempHome.h"

#include <QFile>
#include <algorithm>
#include <cstdio>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {

bool runTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A tone of the given pitch as an MP3.
QString makeTone(const QString& folder, const QString& name, int hertz, double seconds) {
    const QString wav = folder + "/" + name + ".wav";
    const QString mp3 = folder + "/" + name + ".mp3";
    EXPECT_TRUE(runTool("sox", {"-n", "-r", "44100", "-c", "2", wav, "synth", QString::number(seconds), "sine",
                                QString::number(hertz), "vol", "0.5"}));
    EXPECT_TRUE(runTool("lame", {"--quiet", "-b", "128", wav, mp3}));
    return mp3;
}

// The dominant pitch of each 100 ms window of 16-bit stereo audio (left
// channel), by counting zero crossings; 0 for a silent window.
QList<int> pitchPerWindow(const QByteArray& pcm) {
    const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
    const qsizetype frames = pcm.size() / 4;
    const int window = 4410;
    QList<int> pitches;
    for (qsizetype start = 0; start + window <= frames; start += window) {
        double energy = 0;
        int crossings = 0;
        for (int i = 0; i < window; ++i) {
            const int s = samples[(start + i) * 2];
            energy += double(s) * s;
            if (i > 0 && ((samples[(start + i - 1) * 2] < 0) != (s < 0)))
                ++crossings;
        }
        const double rms = std::sqrt(energy / window);
        pitches << (rms < 500 ? 0 : crossings * 5); // crossings per 0.1 s -> Hz
    }
    return pitches;
}

bool near(int pitch, int hertz) { return std::abs(pitch - hertz) <= hertz / 10; }

} // namespace

TEST(PlayerSound, TwoSongsFromTheCommandLineAreHeardInOrderAndKept) {
    QTemporaryDir home;
    const QString low = makeTone(home.path(), "low", 440, 2.0);
    const QString high = makeTone(home.path(), "high", 880, 2.0);
    const QString trace = home.path() + "/trace.txt";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SORVI_HOME", home.path());
    env.insert("SORVI_TRACE_COMMANDS", trace);

    QProcess recorder;
    const QString raw = home.path() + "/heard.raw";
    recorder.setStandardOutputFile(raw);
    recorder.start("parec", {"-d", "sorvi_null.monitor", "--raw", "--format=s16le", "--rate=44100",
                             "--channels=2", "--latency-msec=20"});
    ASSERT_TRUE(recorder.waitForStarted());

    QProcess player;
    player.setProcessEnvironment(env);
    player.setProcessChannelMode(QProcess::ForwardedChannels);
    player.start(QStringLiteral(SORVI_BUILD_DIR) + "/sorvi", {low, high});
    ASSERT_TRUE(player.waitForStarted());

    auto traced = [&] {
        QFile f(trace);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)
                                           : QStringList();
    };
    auto counted = [&](const QString& song) {
        QFile f(home.path() + "/count");
        return f.open(QIODevice::ReadOnly) && QString::fromUtf8(f.readAll()).contains(song + "=1");
    };
    // Sequential play ends with "#Stop" once the last song has been counted.
    const bool finished =
        WaitFor([&] { return counted(high) && !traced().isEmpty() && traced().last() == "#Stop"; }, 30000);
    recorder.terminate();
    recorder.waitForFinished(5000);
    ASSERT_TRUE(finished) << traced().join(" | ").toStdString();

    QFile rawFile(raw);
    ASSERT_TRUE(rawFile.open(QIODevice::ReadOnly));
    const QList<int> pitches = pitchPerWindow(rawFile.readAll());
    // Order is judged by runs of three windows: a window that holds a short gap
    // (a busy machine) has fewer zero crossings and can read an octave low.
    auto run = [&](int i, int hertz) {
        return i >= 0 && i + 2 < pitches.size() && near(pitches[i], hertz) && near(pitches[i + 1], hertz) &&
               near(pitches[i + 2], hertz);
    };
    int lowWindows = 0, highWindows = 0, lastLow = -1, firstHigh = -1;
    for (int i = 0; i < pitches.size(); ++i) {
        if (near(pitches[i], 440))
            ++lowWindows;
        else if (near(pitches[i], 880))
            ++highWindows;
        if (run(i, 440))
            lastLow = i + 2;
        if (run(i, 880) && firstHigh < 0)
            firstHigh = i;
    }
    // Each two-second song is heard for most of its length, the low one first.
    EXPECT_GE(lowWindows, 15);
    EXPECT_GE(highWindows, 15);
    EXPECT_LT(lastLow, firstHigh);

    QFile count(home.path() + "/count");
    ASSERT_TRUE(count.open(QIODevice::ReadOnly));
    const QString counts = QString::fromUtf8(count.readAll());
    EXPECT_TRUE(counts.contains(low + "=1")) << counts.toStdString();
    EXPECT_TRUE(counts.contains(high + "=1")) << counts.toStdString();

    QProcess exit;
    exit.setProcessEnvironment(env);
    exit.start(QStringLiteral(SORVI_BUILD_DIR) + "/sorvi", {"--command", "#Exit"});
    exit.waitForFinished(5000);
    ASSERT_TRUE(player.waitForFinished(10000));

    // The next start finds both songs in the library.
    TPlay library;
    EXPECT_EQ(library.LoadList(home.path() + "/default.lst"), 0);
    ASSERT_EQ(library.Default().Count(), 2);
    EXPECT_EQ(library.Default().Song(0).FileName, low);
    EXPECT_EQ(library.Default().Song(1).FileName, high);
}

// A song whose name is not UTF-8 (written by an older Latin-1 system), given on
// the command line exactly as the shell passes it, is heard, counted under its
// own bytes, kept as the current song and found in the library at the next start.
TEST(PlayerSound, ASongNamedInLatin1IsHeardCountedAndKept) {
    QTemporaryDir home;
    const QString tone = makeTone(home.path(), "tone", 440, 2.0);
    const QByteArray song = EncodeFileName(home.path()) + "/Caf\xE9 tone.mp3";
    ASSERT_EQ(::rename(EncodeFileName(tone).constData(), song.constData()), 0);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SORVI_HOME", home.path());
    env.insert("SORVI_TRACE_COMMANDS", home.path() + "/trace.txt");

    QProcess recorder;
    const QString raw = home.path() + "/heard.raw";
    recorder.setStandardOutputFile(raw);
    recorder.start("parec", {"-d", "sorvi_null.monitor", "--raw", "--format=s16le", "--rate=44100",
                             "--channels=2", "--latency-msec=20"});
    ASSERT_TRUE(recorder.waitForStarted());

    // QProcess would pass the argument as UTF-8; the shell passes the file's bytes.
    QProcess player;
    player.setProcessEnvironment(env);
    player.setProcessChannelMode(QProcess::ForwardedChannels);
    player.start("sh", {"-c", "exec \"$0\" \"$(printf \"$1\")\"", QStringLiteral(SORVI_BUILD_DIR) + "/sorvi",
                        home.path() + "/Caf\\351 tone.mp3"});
    ASSERT_TRUE(player.waitForStarted());

    auto fileHolds = [&](const QString& name, const QByteArray& text) {
        QFile f(home.path() + "/" + name);
        return f.open(QIODevice::ReadOnly) && f.readAll().contains(text);
    };
    const bool counted = WaitFor([&] { return fileHolds("count", song + "=1"); }, 30000);
    WaitFor([&] { return fileHolds("trace.txt", "#Stop"); }, 10000);
    recorder.terminate();
    recorder.waitForFinished(5000);
    EXPECT_TRUE(counted);
    EXPECT_TRUE(fileHolds("Options.ini", "CURRENT=" + song + "\n"));

    QFile rawFile(raw);
    ASSERT_TRUE(rawFile.open(QIODevice::ReadOnly));
    const QList<int> pitches = pitchPerWindow(rawFile.readAll());
    EXPECT_GE(std::count_if(pitches.begin(), pitches.end(), [](int pitch) { return near(pitch, 440); }), 15);

    QProcess exit;
    exit.setProcessEnvironment(env);
    exit.start(QStringLiteral(SORVI_BUILD_DIR) + "/sorvi", {"--command", "#Exit"});
    exit.waitForFinished(5000);
    ASSERT_TRUE(player.waitForFinished(10000));

    TPlay library;
    EXPECT_EQ(library.LoadList(home.path() + "/default.lst"), 0);
    ::unlink(song.constData()); // Qt cannot remove a name that is not UTF-8
    ASSERT_EQ(library.Default().Count(), 1);
    EXPECT_EQ(EncodeFileName(library.Default().Song(0).FileName), song);

}
