#include "Apps/Tallimo/TruckMotion.h"

#include <gtest/gtest.h>

namespace tallimo {
namespace {

TEST(TallimoTruckMotion, TrucksDriveInAndOutAndTheBeltSlidesIn) {
    EXPECT_EQ(ArrivingTruckX(0, 66), 500);
    EXPECT_EQ(ArrivingTruckX(1000, 66), 250);
    EXPECT_EQ(ArrivingTruckX(1900, 66), 66);
    EXPECT_EQ(ArrivingTruckX(1000000, 0), 0);
    EXPECT_EQ(ArrivingBeltX(0), -198);
    EXPECT_EQ(ArrivingBeltX(1000), -99);
    EXPECT_EQ(ArrivingBeltX(5000), 0);
    EXPECT_EQ(LeavingTruckX(800, 98), 298);
    EXPECT_FALSE(TruckGone(1608, 98));
    EXPECT_TRUE(TruckGone(1612, 98));
}

}  // namespace
}  // namespace tallimo
