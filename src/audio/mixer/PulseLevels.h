#pragma once

#include <pulse/channelmap.h>
#include <pulse/volume.h>

// The player's level scale (0 to 65535, 65535 = 100 %) against PulseAudio's
// volumes (PA_VOLUME_NORM = 100 %), and the stereo view of a sink whose
// channels may be mono, stereo or surround.

// Rounds to the nearest step; every player level survives the trip there and
// back unchanged.
pa_volume_t ToPulseVolume(int level);
// Levels above 100 % (PulseAudio allows them) read as the player's maximum.
int FromPulseVolume(pa_volume_t volume);

struct StereoReading {
    int left = 0;
    int right = 0;
    bool stereo = false; // the sink has channels on both sides
};

// Left is the loudest left-side channel, right the loudest right-side one. A
// sink with no channel on one side (mono) reports the other side's level (or
// the loudest channel overall) for it.
StereoReading ReadStereo(const pa_channel_map& map, const pa_cvolume& volume);

// Left-side channels get left, right-side channels get right, channels in the
// middle (mono, centre, LFE, auxiliary) get the louder of the two so that the
// balance never lowers them.
pa_cvolume SpreadStereo(const pa_channel_map& map, int left, int right);
