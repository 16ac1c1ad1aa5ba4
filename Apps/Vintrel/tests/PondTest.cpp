#include "Apps/Vintrel/Pond.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vintrel {
namespace {

TEST(VintrelPond, BoxesSitOnThePicturesSoOverlappingPicturesCollide) {
    struct Case {
        float px, py;  // an 11-pixel player's top-left
        float bx, by;  // a 47-pixel blob's top-left
        bool hit;
    };
    const Case cases[] = {
        {100, 100, 60, 60, true},     // pictures overlap by 7 pixels at the corner
        {100, 100, 54, 100, true},    // the blob's right edge meets the player's left
        {100, 100, 53, 100, false},   // one pixel apart
        {100, 100, 107, 107, true},   // the inset still lets the blob touch at its top-left
        {100, 100, 108, 100, false},  // inside the blob's 3-pixel inset
    };
    for (const Case& c : cases) {
        const BlobBox player = CentredBox(c.px, c.py, 11, 11, 0);
        const BlobBox blob = CentredBox(c.bx, c.by, 47, 47, 3);
        EXPECT_EQ(player.Touches(blob), c.hit) << c.bx << "," << c.by;
        EXPECT_EQ(blob.Touches(player), c.hit) << c.bx << "," << c.by;
    }
}

TEST(VintrelPond, AMoveOutOfThePondEndsOnTheEdgeAlongTheSameRay) {
    float x = 240;
    float y = 204;
    EXPECT_FALSE(MoveWithinPond(x, y, 11, 11, 10, 0));
    EXPECT_FLOAT_EQ(x, 250);
    EXPECT_TRUE(MoveWithinPond(x, y, 11, 11, 0, -1000));
    const float cx = x + 5 - 245;
    const float cy = y + 5 - 209;
    EXPECT_NEAR(std::hypot(cx, cy), 200.0f, 0.01f);
    // Along the ray from the pond's centre through the wanted centre (10, -995).
    EXPECT_NEAR(cx / cy, 10.0f / -995.0f, 1e-4f);
}

}  // namespace
}  // namespace vintrel
