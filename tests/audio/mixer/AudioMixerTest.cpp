#include "PulseLevels.h"
#include "PulseTestTools.h"
#include "TAudioMixer.h"
#include "TempHome.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QThread>

namespace {

class AudioMixerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Pactl({"set-sink-volume", "sorvi_null", "100%"}).isNull());
        ASSERT_FALSE(Pactl({"set-sink-mute", "sorvi_null", "0"}).isNull());
    }
};

TEST_F(AudioMixerTest, OpensTheServerWithTheDefaultSinkAsDestinationZero) {
    TAudioMixer mixer;
    EXPECT_EQ(mixer.MixerId(), 0);
    EXPECT_FALSE(mixer.ProductName().isEmpty());
    ASSERT_EQ(mixer.Destinations().size(), 1u);
    const TMixerDestination& sink = mixer.Destinations()[0];
    EXPECT_EQ(sink.name, "sorvi_null");
    EXPECT_EQ(sink.channels, 2);
    ASSERT_EQ(sink.connections.size(), 1u);
    ASSERT_EQ(sink.connections[0].controls.size(), 2u);
    EXPECT_EQ(sink.connections[0].controls[0].kind, TMixerControl::Kind::Volume);
    EXPECT_EQ(sink.connections[0].controls[1].kind, TMixerControl::Kind::Mute);

    int left, right, mute;
    bool stereo, volumeDisabled, muteDisabled, muteIsSelect;
    ASSERT_TRUE(mixer.GetVolume(0, 0, left, right, mute, stereo, volumeDisabled, muteDisabled, muteIsSelect));
    EXPECT_EQ(left, 65535);
    EXPECT_EQ(right, 65535);
    EXPECT_EQ(mute, 0);
    EXPECT_TRUE(stereo);
    EXPECT_FALSE(volumeDisabled);
    EXPECT_FALSE(muteDisabled);
    EXPECT_FALSE(muteIsSelect);
}

TEST_F(AudioMixerTest, LinesThatDoNotExistFailAndReportNothing) {
    TAudioMixer mixer;
    const struct { int destination, connection; } missing[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -2}};
    for (const auto& line : missing) {
        int left = 7, right = 7, mute = 7;
        bool stereo = true, volumeDisabled = false, muteDisabled = false, muteIsSelect = true;
        EXPECT_FALSE(mixer.GetVolume(line.destination, line.connection, left, right, mute, stereo,
                                     volumeDisabled, muteDisabled, muteIsSelect));
        EXPECT_EQ(left, -1);
        EXPECT_EQ(right, -1);
        EXPECT_EQ(mute, -1);
        EXPECT_TRUE(volumeDisabled);
        EXPECT_TRUE(muteDisabled);
        EXPECT_FALSE(mixer.SetVolume(line.destination, line.connection, 1000, 1000, 1));
    }
    const NullSinkState sink = ReadNullSink();
    ASSERT_TRUE(sink.ok);
    EXPECT_EQ(sink.left, PA_VOLUME_NORM);
    EXPECT_FALSE(sink.mute);
}

// Each step starts from the sink left by the step before, so the "-1 leaves it"
// rules are checked against values that differ from the defaults.
TEST_F(AudioMixerTest, SetVolumeWritesTheSinkAndMinusOneLeavesParts) {
    struct Step {
        int connection, left, right, mute;
        int wantLeft, wantRight;
        bool wantMute;
    };
    const Step steps[] = {
        {0, 40000, 20000, 1, 40000, 20000, true},
        {0, -1, 5000, 0, 40000, 20000, false},   // left -1: the levels stay
        {0, 30000, -1, -1, 30000, 30000, false}, // right -1: right := left; mute stays
        {0, -1, -1, 1, 30000, 30000, true},
        {-1, 0, 65535, -1, 0, 65535, true},        // the destination line itself
        {0, 70000, 65535, 0, 65535, 65535, false}, // clamped to 100 %
    };
    TAudioMixer mixer;
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "set " << s.left << "/" << s.right << " mute " << s.mute);
        ASSERT_TRUE(mixer.SetVolume(0, s.connection, s.left, s.right, s.mute));
        const NullSinkState sink = ReadNullSink();
        ASSERT_TRUE(sink.ok);
        EXPECT_EQ(sink.left, ToPulseVolume(s.wantLeft));
        EXPECT_EQ(sink.right, ToPulseVolume(s.wantRight));
        EXPECT_EQ(sink.mute, s.wantMute);

        int left, right, mute;
        bool stereo, volumeDisabled, muteDisabled, muteIsSelect;
        ASSERT_TRUE(
            mixer.GetVolume(0, 0, left, right, mute, stereo, volumeDisabled, muteDisabled, muteIsSelect));
        EXPECT_EQ(left, s.wantLeft);
        EXPECT_EQ(right, s.wantRight);
        EXPECT_EQ(mute, s.wantMute ? 1 : 0);
    }
}

TEST_F(AudioMixerTest, OutsideChangesAreAnnouncedOnTheMainThread) {
    TAudioMixer mixer;
    int announced = 0;
    bool offMainThread = false;
    QObject::connect(&mixer, &TAudioMixer::controlChanged, [&] {
        ++announced;
        offMainThread |= QThread::currentThread() != QCoreApplication::instance()->thread();
    });
    ASSERT_FALSE(Pactl({"set-sink-volume", "sorvi_null", "50%", "25%"}).isNull());
    EXPECT_TRUE(WaitFor([&] { return announced > 0; }));
    const int afterVolume = announced;
    ASSERT_FALSE(Pactl({"set-sink-mute", "sorvi_null", "1"}).isNull());
    EXPECT_TRUE(WaitFor([&] { return announced > afterVolume; }));
    EXPECT_FALSE(offMainThread);
}

// The server reports the player's own writes too; those are not outside
// changes and are not announced. A change from outside right after still is.
TEST_F(AudioMixerTest, OwnWritesAreNotAnnouncedAsOutsideChanges) {
    TAudioMixer mixer;
    int announced = 0;
    QObject::connect(&mixer, &TAudioMixer::controlChanged, [&] { ++announced; });
    const int writes[][3] = {{30000, 20000, -1}, {30000, 20000, 1}, {45000, 45000, 0}, {-1, -1, 1}};
    for (const auto& w : writes) {
        ASSERT_TRUE(mixer.SetVolume(0, 0, w[0], w[1], w[2]));
        WaitFor([] { return false; }, 150);
    }
    EXPECT_EQ(announced, 0);
    ASSERT_FALSE(Pactl({"set-sink-mute", "sorvi_null", "0"}).isNull());
    EXPECT_TRUE(WaitFor([&] { return announced > 0; }));
}

// A new default sink becomes destination 0 and is announced.
TEST_F(AudioMixerTest, FollowsTheDefaultSink) {
    TAudioMixer mixer;
    int announced = 0;
    QObject::connect(&mixer, &TAudioMixer::controlChanged, [&] { ++announced; });
    const QString module =
        Pactl({"load-module", "module-null-sink", "sink_name=sorvi_mono", "channels=1", "channel_map=mono"})
            .trimmed();
    ASSERT_FALSE(module.isEmpty());
    ASSERT_FALSE(Pactl({"set-default-sink", "sorvi_mono"}).isNull());
    EXPECT_TRUE(WaitFor(
        [&] { return !mixer.Destinations().empty() && mixer.Destinations()[0].name == "sorvi_mono"; }));
    EXPECT_GT(announced, 0);
    if (!mixer.Destinations().empty()) {
        EXPECT_EQ(mixer.Destinations()[0].channels, 1);
    }

    // Mono: one level, at the louder side, reads back without a balance.
    EXPECT_TRUE(mixer.SetVolume(0, 0, 10000, 30000, 0));
    int left, right, mute;
    bool stereo, volumeDisabled, muteDisabled, muteIsSelect;
    EXPECT_TRUE(mixer.GetVolume(0, 0, left, right, mute, stereo, volumeDisabled, muteDisabled, muteIsSelect));
    EXPECT_FALSE(stereo);
    EXPECT_EQ(left, 30000);
    EXPECT_EQ(right, 30000);

    Pactl({"set-default-sink", "sorvi_null"});
    Pactl({"unload-module", module});
    EXPECT_TRUE(WaitFor(
        [&] { return !mixer.Destinations().empty() && mixer.Destinations()[0].name == "sorvi_null"; }));
}

} // namespace
