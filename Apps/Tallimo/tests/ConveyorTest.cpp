#include "Apps/Tallimo/Conveyor.h"

#include <gtest/gtest.h>

#include <set>

#include "Apps/Common/ModuleRandom.h"

namespace tallimo {
namespace {

constexpr int64_t kTick = 20;

RandomSource Constant(int value) {
    return [value] { return value; };
}

TEST(TallimoConveyor, BallsRollTheBeltThenFallAtItsEnd) {
    const TruckLevel& level = LevelRecord(1);
    Truck truck(level.truckSize);
    Conveyor conveyor(level, truck, Constant(0));
    conveyor.Tick(0);
    ASSERT_EQ(conveyor.Belt().size(), 1u);
    EXPECT_EQ(conveyor.Belt()[0].x, -32);
    EXPECT_EQ(conveyor.BallsToEnter(), 23);
    conveyor.Tick(2100);
    EXPECT_EQ(conveyor.Belt()[0].x, 2100 * 198 / 4200 - 32);
    EXPECT_EQ(conveyor.Belt().size(), 1u) << "the first ball is not past the spacing yet";
    for (int64_t now = 2120; now <= 3000; now += kTick) conveyor.Tick(now);
    // The second entered once the first was past the spacing, spacing + 32 behind it.
    ASSERT_EQ(conveyor.Belt().size(), 2u);
    EXPECT_NEAR(conveyor.Belt()[0].x - conveyor.Belt()[1].x, level.spacing + 32, 1);
    conveyor.Tick(4200 * 230 / 198 + 1);
    ASSERT_FALSE(conveyor.Falling().empty());
    EXPECT_EQ(conveyor.Falling()[0].x, kBeltLength);
    EXPECT_EQ(conveyor.SteeredColumn(), (198 - 98) / 32);
}

TEST(TallimoConveyor, LowRidingKindsLandDeeper) {
    EXPECT_EQ(LandingDepth(0), 204);
    EXPECT_EQ(LandingDepth(1), 212);
    EXPECT_EQ(LandingDepth(2), 212);
    EXPECT_EQ(LandingDepth(6), 204);
}

TEST(TallimoConveyor, SteeringStaysOnTheTruckAndDropLandsInTheColumn) {
    const TruckLevel& level = LevelRecord(6);
    Truck truck(level.truckSize);
    truck.DrawPattern(level.kinds, Constant(3));
    Conveyor conveyor(level, truck, Constant(3));
    conveyor.Tick(0);
    conveyor.Move(1, 20);
    ASSERT_EQ(conveyor.Falling().size(), 1u) << "with nothing falling a key takes the first ball off the belt";
    for (int step = 0; step < 20; ++step) conveyor.Move(-1, 40);
    EXPECT_EQ(conveyor.SteeredColumn(), 0);
    for (int step = 0; step < 20; ++step) conveyor.Move(1, 40);
    EXPECT_EQ(conveyor.SteeredColumn(), 11);
    EXPECT_EQ(conveyor.Falling()[0].x, ColumnX(0, 11));
    const std::vector<Landing> landed = conveyor.Drop(60);
    ASSERT_EQ(landed.size(), 1u);
    EXPECT_EQ(landed[0].cell, 11 * kShelves);
    EXPECT_EQ(landed[0].kind, 3);
    EXPECT_TRUE(conveyor.Falling().empty());
}

// Whatever the draws and the keys, every ball of the truck lands in a cell of its own, the
// conveyor then runs dry with the truck full, and every ball is of one of the level's kinds.
TEST(TallimoConveyor, EveryBallFindsACellWhateverThePlayerDoes) {
    for (const int level : {1, 4, 6, 21}) {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            ModuleRandom random;
            random.Seed(seed);
            RandomSource rand = [&random] { return random.Next(); };
            Truck truck(LevelRecord(level).truckSize);
            truck.DrawPattern(LevelRecord(level).kinds, rand);
            Conveyor conveyor(LevelRecord(level), truck, rand);
            std::set<int> cells;
            int64_t now = 0;
            for (; !conveyor.Finished() && now < 600000; now += kTick) {
                std::vector<Landing> landed = conveyor.Tick(now);
                const int key = rand() % 8;
                if (key == 0) conveyor.Move(-1, now);
                if (key == 1) conveyor.Move(1, now);
                if (key == 2) {
                    const std::vector<Landing> dropped = conveyor.Drop(now);
                    landed.insert(landed.end(), dropped.begin(), dropped.end());
                }
                for (const Landing& landing : landed) {
                    ASSERT_GE(landing.cell, 0) << level << " " << seed;
                    EXPECT_TRUE(cells.insert(landing.cell).second) << level << " " << seed;
                    EXPECT_EQ(truck.Ball(landing.cell), landing.kind);
                    EXPECT_TRUE(landing.kind >= 0 && landing.kind < LevelRecord(level).kinds) << landing.kind;
                }
            }
            EXPECT_TRUE(conveyor.Finished()) << level << " " << seed;
            EXPECT_TRUE(truck.IsFull()) << level << " " << seed;
            EXPECT_EQ(static_cast<int>(cells.size()), truck.CellCount());
        }
    }
}

// A ball's kind is drawn as a pattern cell's is, not taken from the pattern: over many level-1
// trucks (two kinds, 24 cells) both kinds come about equally often, and a load with the
// pattern's own mix, which a perfect truck needs, turns up in about one truck in nine.
TEST(TallimoConveyor, BallKindsAreDrawnOnTheirOwnNotFromThePattern) {
    ModuleRandom random;
    random.Seed(7);
    RandomSource rand = [&random] { return random.Next(); };
    const TruckLevel& level = LevelRecord(1);
    constexpr int kTrucks = 300;
    int sameMix = 0, kindOne = 0;
    for (int i = 0; i < kTrucks; ++i) {
        Truck truck(level.truckSize);
        truck.DrawPattern(level.kinds, rand);
        Conveyor conveyor(level, truck, rand);
        // Each round a ball enters, is taken off the belt and dropped.
        for (int64_t now = 0; !conveyor.Finished(); now += kTick) {
            conveyor.Tick(now);
            conveyor.Drop(now);
            conveyor.Drop(now);
        }
        std::multiset<int> wanted, loaded;
        for (int cell = 0; cell < truck.CellCount(); ++cell) {
            wanted.insert(truck.Pattern(cell));
            loaded.insert(truck.Ball(cell));
            kindOne += truck.Ball(cell);
        }
        sameMix += wanted == loaded ? 1 : 0;
    }
    EXPECT_NEAR(static_cast<double>(kindOne) / (kTrucks * 24), 0.5, 0.05);
    EXPECT_GT(sameMix, 0);
    EXPECT_LT(sameMix, kTrucks / 4);
}

}  // namespace
}  // namespace tallimo
