#include "Apps/Aurelsk/PlayerSub.h"

#include <gtest/gtest.h>

namespace aurelsk {
namespace {

TEST(PlayerSub, OxygenLasts720TicksAndAlarmsAtEveryTenFrom40) {
    PlayerSub sub;
    int ticks = 0, alarms = 0;
    bool warnedAt40 = false;
    while (sub.Oxygen() > 0 && ticks < 10000) {
        alarms += sub.Breathe() ? 1 : 0;
        ++ticks;
        if (sub.Oxygen() == 41) {
            EXPECT_FALSE(sub.ShowsWarning());
        }
        if (sub.Oxygen() == 40) warnedAt40 = sub.ShowsWarning();
    }
    EXPECT_EQ(ticks, 720);
    EXPECT_EQ(alarms, 5) << "40, 30, 20, 10 and 0";
    EXPECT_TRUE(warnedAt40);
}

TEST(PlayerSub, RefillAddsThreeUpToFullAndDropsTheWarningAbove40) {
    PlayerSub sub;
    while (sub.Oxygen() > 38) sub.Breathe();
    EXPECT_TRUE(sub.ShowsWarning());
    EXPECT_TRUE(sub.Refill());
    EXPECT_EQ(sub.Oxygen(), 41);
    EXPECT_FALSE(sub.ShowsWarning());
    int refills = 1;
    while (sub.Refill()) ++refills;
    EXPECT_EQ(sub.Oxygen(), 180);
    EXPECT_EQ(refills, 47) << "41 + 46 x 3 = 179, then one more fills";
}

TEST(PlayerSub, HoldTakesFiveAndUnloadsAll) {
    PlayerSub sub;
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(sub.TakeTreasure());
    EXPECT_FALSE(sub.TakeTreasure());
    EXPECT_EQ(sub.UnloadHold(), 5);
    EXPECT_EQ(sub.Hold(), 0);
}

TEST(PlayerSub, SteersByElapsedTimeWithinTheSea) {
    PlayerSub sub;
    sub.Steer(kKeyDown | kKeyRight | kKeyLeft, 0);
    sub.Steer(kKeyDown | kKeyRight | kKeyLeft, 66);
    EXPECT_FLOAT_EQ(sub.Sprite().X(), 210) << "opposite keys cancel";
    EXPECT_FLOAT_EQ(sub.Sprite().Y(), 85 + 11.2f);
    sub.Steer(kKeyLeft | kKeyUp, 10066);
    EXPECT_FLOAT_EQ(sub.Sprite().X(), 0);
    EXPECT_FLOAT_EQ(sub.Sprite().Y(), 85);
    EXPECT_FALSE(sub.Sprite().FacingRight());
    EXPECT_TRUE(sub.IsSurfaced());
    sub.Steer(kKeyRight | kKeyDown, 20066);
    EXPECT_FLOAT_EQ(sub.Sprite().X(), 500 - kPlayerSize.width);
    EXPECT_FLOAT_EQ(sub.Sprite().Y(), 420 - kPlayerSize.height);
}

}  // namespace
}  // namespace aurelsk
