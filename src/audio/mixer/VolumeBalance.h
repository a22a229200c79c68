#pragma once

// Conversions between the player's volume and balance and the two channel
// levels of the mixer line. Volume and levels run from 0 to 65535; balance runs
// from 0 (fully left) to 100 (fully right) with 50 the centre.

inline constexpr int kMaxVolume = 65535;
inline constexpr int kCentreBalance = 50;

struct StereoLevels {
    int left = 0;
    int right = 0;
};

// The louder side gets the whole volume; the other side is scaled down by the
// distance of the balance from the centre, rounded to the nearest level, so
// that a level taken back gives the same balance again. Out-of-range
// inputs are clamped first so that no level ever becomes negative.
StereoLevels ChannelsFromVolume(int volume, int balance);

struct VolumeAndBalance {
    int volume = 0;
    int balance = kCentreBalance;
};

// The inverse: the volume is the louder side; the balance follows from the
// ratio of the quieter side to the louder one. When both sides are silent the
// balance cannot be told, so previousBalance is kept.
VolumeAndBalance VolumeBalanceFromChannels(int left, int right, int previousBalance);
