#include "VolumeBalance.h"

#include <algorithm>

StereoLevels ChannelsFromVolume(int volume, int balance) {
    const int v = std::clamp(volume, 0, kMaxVolume);
    const int b = std::clamp(balance, 0, 100);
    if (b >= kCentreBalance)
        return {(100 - b) * v / kCentreBalance, v};
    return {v, b * v / kCentreBalance};
}

VolumeAndBalance VolumeBalanceFromChannels(int left, int right, int previousBalance) {
    const int l = std::max(left, 0);
    const int r = std::max(right, 0);
    VolumeAndBalance result{std::max(l, r), previousBalance};
    if (l > r)
        result.balance = r * kCentreBalance / l;
    else if (r > 0)
        result.balance = 100 - l * kCentreBalance / r;
    return result;
}
