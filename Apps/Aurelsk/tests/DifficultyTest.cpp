#include "Apps/Aurelsk/Difficulty.h"

#include <gtest/gtest.h>

#include <array>

namespace aurelsk {
namespace {

TEST(Difficulty, ThresholdsStepWithTheScore) {
    Difficulty d;
    EXPECT_FALSE(d.Follow(1499));
    EXPECT_FLOAT_EQ(d.FireFactor(), 0.4f);
    EXPECT_EQ(d.FireOdds(), 375);
    d.Follow(1500);
    EXPECT_FLOAT_EQ(d.FireFactor(), 0.41f);
    d.Follow(2000);
    EXPECT_FLOAT_EQ(d.SpeedBonus(), 0.1125f);
    EXPECT_TRUE(d.Follow(15000));
    EXPECT_FALSE(d.Follow(15000)) << "one extra life per threshold";
    EXPECT_TRUE(d.Follow(30000));
    EXPECT_EQ(d.MaxEnemies(), 7) << "10000 and 20000 passed, one step per call";
    d.Follow(39999);
    EXPECT_EQ(d.Tier(), 1);
    d.Follow(40000);
    EXPECT_EQ(d.Tier(), 2);
    d.Follow(90000);
    EXPECT_EQ(d.Tier(), 3);
}

TEST(Difficulty, SpeedBonusStopsOncePast8Point25) {
    Difficulty d;
    for (int score = 0; score < 2'000'000; score += 500) d.Follow(score);
    EXPECT_GT(d.SpeedBonus(), 8.25f);
    EXPECT_LT(d.SpeedBonus(), 8.25f + 0.1125f + 0.001f);
}

TEST(Difficulty, FireOddsStayAtLeastOneAtAnyScore) {
    Difficulty d;
    // 150 / factor reaches 0 near 22 million points.
    for (int score = 0; score < 40'000'000; score += 1500) d.Follow(score);
    EXPECT_GT(d.FireFactor(), 150.0f);
    EXPECT_EQ(d.FireOdds(), 1);
}

TEST(Difficulty, GroupSizesFollowEachTiersOdds) {
    const std::array<std::array<int, 5>, 3> expected{{{40, 30, 15, 10, 5}, {20, 15, 35, 20, 10}, {5, 10, 30, 35, 20}}};
    const std::array<int, 3> scores{0, 40000, 90000};
    for (size_t tier = 0; tier < 3; ++tier) {
        Difficulty d;
        d.Follow(scores[tier]);
        std::array<int, 5> counts{};
        for (int draw = 0; draw < 100; ++draw) ++counts[static_cast<size_t>(d.GroupSize(draw) - 1)];
        EXPECT_EQ(counts, expected[tier]) << "tier " << tier + 1;
    }
}

}  // namespace
}  // namespace aurelsk
