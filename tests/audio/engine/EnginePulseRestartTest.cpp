// A sound server that is killed and started again between two songs: the next
// song is heard without restarting the player. A server that stops answering
// (frozen) never holds up the thread that stops the song.
#include "EngineTestSupport.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>
#include <thread>

namespace {

// A private PulseAudio daemon with a null sink "sorvi_null", reached through
// PULSE_SERVER while it lives (the test's own server is restored afterwards).
class PrivateSoundServer {
public:
    explicit PrivateSoundServer(const QString& folder) : folder_(folder), saved_(qgetenv("PULSE_SERVER")) {
        QDir().mkpath(folder_ + "/runtime");
        qputenv("PULSE_SERVER", QFile::encodeName("unix:" + Socket()));
    }
    ~PrivateSoundServer() {
        Kill();
        qputenv("PULSE_SERVER", saved_);
    }
    QString Socket() const { return folder_ + "/runtime/native"; }
    bool Start() {
        QFile::remove(Socket());
        daemon_.setProcessChannelMode(QProcess::MergedChannels);
        daemon_.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit=yes",
                                     "--use-pid-file=no", "--system=no", "--disable-shm=yes", "-L",
                                     "module-native-protocol-unix socket=" + Socket() + " auth-anonymous=1",
                                     "-L", "module-null-sink sink_name=sorvi_null rate=44100 channels=2",
                                     "-L", "module-always-sink"});
        if (!daemon_.waitForStarted())
            return false;
        return WaitFor(
            [] {
                QProcess pactl;
                pactl.start("pactl", {"set-default-sink", "sorvi_null"});
                return pactl.waitForFinished(2000) && pactl.exitCode() == 0;
            },
            10000);
    }
    pid_t Pid() const { return static_cast<pid_t>(daemon_.processId()); }
    // Stops and continues the server process, as a hung server would behave.
    void Freeze() { ::kill(Pid(), SIGSTOP); }
    void Thaw() { ::kill(Pid(), SIGCONT); }
    void Kill() {
        if (daemon_.state() == QProcess::NotRunning)
            return;
        Thaw();
        daemon_.kill();
        daemon_.waitForFinished(5000);
    }

private:
    QString folder_;
    QByteArray saved_;
    QProcess daemon_;
};

class EnginePulseRestartTest : public ::testing::Test, public EngineFixture {};

TEST_F(EnginePulseRestartTest, NextSongIsHeardAfterTheServerRestarted) {
    QTemporaryDir dir;
    PrivateSoundServer server(dir.path());
    ASSERT_TRUE(server.Start());
    Play(TestSongs::Get().Path("tone20.mp3"));
    ASSERT_TRUE(WaitForLine("%time 1"));
    EXPECT_GT(RecordPeak(500), 3000);

    server.Kill(); // the song loses its server while it plays
    ASSERT_TRUE(WaitForLine("%status 0"));
    SendToPlugin(3);
    ASSERT_TRUE(server.Start());

    const qsizetype from = host.Messages().size();
    Play(TestSongs::Get().Path("tone20.mp3"));
    ASSERT_TRUE(WaitForLine("%time 1", from));
    EXPECT_GT(RecordPeak(800), 3000);
}

TEST_F(EnginePulseRestartTest, ServerThatIsMissingAtPlayIsAnErrorAndTheNextSongFindsIt) {
    QTemporaryDir dir;
    PrivateSoundServer server(dir.path()); // not started yet
    Play(TestSongs::Get().Path("tone20.mp3"));
    ASSERT_TRUE(WaitForLine("%status 4"));
    SendToPlugin(3);
    ASSERT_TRUE(server.Start());
    const qsizetype from = host.Messages().size();
    Play(TestSongs::Get().Path("tone20.mp3"));
    ASSERT_TRUE(WaitForLine("%time 1", from));
    EXPECT_GT(RecordPeak(800), 3000);
}

TEST_F(EnginePulseRestartTest, StopDoesNotWaitForAFrozenServer) {
    QTemporaryDir dir;
    PrivateSoundServer server(dir.path());
    ASSERT_TRUE(server.Start());
    Play(TestSongs::Get().Path("tone20.mp3"));
    ASSERT_TRUE(WaitForLine("%time 1"));

    // The engine's writes to the frozen server cannot complete. A watchdog thaws
    // it after a long while, so that a stop that waits for the write ends too.
    server.Freeze();
    const pid_t daemon = server.Pid();
    std::atomic<bool> stopped{false};
    std::atomic<bool> thawedByWatchdog{false};
    std::thread watchdog([&] {
        for (int i = 0; i < 150 && !stopped; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (!stopped) {
            thawedByWatchdog = true;
            ::kill(daemon, SIGCONT);
        }
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(500)); // the output buffer fills up
    SendToPlugin(3);
    stopped = true;
    watchdog.join();
    server.Thaw();
    EXPECT_FALSE(thawedByWatchdog) << "stopping waited for the frozen sound server";

    // The thawed server plays the next song.
    const qsizetype from = host.Messages().size();
    Play(TestSongs::Get().Path("tone4.mp3"));
    EXPECT_TRUE(WaitForLine("%time 1", from));
}

} // namespace
