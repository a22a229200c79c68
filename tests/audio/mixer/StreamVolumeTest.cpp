// The player's volume on its own stream (OPTION MIXER=stream): the engine's
// playback stream is turned up and down, the sink and other programs are not.
#include "PlayerVolume.h"
#include "VolumeCommands.h"

#include "OptionsStore.h"
#include "PulseLevels.h"
#include "PulseTestTools.h"
#include "TAudioMixer.h"
#include "TempHome.h"
#include "TOption.h"
#include "VolumeBalance.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class StreamVolumeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Pactl({"set-sink-volume", "sorvi_null", "100%"}).isNull());
        ASSERT_FALSE(Pactl({"set-sink-mute", "sorvi_null", "0"}).isNull());
    }
    void TearDown() override {
        if (!restoreModule.isEmpty())
            Pactl({"unload-module", restoreModule});
    }
    void StartMixer() {
        mixer = std::make_unique<TAudioMixer>(TAudioMixer::Target::Stream);
        ASSERT_EQ(mixer->Destinations().size(), 1u);
        QObject::connect(mixer.get(), &TAudioMixer::controlChanged,
                         [this] { TakeMixerChange(option, *mixer, false); });
        TakeMixerChange(option, *mixer, false);
    }
    // The server's stream memory, as a desktop's server runs it.
    void LoadStreamMemory() {
        restoreModule = Pactl({"load-module", "module-stream-restore"}).trimmed();
        ASSERT_FALSE(restoreModule.isEmpty());
    }

    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    std::unique_ptr<TAudioMixer> mixer;
    QString restoreModule;
};

TEST_F(StreamVolumeTest, VolumeCommandsChangeThePlayersStreamAndNotTheSink) {
    PlayerStream stream;
    ASSERT_TRUE(stream.ok());
    StartMixer();
    option.SetVolume(40000);
    option.SetBalance(30);
    ASSERT_TRUE(ApplyVolume(option, *mixer));
    RunVolumeCommand(option, *mixer, "#SoundDown");
    EXPECT_EQ(option.Volume(), 38976);
    const StereoLevels want = ChannelsFromVolume(38976, 30);
    OwnStreamState own = ReadOwnStream();
    ASSERT_TRUE(own.ok);
    EXPECT_EQ(own.left, ToPulseVolume(want.left));
    EXPECT_EQ(own.right, ToPulseVolume(want.right));
    RunVolumeCommand(option, *mixer, "#Silent");
    EXPECT_TRUE(ReadOwnStream().mute);

    const NullSinkState sink = ReadNullSink();
    ASSERT_TRUE(sink.ok);
    EXPECT_EQ(sink.left, PA_VOLUME_NORM);
    EXPECT_EQ(sink.right, PA_VOLUME_NORM);
    EXPECT_FALSE(sink.mute);
}

// The desktop's sound settings move the player's stream: the player follows.
// A change of the sink is not the player's.
TEST_F(StreamVolumeTest, OutsideChangesOfThePlayersStreamMoveThePlayer) {
    PlayerStream stream;
    ASSERT_TRUE(stream.ok());
    StartMixer();
    const OwnStreamState own = ReadOwnStream();
    ASSERT_TRUE(own.ok);
    ASSERT_FALSE(Pactl({"set-sink-input-volume", own.index, "50%", "25%"}).isNull());
    EXPECT_TRUE(WaitFor([&] { return option.Volume() == FromPulseVolume(ToPulseVolume(32768)); }));
    EXPECT_EQ(option.Balance(), 25);
    ASSERT_FALSE(Pactl({"set-sink-input-mute", own.index, "1"}).isNull());
    EXPECT_TRUE(WaitFor([&] { return option.Mute(); }));

    ASSERT_FALSE(Pactl({"set-sink-volume", "sorvi_null", "20%"}).isNull());
    WaitFor([] { return false; }, 300);
    EXPECT_EQ(option.Balance(), 25);
    EXPECT_NEAR(option.Volume(), 32768, 1);
}

// Set while nothing plays: the level is kept and the next stream gets it.
TEST_F(StreamVolumeTest, ALevelSetWhileNothingPlaysReachesTheNextStream) {
    StartMixer();
    option.SetVolume(20000);
    option.SetBalance(70);
    ASSERT_TRUE(ApplyVolume(option, *mixer));
    PlayerStream stream;
    ASSERT_TRUE(stream.ok());
    const StereoLevels want = ChannelsFromVolume(20000, 70);
    EXPECT_TRUE(WaitFor([&] {
        const OwnStreamState own = ReadOwnStream();
        return own.ok && own.left == ToPulseVolume(want.left) && own.right == ToPulseVolume(want.right);
    }));
    WaitFor([] { return false; }, 200);
    EXPECT_EQ(option.Volume(), 20000) << "the new stream's own level is not taken for the player's";
    EXPECT_EQ(option.Balance(), 70);
}

// The server remembers the player's level between runs.
TEST_F(StreamVolumeTest, TheServerRemembersTheLevelForTheNextRun) {
    LoadStreamMemory();
    StartMixer();
    option.SetVolume(30000);
    option.SetBalance(40);
    ASSERT_TRUE(ApplyVolume(option, *mixer));
    mixer.reset();

    TOption next(store);
    TAudioMixer again(TAudioMixer::Target::Stream);
    TakeMixerChange(next, again, false);
    EXPECT_EQ(next.Volume(), 30000);
    EXPECT_EQ(next.Balance(), 40);
    // And the server gives it to the next run's first stream by itself.
    PlayerStream stream;
    ASSERT_TRUE(stream.ok());
    const StereoLevels want = ChannelsFromVolume(30000, 40);
    EXPECT_TRUE(WaitFor([&] {
        const OwnStreamState own = ReadOwnStream();
        return own.ok && own.left == ToPulseVolume(want.left) && own.right == ToPulseVolume(want.right);
    }));
}

} // namespace
