#include <gtest/gtest.h>

#include <vector>

#include "Apps/Pennimar/CaptureArea.h"
#include "Apps/Pennimar/FenceField.h"

namespace pennimar {
namespace {

// A closed polygon through the points, head to tail.
std::vector<FenceSegment> Polygon(std::vector<FieldPoint> points) {
    std::vector<FenceSegment> out;
    for (size_t i = 0; i < points.size(); ++i)
        out.push_back(FenceSegment::Make(points[i], points[(i + 1) % points.size()], 0));
    return out;
}

// Steps in one direction; false when any of them was not a plain move.
bool Lay(FenceField& field, Direction d, int steps) {
    for (int i = 0; i < steps; ++i) {
        const FieldPoint s = StepOf(d, 4);
        if (field.MovePlayer(d, s.x, s.y).kind != MoveKind::Moved) return false;
    }
    return true;
}

void WalkTo(FenceField& field, int x) {
    while (field.Player().x > x) ASSERT_TRUE(field.WalkAlongFence(Direction::Left, 4));
    while (field.Player().x < x) ASSERT_TRUE(field.WalkAlongFence(Direction::Right, 4));
    ASSERT_EQ(field.Player().x, x);
}

// A new field with a trail just started upwards from the bottom side at x.
void StartUpwardsAt(FenceField& field, int x) {
    field.BuildFieldBorder();
    WalkTo(field, x);
    ASSERT_EQ(field.StartTrail(Direction::Up, 4).kind, MoveKind::Moved);
}

TEST(CaptureArea, SweepsRectilinearShapes) {
    struct Case {
        const char* name;
        std::vector<FieldPoint> points;
        int64_t area;
        size_t rectangles;
    } cases[] = {
        {"square", {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 100, 1},
        {"L", {{0, 0}, {4, 0}, {4, 6}, {10, 6}, {10, 10}, {0, 10}}, 64, 2},
        // The foot's top edge meets the open column only at its end: it opens its own interval.
        {"step down right", {{0, 0}, {4, 0}, {4, 10}, {0, 10}}, 40, 1},
        {"U opening upward", {{0, 0}, {2, 0}, {2, 6}, {8, 6}, {8, 0}, {10, 0}, {10, 10}, {0, 10}}, 64, 3},
        {"collinear join", {{0, 0}, {5, 0}, {10, 0}, {10, 4}, {0, 4}}, 40, 2},
        {"reversed winding", {{0, 10}, {10, 10}, {10, 0}, {0, 0}}, 100, 1},
    };
    for (const Case& c : cases) {
        std::vector<FieldRect> rectangles;
        const auto area = CaptureArea(Polygon(c.points), rectangles);
        ASSERT_TRUE(area) << c.name;
        EXPECT_EQ(*area, c.area) << c.name;
        EXPECT_EQ(rectangles.size(), c.rectangles) << c.name;
        for (const FieldRect& r : rectangles) EXPECT_GT(r.Area(), 0) << c.name;
    }
}

TEST(CaptureArea, RefusesAComb) {
    // 1001 teeth hanging down: as many intervals open at once.
    std::vector<FieldPoint> points{{0, 0}};
    for (int t = 0; t <= 1000; ++t) {
        points.push_back({t * 4 + 2, 0});
        points.push_back({t * 4 + 2, 10});
        points.push_back({t * 4 + 4, 10});
        points.push_back({t * 4 + 4, 0});
    }
    points.push_back({4010, 0});
    points.push_back({4010, -5});
    points.push_back({0, -5});
    std::vector<FieldRect> rectangles;
    EXPECT_FALSE(CaptureArea(Polygon(points), rectangles));
}

TEST(FenceField, BorderStartsWholeWithTheFarmerOnTheBottom) {
    FenceField field;
    field.BuildFieldBorder();
    EXPECT_EQ(field.Ring().Count(), 4u);
    EXPECT_TRUE(field.Ring().IsClosed());
    EXPECT_EQ(field.Open().Area(), 177120);
    EXPECT_EQ(field.Player(), (FieldPoint{446, 416}));
    EXPECT_TRUE(field.IsInOpenField(4, 56));
    EXPECT_FALSE(field.IsInOpenField(3, 56));
}

TEST(FenceField, ANewLevelPutsTheFarmerOnTheNewRing) {
    FenceField field;
    StartUpwardsAt(field, 250);
    while (field.MovePlayer(Direction::Left, -4, 0).kind == MoveKind::Moved) {
    }
    ASSERT_EQ(field.Ring().Count(), 6u);
    field.BuildFieldBorder();
    EXPECT_EQ(field.Ring().Count(), 4u);
    EXPECT_EQ(field.PlayerSegment(), 2u);
    EXPECT_EQ(field.Player(), (FieldPoint{446, 416}));
    EXPECT_EQ(field.CapturedPercent(), 0) << "nothing is fenced yet";
}

TEST(FenceField, EqualHalvesCaptureTheReversedTrailsSide) {
    FenceField field;
    StartUpwardsAt(field, 250);
    EXPECT_TRUE(Lay(field, Direction::Up, 88));
    EXPECT_EQ(field.MovePlayer(Direction::Up, 0, -4).kind, MoveKind::Captured);
    // The side from the trail's start along the ring, the left half, is the reversed trail's side.
    ASSERT_EQ(field.LastCapture().captured.size(), 1u);
    EXPECT_EQ(field.LastCapture().captured[0], (FieldRect{4, 56, 250, 416}));
    EXPECT_EQ(field.Open().Area(), 246 * 360);
    EXPECT_EQ(field.CapturedPercent(), 51);
    EXPECT_EQ(field.Player(), (FieldPoint{250, 56}));
}

TEST(FenceField, TrailBackOntoItsOwnSegmentSplitsIt) {
    FenceField field;
    StartUpwardsAt(field, 250);
    EXPECT_TRUE(Lay(field, Direction::Up, 9));
    EXPECT_TRUE(Lay(field, Direction::Left, 10));
    EXPECT_TRUE(Lay(field, Direction::Down, 9));
    EXPECT_EQ(field.MovePlayer(Direction::Down, 0, 4).kind, MoveKind::Captured);
    int64_t taken = 0;
    for (const FieldRect& r : field.LastCapture().captured) taken += r.Area();
    EXPECT_EQ(taken, 40 * 40);
    EXPECT_EQ(field.Ring().Count(), 8u);  // the bottom in two, three pieces of trail
    EXPECT_TRUE(field.Ring().IsClosed());
    EXPECT_FALSE(field.IsInOpenField(230, 400));
}

TEST(FenceField, AThinStripStillShowsOnePercent) {
    FenceField field;
    StartUpwardsAt(field, 250);
    MoveOutcome outcome = field.MovePlayer(Direction::Left, -4, 0);
    EXPECT_EQ(outcome.cornerCell, 3);  // up, then left: arms left and down
    while (outcome.kind == MoveKind::Moved) outcome = field.MovePlayer(Direction::Left, -4, 0);
    ASSERT_EQ(outcome.kind, MoveKind::Captured);
    EXPECT_EQ(field.Open().Area(), 177120 - 246 * 4);
    EXPECT_EQ(field.CapturedPercent(), 1);
}

TEST(FenceField, MovesBackOrAcrossTheTrailChangeNothing) {
    FenceField field;
    StartUpwardsAt(field, 250);
    EXPECT_TRUE(Lay(field, Direction::Up, 9));
    EXPECT_TRUE(Lay(field, Direction::Left, 5));
    EXPECT_TRUE(Lay(field, Direction::Down, 3));
    EXPECT_TRUE(Lay(field, Direction::Right, 4));  // now 4 pixels left of the first piece
    const FieldPoint at = field.Player();
    const size_t stored = field.Trail().size();
    EXPECT_EQ(field.MovePlayer(Direction::Left, -4, 0).kind, MoveKind::Ignored);  // straight back
    EXPECT_EQ(field.MovePlayer(Direction::Right, 4, 0).kind, MoveKind::Ignored);   // onto its own fence
    EXPECT_EQ(field.Player(), at);
    EXPECT_EQ(field.Trail().size(), stored);
    EXPECT_EQ(field.Open().Area(), 177120);
}

TEST(FenceField, AbandoningWorksOnlyOnATrail) {
    FenceField field;
    field.BuildFieldBorder();
    EXPECT_TRUE(field.AbandonTrail().empty());  // caught on the fence: nothing to paint over
    EXPECT_EQ(field.Player(), (FieldPoint{446, 416}));
    ASSERT_EQ(field.StartTrail(Direction::Up, 4).kind, MoveKind::Moved);
    EXPECT_TRUE(Lay(field, Direction::Up, 4));
    EXPECT_TRUE(Lay(field, Direction::Left, 4));
    EXPECT_EQ(field.AbandonTrail().size(), 2u);
    EXPECT_EQ(field.Player(), (FieldPoint{446, 416}));
    EXPECT_FALSE(field.IsLaying());
    EXPECT_TRUE(field.AbandonTrail().empty());
}

TEST(FenceField, ALongZigZagStopsAtTheTrailsLimit) {
    FenceField field;
    StartUpwardsAt(field, 490);
    // Rows of square waves, each row 12 pixels above the last: no piece touches another.
    bool refused = false;
    for (int row = 0; row < 8 && !refused; ++row) {
        const Direction across = row % 2 == 0 ? Direction::Left : Direction::Right;
        const int dx = across == Direction::Left ? -4 : 4;
        for (int tooth = 0; tooth < 55 && !refused; ++tooth) {
            for (const Direction d : {Direction::Up, across, Direction::Down, across}) {
                const FieldPoint s = d == across ? FieldPoint{dx, 0} : StepOf(d, 4);
                const MoveKind kind = field.MovePlayer(d, s.x, s.y).kind;
                ASSERT_NE(kind, MoveKind::Captured);
                if (kind == MoveKind::Refused) {
                    refused = true;
                    break;
                }
            }
        }
        for (int i = 0; i < 3 && !refused; ++i) refused = field.MovePlayer(Direction::Up, 0, -4).kind == MoveKind::Refused;
    }
    EXPECT_TRUE(refused);
    EXPECT_LE(field.Trail().size(), FenceField::kMaxTrail - 1);
    EXPECT_TRUE(field.IsLaying());
}

TEST(FenceField, WalkingFollowsTheRingRoundCorners) {
    FenceField field;
    field.BuildFieldBorder();
    WalkTo(field, 6);
    EXPECT_TRUE(field.WalkAlongFence(Direction::Left, 4));
    EXPECT_EQ(field.Player(), (FieldPoint{4, 416}));  // stops on the corner
    EXPECT_FALSE(field.WalkAlongFence(Direction::Left, 4));
    EXPECT_FALSE(field.WalkAlongFence(Direction::Down, 4));
    EXPECT_TRUE(field.WalkAlongFence(Direction::Up, 4));
    EXPECT_EQ(field.Player(), (FieldPoint{4, 412}));
    EXPECT_EQ(field.StartTrail(Direction::Left, 4).kind, MoveKind::Ignored);  // outside the farm
    EXPECT_EQ(field.StartTrail(Direction::Up, 4).kind, MoveKind::Ignored);    // along the fence
    EXPECT_FALSE(field.IsLaying());
}

}  // namespace
}  // namespace pennimar
