#include "Apps/Slorrow/GroundBuffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Apps/Slorrow/Footing.h"

namespace slorrow {
namespace {

long SolidCount(const GroundBuffer& ground) {
    return std::ranges::count_if(ground.Pixels(), [](uint32_t p) { return p != kSky; });
}

TEST(SlorrowGround, StartsAsSkyAndClipsEveryAccess) {
    GroundBuffer ground;
    EXPECT_EQ(SolidCount(ground), 0);
    for (const auto& [x, y] : {std::pair{-1, 0}, {0, -1}, {500, 0}, {0, 420}, {-100000, 100000}}) {
        ground.Set(x, y, 0x123456);
        EXPECT_EQ(ground.At(x, y), kSky) << x << "," << y;
    }
    EXPECT_EQ(SolidCount(ground), 0);
    EXPECT_EQ(ground.SkyCount(-10, 0, 20), 20);
}

TEST(SlorrowGround, DiscsAtEdgesAndCornersPaintOnlyTheFieldsShare) {
    struct Case {
        int x, y;
        long expected;
    } const cases[] = {
        {250, 200, 1257},  // a whole disc of radius 20: the lattice points with x^2 + y^2 <= 400
        {0, 200, 649},     // its right half with the centre column
        {0, 0, 335},       // one quarter with both axes
        {499, 419, 335},
        {-21, 200, 0},
        {250, 439, 1},     // just touching the bottom row
    };
    for (const Case& c : cases) {
        GroundBuffer ground;
        ground.PaintDisc(c.x, c.y, 20, 0xFFFFFF);
        EXPECT_EQ(SolidCount(ground), c.expected) << c.x << "," << c.y;
    }
}

TEST(SlorrowGround, StampSkipsTheKeyAndClips) {
    const std::vector<uint32_t> picture = {1, kSky, 3, 4};
    GroundBuffer ground;
    ground.Stamp(picture, 2, 2, 499, 419);
    EXPECT_EQ(ground.At(499, 419), 1u);
    EXPECT_EQ(SolidCount(ground), 1);
    ground.Stamp(picture, 2, 2, 10, 10);
    EXPECT_EQ(ground.At(11, 10), kSky);
    EXPECT_EQ(ground.At(11, 11), 4u);
    ground.Stamp(picture, 3, 3, 20, 20);  // too few pixels for the size
    EXPECT_EQ(SolidCount(ground), 4);
}

TEST(SlorrowFooting, DropSearchesTowardTheMiddleWithinTheField) {
    GroundBuffer sky;
    EXPECT_EQ(DropX(sky, Side::Left, 39), 30);
    EXPECT_EQ(DropX(sky, Side::Right, 20), 435);

    GroundBuffer ledge;  // a 41-pixel ledge in the middle
    for (int x = 200; x <= 240; ++x) ledge.Set(x, 300, 1);
    EXPECT_EQ(DropX(ledge, Side::Left, 39), 201);
    EXPECT_EQ(DropX(ledge, Side::Right, 20), 219);
}

TEST(SlorrowFooting, RestsOnTheFirstRowUnderTheFeetEvenHalfOutsideTheField) {
    GroundBuffer ground;
    for (int x = 0; x < kFieldWidth; ++x) ground.Set(x, 300, 1);
    EXPECT_EQ(RestingY(ground, 100, 300 - 55 + 5, 20, 55, 15), 300 + 8 - 55);
    EXPECT_EQ(RestingY(ground, 100, 100, 20, 55, 15), std::nullopt);
    // Feet of 15 with 10 of them outside the field: too much sky to stand.
    EXPECT_EQ(RestingY(ground, -12, 250, 20, 55, 15), std::nullopt);
    EXPECT_EQ(RestingY(ground, 490, 250, 20, 55, 15), std::nullopt);
    EXPECT_EQ(RestingY(ground, 100, 400, 20, 55, 15), std::nullopt);  // window below the field
}

}  // namespace
}  // namespace slorrow
