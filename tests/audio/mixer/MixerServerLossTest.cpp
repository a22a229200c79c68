#include "OptionsStore.h"
#include "PlayerVolume.h"
#include "VolumeCommands.h"
#include "PulseLevels.h"
#include "PulseTestTools.h"
#include "TAudioMixer.h"
#include "TempHome.h"
#include "TOption.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Points PULSE_SERVER elsewhere for one test and restores it afterwards.
class ServerOverride {
public:
    explicit ServerOverride(const QByteArray& server) : saved_(qgetenv("PULSE_SERVER")) {
        qputenv("PULSE_SERVER", server);
    }
    ~ServerOverride() { qputenv("PULSE_SERVER", saved_); }

private:
    QByteArray saved_;
};

// A socket that accepts connections into its backlog and never answers: a
// server that hangs.
class SilentSocket {
public:
    explicit SilentSocket(const QString& path) {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray bytes = path.toUtf8();
        std::memcpy(address.sun_path, bytes.constData(),
                    std::min<size_t>(bytes.size(), sizeof address.sun_path - 1));
        ok_ = fd_ >= 0 && ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
              ::listen(fd_, 8) == 0;
    }
    ~SilentSocket() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool ok() const { return ok_; }

private:
    int fd_ = -1;
    bool ok_ = false;
};

class MixerServerLossTest : public ::testing::Test {
protected:
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
};

// Without a server the mixer is empty, its calls fail at once, and the player's
// own values still follow the commands.
void ExpectPlayerWorksWithoutMixer(TOption& option, TAudioMixer& mixer) {
    EXPECT_EQ(mixer.MixerId(), -1);
    EXPECT_TRUE(mixer.Destinations().empty());
    int left, right, mute;
    bool stereo, volumeDisabled, muteDisabled, muteIsSelect;
    EXPECT_FALSE(
        mixer.GetVolume(0, 0, left, right, mute, stereo, volumeDisabled, muteDisabled, muteIsSelect));
    EXPECT_EQ(left, -1);
    EXPECT_FALSE(mixer.SetVolume(0, 0, 1000, 1000, 1));

    option.SetVolume(64600);
    option.SetBalance(30);
    RunVolumeCommand(option, mixer, "#SoundUp");
    EXPECT_EQ(option.Volume(), 65535);
    RunVolumeCommand(option, mixer, "#SoundDown");
    EXPECT_EQ(option.Volume(), 64511);
    const bool muted = option.Mute();
    RunVolumeCommand(option, mixer, "#Silent");
    EXPECT_EQ(option.Mute(), !muted);
    EXPECT_FALSE(ApplyVolume(option, mixer));
    TakeMixerChange(option, mixer, false);
    EXPECT_EQ(option.Volume(), 64511);
    EXPECT_EQ(option.Balance(), 30);
    EXPECT_EQ(option.Mute(), !muted);
}

TEST_F(MixerServerLossTest, NoServerLeavesTheMixerEmpty) {
    ServerOverride dead(("unix:" + home.file("no-such-socket")).toUtf8());
    TAudioMixer mixer;
    ExpectPlayerWorksWithoutMixer(option, mixer);
}

// The constructor gives up after its bounded wait; the test's own timeout
// catches a hang.
TEST_F(MixerServerLossTest, ServerThatNeverAnswersLeavesTheMixerEmpty) {
    const QString path = home.file("silent-socket");
    SilentSocket silent(path);
    ASSERT_TRUE(silent.ok());
    ServerOverride stuck(("unix:" + path).toUtf8());
    TAudioMixer mixer;
    ExpectPlayerWorksWithoutMixer(option, mixer);
}

// The module id of the first loaded module with that name; empty when none.
QString ModuleId(const QString& name) {
    for (const QString& line : Pactl({"list", "modules", "short"}).split('\n')) {
        const QStringList fields = line.split('\t');
        if (fields.size() > 1 && fields[1] == name)
            return fields[0];
    }
    return {};
}

TEST_F(MixerServerLossTest, ServerWithoutSinksHasNoDestination) {
    TAudioMixer mixer;
    ASSERT_EQ(mixer.Destinations().size(), 1u);
    // The always-sink module would put a dummy sink in place of the last one.
    const QString alwaysSink = ModuleId("module-always-sink");
    const QString nullSink = ModuleId("module-null-sink");
    ASSERT_FALSE(alwaysSink.isEmpty());
    ASSERT_FALSE(nullSink.isEmpty());
    ASSERT_FALSE(Pactl({"unload-module", alwaysSink}).isNull());
    ASSERT_FALSE(Pactl({"unload-module", nullSink}).isNull());

    EXPECT_TRUE(WaitFor([&] { return mixer.Destinations().empty(); }));
    EXPECT_EQ(mixer.MixerId(), 0);
    option.SetVolume(30000);
    EXPECT_FALSE(ApplyVolume(option, mixer));
    TakeMixerChange(option, mixer, false);
    EXPECT_EQ(option.Volume(), 30000);

    ASSERT_FALSE(
        Pactl({"load-module", "module-null-sink", "sink_name=sorvi_null", "rate=44100", "channels=2"})
            .isNull());
    ASSERT_FALSE(Pactl({"load-module", "module-always-sink"}).isNull());
    ASSERT_FALSE(Pactl({"set-default-sink", "sorvi_null"}).isNull());
    EXPECT_TRUE(WaitFor([&] { return mixer.Destinations().size() == 1u; }));
    EXPECT_TRUE(ApplyVolume(option, mixer));
    EXPECT_EQ(ReadNullSink().right, ToPulseVolume(30000));
}

// Resumes a stopped daemon whatever happens in the test.
class ContinueGuard {
public:
    explicit ContinueGuard(qint64 pid) : pid_(pid) {}
    ~ContinueGuard() { ::kill(static_cast<pid_t>(pid_), SIGCONT); }

private:
    qint64 pid_;
};

TEST_F(MixerServerLossTest, CallsGiveUpWhileTheServerIsFrozen) {
    TAudioMixer mixer;
    ASSERT_EQ(mixer.Destinations().size(), 1u);
    const qint64 pid = FindDaemonPid(PulseSocketPath());
    ASSERT_GT(pid, 0);
    {
        ContinueGuard resume(pid);
        ASSERT_EQ(::kill(static_cast<pid_t>(pid), SIGSTOP), 0);
        int left, right, mute;
        bool stereo, volumeDisabled, muteDisabled, muteIsSelect;
        EXPECT_FALSE(
            mixer.GetVolume(0, 0, left, right, mute, stereo, volumeDisabled, muteDisabled, muteIsSelect));
        EXPECT_FALSE(mixer.SetVolume(0, 0, 1000, 1000, 1));
    }
    // Once the server answers again so does the mixer.
    EXPECT_TRUE(WaitFor([&] { return mixer.SetVolume(0, 0, 20000, 10000, 0); }));
    const NullSinkState sink = ReadNullSink();
    EXPECT_EQ(sink.left, ToPulseVolume(20000));
    EXPECT_EQ(sink.right, ToPulseVolume(10000));
}

// Stops the replacement daemon when the test ends.
class DaemonGuard {
public:
    ~DaemonGuard() { StopDaemon(pid); }
    qint64 pid = 0;
};

TEST_F(MixerServerLossTest, FollowsAServerThatRestarts) {
    TAudioMixer mixer;
    ASSERT_EQ(mixer.Destinations().size(), 1u);
    int announced = 0;
    QObject::connect(&mixer, &TAudioMixer::controlChanged, [&] {
        ++announced;
        TakeMixerChange(option, mixer, false);
    });

    const qint64 original = FindDaemonPid(PulseSocketPath());
    ASSERT_GT(original, 0);
    StopDaemon(original);
    EXPECT_TRUE(WaitFor([&] { return mixer.MixerId() == -1 && mixer.Destinations().empty(); }));
    EXPECT_GT(announced, 0);
    option.SetVolume(30000);
    option.SetBalance(50);
    EXPECT_FALSE(ApplyVolume(option, mixer));

    DaemonGuard replacement;
    replacement.pid = StartDaemonOnSameSocket();
    ASSERT_GT(replacement.pid, 0);
    const int beforeReconnect = announced;
    EXPECT_TRUE(WaitFor([&] { return mixer.MixerId() == 0 && mixer.Destinations().size() == 1u; }, 15000));
    EXPECT_GT(announced, beforeReconnect);
    // The new server's sink (at 100 %) was taken back when the mixer found it.
    EXPECT_TRUE(WaitFor([&] { return option.Volume() == 65535; }));

    // Pushing works again, and so does following outside changes.
    option.SetVolume(20000);
    EXPECT_TRUE(ApplyVolume(option, mixer));
    EXPECT_EQ(ReadNullSink().left, ToPulseVolume(20000));
    ASSERT_FALSE(Pactl({"set-sink-volume", "sorvi_null", "50%", "25%"}).isNull());
    EXPECT_TRUE(WaitFor([&] { return option.Balance() == 25; }));
    EXPECT_EQ(option.Volume(), 32768);
}

} // namespace
