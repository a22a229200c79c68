#include "VolumeBalance.h"

#include <algorithm>

namespace {

// numerator / denominator rounded to the nearest integer (both not negative,
// denominator above 0).
int RoundedDivision(long long numerator, long long denominator) {
    return static_cast<int>((numerator + denominator / 2) / denominator);
}

} // namespace

StereoLevels ChannelsFromVolume(int volume, int balance) {
    const int v = std::clamp(volume, 0, kMaxVolume);
    const int b = std::clamp(balance, 0, 100);
    if (b >= kCentreBalance)
        return {RoundedDivision(static_cast<long long>(100 - b) * v, kCentreBalance), v};
    return {v, RoundedDivision(static_cast<long long>(b) * v, kCentreBalance)};
}

VolumeAndBalance VolumeBalanceFromChannels(int left, int right, int previousBalance) {
    const int l = std::max(left, 0);
    const int r = std::max(right, 0);
    VolumeAndBalance result{std::max(l, r), previousBalance};
    if (l > r)
        result.balance = RoundedDivision(static_cast<long long>(r) * kCentreBalance, l);
    else if (r > 0)
        result.balance = 100 - RoundedDivision(static_cast<long long>(l) * kCentreBalance, r);
    return result;
}
