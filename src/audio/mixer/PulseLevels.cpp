#include "PulseLevels.h"

#include "VolumeBalance.h"

#include <algorithm>
#include <cstdint>

namespace {

enum class Side { Left, Right, Middle };

Side SideOf(pa_channel_position_t position) {
    switch (position) {
    case PA_CHANNEL_POSITION_FRONT_LEFT:
    case PA_CHANNEL_POSITION_REAR_LEFT:
    case PA_CHANNEL_POSITION_FRONT_LEFT_OF_CENTER:
    case PA_CHANNEL_POSITION_SIDE_LEFT:
    case PA_CHANNEL_POSITION_TOP_FRONT_LEFT:
    case PA_CHANNEL_POSITION_TOP_REAR_LEFT:
        return Side::Left;
    case PA_CHANNEL_POSITION_FRONT_RIGHT:
    case PA_CHANNEL_POSITION_REAR_RIGHT:
    case PA_CHANNEL_POSITION_FRONT_RIGHT_OF_CENTER:
    case PA_CHANNEL_POSITION_SIDE_RIGHT:
    case PA_CHANNEL_POSITION_TOP_FRONT_RIGHT:
    case PA_CHANNEL_POSITION_TOP_REAR_RIGHT:
        return Side::Right;
    default:
        return Side::Middle;
    }
}

} // namespace

pa_volume_t ToPulseVolume(int level) {
    const std::uint64_t v = static_cast<std::uint64_t>(std::clamp(level, 0, kMaxVolume));
    return static_cast<pa_volume_t>((v * PA_VOLUME_NORM + kMaxVolume / 2) / kMaxVolume);
}

int FromPulseVolume(pa_volume_t volume) {
    const std::uint64_t v = std::min<std::uint64_t>(volume, PA_VOLUME_NORM);
    return static_cast<int>((v * kMaxVolume + PA_VOLUME_NORM / 2) / PA_VOLUME_NORM);
}

StereoReading ReadStereo(const pa_channel_map& map, const pa_cvolume& volume) {
    int left = -1, right = -1, loudest = 0;
    const int channels = std::min<int>(map.channels, volume.channels);
    for (int i = 0; i < channels; ++i) {
        const int level = FromPulseVolume(volume.values[i]);
        loudest = std::max(loudest, level);
        switch (SideOf(map.map[i])) {
        case Side::Left:
            left = std::max(left, level);
            break;
        case Side::Right:
            right = std::max(right, level);
            break;
        case Side::Middle:
            break;
        }
    }
    StereoReading reading;
    reading.stereo = left >= 0 && right >= 0;
    reading.left = left >= 0 ? left : (right >= 0 ? right : loudest);
    reading.right = right >= 0 ? right : reading.left;
    return reading;
}

pa_cvolume SpreadStereo(const pa_channel_map& map, int left, int right) {
    pa_cvolume volume;
    pa_cvolume_init(&volume);
    volume.channels = map.channels;
    const pa_volume_t l = ToPulseVolume(left);
    const pa_volume_t r = ToPulseVolume(right);
    for (int i = 0; i < map.channels; ++i) {
        switch (SideOf(map.map[i])) {
        case Side::Left:
            volume.values[i] = l;
            break;
        case Side::Right:
            volume.values[i] = r;
            break;
        case Side::Middle:
            volume.values[i] = std::max(l, r);
            break;
        }
    }
    return volume;
}
