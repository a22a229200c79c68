#include "PulseLevels.h"

#include <gtest/gtest.h>

namespace {

TEST(PulseLevels, PlayerScaleMapsOntoPulseScale) {
    EXPECT_EQ(ToPulseVolume(0), PA_VOLUME_MUTED);
    EXPECT_EQ(ToPulseVolume(65535), PA_VOLUME_NORM);
    EXPECT_EQ(ToPulseVolume(70000), PA_VOLUME_NORM);
    EXPECT_EQ(ToPulseVolume(-5), PA_VOLUME_MUTED);
    EXPECT_EQ(FromPulseVolume(PA_VOLUME_NORM), 65535);
    EXPECT_EQ(FromPulseVolume(PA_VOLUME_NORM * 3 / 2), 65535); // above 100 %
    EXPECT_EQ(FromPulseVolume(PA_VOLUME_NORM / 2), 32768);
}

TEST(PulseLevels, EveryPlayerLevelSurvivesTheRoundTrip) {
    for (int level = 0; level <= 65535; ++level)
        ASSERT_EQ(FromPulseVolume(ToPulseVolume(level)), level) << level;
}

pa_channel_map Map(std::initializer_list<pa_channel_position_t> positions) {
    pa_channel_map map;
    pa_channel_map_init(&map);
    for (pa_channel_position_t p : positions)
        map.map[map.channels++] = p;
    return map;
}

TEST(PulseLevels, SpreadsAndReadsStereoOverChannelLayouts) {
    struct Case {
        const char* name;
        pa_channel_map map;
        std::vector<pa_volume_t> spread; // channel volumes for left 20000, right 40000
        bool stereo;
        int readLeft, readRight;
    };
    const pa_volume_t l = ToPulseVolume(20000), r = ToPulseVolume(40000);
    const Case cases[] = {
        {"stereo",
         Map({PA_CHANNEL_POSITION_FRONT_LEFT, PA_CHANNEL_POSITION_FRONT_RIGHT}),
         {l, r},
         true,
         20000,
         40000},
        // A mono sink plays at the louder side's level; its reading has no balance.
        {"mono", Map({PA_CHANNEL_POSITION_MONO}), {r}, false, 40000, 40000},
        {"5.1",
         Map({PA_CHANNEL_POSITION_FRONT_LEFT, PA_CHANNEL_POSITION_FRONT_RIGHT,
              PA_CHANNEL_POSITION_FRONT_CENTER, PA_CHANNEL_POSITION_LFE, PA_CHANNEL_POSITION_REAR_LEFT,
              PA_CHANNEL_POSITION_REAR_RIGHT}),
         {l, r, r, r, l, r},
         true,
         20000,
         40000},
    };
    for (const Case& c : cases) {
        const pa_cvolume volume = SpreadStereo(c.map, 20000, 40000);
        ASSERT_EQ(volume.channels, c.map.channels) << c.name;
        EXPECT_EQ(std::vector<pa_volume_t>(volume.values, volume.values + volume.channels), c.spread)
            << c.name;
        const StereoReading reading = ReadStereo(c.map, volume);
        EXPECT_EQ(reading.stereo, c.stereo) << c.name;
        EXPECT_EQ(reading.left, c.readLeft) << c.name;
        EXPECT_EQ(reading.right, c.readRight) << c.name;
    }
}

} // namespace
