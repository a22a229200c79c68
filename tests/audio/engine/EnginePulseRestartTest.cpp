// A sound server that is killed and started again between two songs: the next
// song is heard without restarting the player.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>

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
    void Kill() {
        if (daemon_.state() == QProcess::NotRunning)
            return;
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

} // namespace
