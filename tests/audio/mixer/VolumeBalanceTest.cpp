#include "VolumeBalance.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    int volume, balance;
    int left, right;
};

TEST(VolumeBalance, SplitsVolumeByBalance) {
    const SplitCase cases[] = {
        {40000, 50, 40000, 40000}, // centre: both sides full
        {40000, 75, 20000, 40000}, // right of centre: left scaled down
        {40000, 0, 40000, 0},      // fully left
        {40000, 100, 0, 40000},    // fully right
        {40000, 25, 40000, 20000},
        {65535, 51, 64224, 65535}, // 64224.3: rounded to the nearest level
        {38976, 30, 38976, 23386}, // 23385.6: rounded up, not cut
        {0, 80, 0, 0},
        // Out of range: clamped, never negative.
        {70000, 50, 65535, 65535},
        {-10, 50, 0, 0},
        {40000, 150, 0, 40000},
        {40000, -5, 40000, 0},
    };
    for (const SplitCase& c : cases) {
        const StereoLevels levels = ChannelsFromVolume(c.volume, c.balance);
        EXPECT_EQ(levels.left, c.left) << "volume " << c.volume << " balance " << c.balance;
        EXPECT_EQ(levels.right, c.right) << "volume " << c.volume << " balance " << c.balance;
    }
}

struct TakeCase {
    int left, right, previousBalance;
    int volume, balance;
};

TEST(VolumeBalance, TakesVolumeAndBalanceFromChannels) {
    const TakeCase cases[] = {
        {30000, 15000, 50, 30000, 25},
        {0, 20000, 50, 20000, 100},
        {0, 0, 37, 0, 37}, // silence says nothing about the balance
        {20000, 40000, 50, 40000, 75},
        {40000, 0, 50, 40000, 0},
        {12345, 12345, 10, 12345, 50},
        {65535, 65534, 50, 65535, 50}, // a hair to the left is still the centre
        {38976, 23385, 50, 38976, 30}, // 29.9987: rounded to the nearest step
        {-1, -1, 60, 0, 60},           // unreadable levels count as silence
    };
    for (const TakeCase& c : cases) {
        const VolumeAndBalance taken = VolumeBalanceFromChannels(c.left, c.right, c.previousBalance);
        EXPECT_EQ(taken.volume, c.volume) << "left " << c.left << " right " << c.right;
        EXPECT_EQ(taken.balance, c.balance) << "left " << c.left << " right " << c.right;
    }
}

// A change the player makes comes back through the mixer; taking it back must
// give the same volume and balance, or every volume step would move the
// balance a little further to one side.
TEST(VolumeBalance, RoundTripKeepsVolumeAndBalance) {
    for (int volume : {100, 1024, 40000, 65535}) {
        for (int balance = 0; balance <= 100; ++balance) {
            const StereoLevels levels = ChannelsFromVolume(volume, balance);
            const VolumeAndBalance taken = VolumeBalanceFromChannels(levels.left, levels.right, 50);
            EXPECT_EQ(taken.volume, volume);
            EXPECT_EQ(taken.balance, balance) << "volume " << volume << " balance " << balance;
        }
    }
}

} // namespace
