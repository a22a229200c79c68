#include "PlayerVolume.h"
#include "VolumeCommands.h"

#include "OptionsStore.h"
#include "PulseLevels.h"
#include "PulseTestTools.h"
#include "TAudioMixer.h"
#include "TempHome.h"
#include "TOption.h"
#include "VolumeBalance.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The player's side of the mixer: TOption, the mixer, and the handler the main
// window connects to controlChanged.
class PlayerVolumeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Pactl({"set-sink-volume", "sorvi_null", "100%"}).isNull());
        ASSERT_FALSE(Pactl({"set-sink-mute", "sorvi_null", "0"}).isNull());
        mixer = std::make_unique<TAudioMixer>();
        ASSERT_EQ(mixer->Destinations().size(), 1u);
    }

    void FollowTheMixer() {
        QObject::connect(mixer.get(), &TAudioMixer::controlChanged,
                         [this] { TakeMixerChange(option, *mixer, false); });
    }

    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    std::unique_ptr<TAudioMixer> mixer;
};

TEST_F(PlayerVolumeTest, ApplyVolumeSplitsByBalanceOntoTheSink) {
    const struct {
        int volume, balance;
        bool mute;
        int left, right;
    } cases[] = {
        {40000, 50, false, 40000, 40000},
        {40000, 75, true, 20000, 40000},
        {40000, 0, false, 40000, 0},
        {65535, 100, false, 0, 65535},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "volume " << c.volume << " balance " << c.balance);
        option.SetVolume(c.volume);
        option.SetBalance(c.balance);
        option.SetMute(c.mute);
        ASSERT_TRUE(ApplyVolume(option, *mixer));
        const NullSinkState sink = ReadNullSink();
        ASSERT_TRUE(sink.ok);
        EXPECT_EQ(sink.left, ToPulseVolume(c.left));
        EXPECT_EQ(sink.right, ToPulseVolume(c.right));
        EXPECT_EQ(sink.mute, c.mute);
    }
}

TEST_F(PlayerVolumeTest, OutsideChangesAreTakenBack) {
    FollowTheMixer();
    const struct {
        const char* left;
        const char* right;
        int volume, balance;
    } cases[] = {
        {"50%", "25%", 32768, 25},
        {"0%", "30%", 19660, 100},
        {"0%", "0%", 0, 37}, // silence keeps the balance the player had
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.left << " " << c.right);
        option.SetVolume(12345);
        option.SetBalance(37);
        ASSERT_FALSE(Pactl({"set-sink-volume", "sorvi_null", c.left, c.right}).isNull());
        const NullSinkState sink = ReadNullSink();
        const int wantVolume = std::max(FromPulseVolume(sink.left), FromPulseVolume(sink.right));
        EXPECT_TRUE(WaitFor([&] { return option.Volume() == wantVolume; }));
        EXPECT_NEAR(option.Volume(), c.volume, 1);
        EXPECT_EQ(option.Balance(), c.balance);
    }
    ASSERT_FALSE(Pactl({"set-sink-mute", "sorvi_null", "1"}).isNull());
    EXPECT_TRUE(WaitFor([&] { return option.Mute(); }));
}

TEST_F(PlayerVolumeTest, NoTakingBackWhileDraggingOrTerminating) {
    int announced = 0;
    QObject::connect(mixer.get(), &TAudioMixer::controlChanged, [&] { ++announced; });
    option.SetVolume(40000);
    option.SetBalance(60);
    ASSERT_FALSE(Pactl({"set-sink-volume", "sorvi_null", "50%", "25%"}).isNull());
    ASSERT_FALSE(Pactl({"set-sink-mute", "sorvi_null", "1"}).isNull());
    ASSERT_TRUE(WaitFor([&] { return announced > 0; }));

    option.SetVolumeDragging(true);
    TakeMixerChange(option, *mixer, false);
    option.SetVolumeDragging(false);
    TakeMixerChange(option, *mixer, true);
    EXPECT_EQ(option.Volume(), 40000);
    EXPECT_EQ(option.Balance(), 60);
    EXPECT_FALSE(option.Mute());

    TakeMixerChange(option, *mixer, false);
    EXPECT_EQ(option.Balance(), 25);
    EXPECT_TRUE(option.Mute());
}

TEST_F(PlayerVolumeTest, SoundUpAndDownStepAndLandOnTheEnds) {
    const struct {
        bool up;
        int from, to;
    } cases[] = {
        {true, 65535, 65535}, {true, 64512, 65535}, {true, 64511, 65535}, {true, 1000, 2024},
        {false, 0, 0},        {false, 1023, 0},     {false, 1024, 0},     {false, 40000, 38976},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.up ? "up from " : "down from ") << c.from);
        ASSERT_FALSE(Pactl({"set-sink-volume", "sorvi_null", "10%"}).isNull());
        const NullSinkState before = ReadNullSink();
        option.SetBalance(50);
        option.SetVolume(c.from);
        RunVolumeCommand(option, *mixer, c.up ? "#SoundUp" : "#SoundDown");
        EXPECT_EQ(option.Volume(), c.to);
        const NullSinkState sink = ReadNullSink();
        ASSERT_TRUE(sink.ok);
        // A step that does nothing does not push either.
        const pa_volume_t want = c.from == c.to ? before.left : ToPulseVolume(c.to);
        EXPECT_EQ(sink.left, want);
        EXPECT_EQ(sink.right, want);
    }
}

// Each step the player writes comes back from the server as a change of the
// sink; many steps up and down must leave the balance where the user put it.
TEST_F(PlayerVolumeTest, VolumeStepsLeaveTheBalanceAlone) {
    FollowTheMixer();
    for (int balance : {30, 70}) {
        SCOPED_TRACE(testing::Message() << "balance " << balance);
        option.SetVolume(40000);
        option.SetBalance(balance);
        ASSERT_TRUE(ApplyVolume(option, *mixer));
        for (const char* command : {"#SoundDown", "#SoundUp"}) {
            for (int step = 0; step < 12; ++step) {
                RunVolumeCommand(option, *mixer, command);
                // Let the server's report of the write arrive and be handled.
                WaitFor([] { return false; }, 60);
            }
        }
        EXPECT_EQ(option.Volume(), 40000);
        EXPECT_EQ(option.Balance(), balance);
        const StereoLevels want = ChannelsFromVolume(40000, balance);
        const NullSinkState sink = ReadNullSink();
        ASSERT_TRUE(sink.ok);
        EXPECT_EQ(sink.left, ToPulseVolume(want.left));
        EXPECT_EQ(sink.right, ToPulseVolume(want.right));
    }
}

TEST_F(PlayerVolumeTest, SilentTwiceRestoresTheMuteOfTheLine) {
    for (bool startMuted : {false, true}) {
        SCOPED_TRACE(startMuted ? "muted" : "not muted");
        ASSERT_FALSE(Pactl({"set-sink-mute", "sorvi_null", startMuted ? "1" : "0"}).isNull());
        TakeMixerChange(option, *mixer, false);
        ASSERT_EQ(option.Mute(), startMuted);
        RunVolumeCommand(option, *mixer, "#Silent");
        EXPECT_EQ(option.Mute(), !startMuted);
        EXPECT_EQ(ReadNullSink().mute, !startMuted);
        RunVolumeCommand(option, *mixer, "#Silent");
        EXPECT_EQ(option.Mute(), startMuted);
        EXPECT_EQ(ReadNullSink().mute, startMuted);
    }
}

} // namespace
