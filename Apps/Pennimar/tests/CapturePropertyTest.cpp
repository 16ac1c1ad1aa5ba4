// Random trails on the 4-pixel lattice, checked after every capture against references that do
// not use the sweep: the ring's shoelace area, a ray-cast raster of the ring, and the areas before.
#include <gtest/gtest.h>

#include "Apps/Pennimar/tests/FieldDriver.h"

namespace pennimar {
namespace {

using testing::FieldDriver;

TEST(CaptureProperty, RandomTrailsKeepTheFieldWhole) {
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        FieldDriver driver(seed);
        FenceField& field = driver.field;
        int64_t open = FenceField::kFieldArea, captured = 0;
        int captures = 0;
        for (int action = 0; action < 300 && captures < 25; ++action) {
            if (!driver.Act()) continue;
            ++captures;
            SCOPED_TRACE("seed " + std::to_string(seed) + ", capture " + std::to_string(captures));
            const FenceList& ring = field.Ring();
            ASSERT_TRUE(ring.IsClosed());
            ASSERT_TRUE(testing::RingIsSimple(ring));
            const int64_t kept = testing::RingArea(ring);
            ASSERT_EQ(field.Open().Area(), kept);
            int64_t taken = 0;
            for (const FieldRect& r : field.LastCapture().captured) taken += r.Area();
            ASSERT_EQ(taken + kept, open);
            ASSERT_LE(taken, kept);  // the smaller side goes
            captured += taken;
            open = kept;
            ASSERT_EQ(captured + open, FenceField::kFieldArea);
            for (const FieldRect& r : field.Open().Rectangles()) ASSERT_GT(r.Area(), 0);
            for (const FenceSegment& s : ring.Segments()) ASSERT_FALSE(s.IsEmpty());
            // Cell centres sit on odd coordinates; fences only on even ones.
            for (int y = 57; y < 416; y += 6)
                for (int x = 5; x < 496; x += 6)
                    ASSERT_EQ(field.IsInOpenField(x, y), testing::InsideRing(ring, x, y)) << x << "," << y;
            const FieldPoint p = field.Player();
            ASSERT_TRUE(ring[field.PlayerSegment()].Contains(p));
            ASSERT_EQ(field.CapturedPercent(), 100 - ((open * 100 - 17712000) / 177120 + 99));
        }
        EXPECT_GT(captures, 3) << "seed " << seed;
    }
}

TEST(CaptureProperty, AbandonedTrailsLeaveTheFieldAsItWas) {
    FieldDriver driver(99);
    FenceField& field = driver.field;
    for (int action = 0; action < 200; ++action) {
        driver.Act();
        const size_t ringCount = field.Ring().Count();
        const int64_t open = field.Open().Area();
        const FieldPoint before = field.Player();
        const auto direction = static_cast<Direction>(driver.Pick(4) + 1);
        if (field.StartTrail(direction, 4).kind != MoveKind::Moved) continue;
        const FieldPoint d = StepOf(direction, 4);
        field.MovePlayer(direction, d.x, d.y);
        if (!field.IsLaying()) continue;
        EXPECT_FALSE(field.AbandonTrail().empty());
        EXPECT_EQ(field.Player(), before);
        EXPECT_TRUE(field.AbandonTrail().empty());  // a second call paints nothing
        EXPECT_EQ(field.Ring().Count(), ringCount);
        EXPECT_EQ(field.Open().Area(), open);
    }
}

}  // namespace
}  // namespace pennimar
