#include "Apps/Tallimo/LevelTable.h"

#include <gtest/gtest.h>

namespace tallimo {
namespace {

TEST(TallimoLevelTable, RecordsCarryTheirLevelsValues) {
    EXPECT_EQ(LevelRecord(1).truckSize, 2);
    EXPECT_EQ(LevelRecord(1).kinds, 2);
    EXPECT_EQ(LevelRecord(6).truckSize, 4);
    EXPECT_EQ(LevelRecord(6).ballsNeeded, 42);
    EXPECT_EQ(LevelRecord(12).fallMs, 4000);
    EXPECT_EQ(LevelRecord(15).ballsNeeded, 44);
    EXPECT_EQ(LevelRecord(21).perExtraBall, 720);
    EXPECT_EQ(LevelRecord(21).spacing, 30);
}

TEST(TallimoLevelTable, OnlyTheChoosableLevelsStartWithMoney) {
    const int expected[kLevelChoices] = {0, 560, 1940, 3470, 5510, 8070, 11910};
    for (int choice = 0; choice < kLevelChoices; ++choice) {
        EXPECT_EQ(LevelRecord(StartingLevel(choice)).startMoney, expected[choice]) << choice;
    }
    for (int level = kFirstLevel; level <= kLastLevel; ++level) {
        if ((level - 1) % 3 != 0) {
            EXPECT_EQ(LevelRecord(level).startMoney, 0) << level;
        }
    }
}

TEST(TallimoLevelTable, LevelsNameTheirDayAndTruck) {
    struct Case {
        int level, day, truck;
    } const cases[] = {{1, 1, 1}, {3, 1, 3}, {4, 2, 1}, {19, 7, 1}, {21, 7, 3}};
    for (const Case& c : cases) {
        EXPECT_EQ(DayOf(c.level), c.day) << c.level;
        EXPECT_EQ(TruckOf(c.level), c.truck) << c.level;
    }
}

TEST(TallimoLevelTable, LevelsOutsideTheTableReadAsItsEnds) {
    EXPECT_EQ(&LevelRecord(0), &LevelRecord(1));
    EXPECT_EQ(&LevelRecord(-5), &LevelRecord(1));
    EXPECT_EQ(&LevelRecord(22), &LevelRecord(21));
    EXPECT_EQ(StartingLevel(9), 19);
}

TEST(TallimoLevelTable, FailedTrucksAndTheLastLevelRepeat) {
    EXPECT_EQ(NextLevel(5, true), 6);
    EXPECT_EQ(NextLevel(5, false), 5);
    EXPECT_EQ(NextLevel(20, true), 21);
    EXPECT_EQ(NextLevel(21, true), 21);
}

}  // namespace
}  // namespace tallimo
