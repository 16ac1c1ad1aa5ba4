#include "Apps/Vintrel/PlayerBlob.h"

#include <gtest/gtest.h>

#include <cmath>

#include "Apps/Vintrel/GrowthTable.h"

namespace vintrel {
namespace {

TEST(VintrelGrowth, ThresholdsAndPictureSizes) {
    const int thresholds[] = {5, 19, 49, 101, 191, 329, 539, 819, 1179, 1629};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(GrowthThreshold(i), thresholds[i]) << i;
    }
    EXPECT_EQ(SpritePixels(1), 11);
    EXPECT_EQ(SpritePixels(10), 47);
}

TEST(VintrelPlayerBlob, FiveSmallMealsGrowToSizeTwoAndTheLargestSizeRaisesTheBarByHalf) {
    CPlayerBlob blob;
    for (int meal = 1; meal <= 4; ++meal) {
        EXPECT_FALSE(blob.Eat(1)) << meal;
    }
    EXPECT_TRUE(blob.Eat(1));
    EXPECT_TRUE(blob.Grow());
    EXPECT_EQ(blob.Size(), 2);
    EXPECT_EQ(blob.Threshold(), 19);

    while (blob.Size() < 9) {
        blob.Grow();
    }
    EXPECT_EQ(blob.Threshold(), 1179);
    EXPECT_FALSE(blob.Grow());
    EXPECT_EQ(blob.Size(), 9);
    EXPECT_EQ(blob.Threshold(), 1768);
}

TEST(VintrelPlayerBlob, PushesCapStraightAndDiagonallyAndBrakingIsTwiceAsStrong) {
    CPlayerBlob blob;
    for (int i = 0; i < 20; ++i) {
        blob.Accelerate(Arrow::Right, true);
        blob.Accelerate(Arrow::Up, true);
    }
    EXPECT_FLOAT_EQ(blob.Vx(), 0.707f);
    EXPECT_FLOAT_EQ(blob.Vy(), -0.707f);
    EXPECT_FALSE(blob.FacingLeft());

    CPlayerBlob straight;
    straight.Accelerate(Arrow::Right, false);
    EXPECT_FLOAT_EQ(straight.Vx(), 0.1f);
    straight.Accelerate(Arrow::Left, false);
    EXPECT_FLOAT_EQ(straight.Vx(), -0.1f);
    EXPECT_TRUE(straight.FacingLeft());
    for (int i = 0; i < 20; ++i) {
        straight.Accelerate(Arrow::Left, false);
    }
    EXPECT_FLOAT_EQ(straight.Vx(), -1.0f);
}

TEST(VintrelPlayerBlob, NothingSlowsItButThePondEdgeStopsIt) {
    CPlayerBlob blob;
    blob.Accelerate(Arrow::Right, false);
    blob.Move(100);
    EXPECT_FLOAT_EQ(blob.X(), 243.0f + 1.0f);
    blob.Move(200);
    EXPECT_FLOAT_EQ(blob.X(), 243.0f + 2.0f);
    blob.Move(100000);
    EXPECT_EQ(blob.Vx(), 0.0f);
    EXPECT_NEAR(std::hypot(blob.CentreX() - 245.0f, blob.CentreY() - 209.0f), 200.0f, 0.01f);
    blob.Move(200000);
    EXPECT_NEAR(std::hypot(blob.CentreX() - 245.0f, blob.CentreY() - 209.0f), 200.0f, 0.01f);
}

}  // namespace
}  // namespace vintrel
