#include "Apps/Tallimo/TruckCheck.h"

#include <gtest/gtest.h>

namespace tallimo {
namespace {

// A level-1 truck (24 cells, 18 needed, $10 then $60) whose pattern is all kind 0, loaded with
// `matches` balls of kind 0 first and kind 1 after.
Truck Loaded(int matches) {
    Truck truck(2);
    truck.DrawPattern(2, [] { return 0; });
    for (int cell = 0; cell < truck.CellCount(); ++cell) truck.Land(cell / kShelves, cell < matches ? 0 : 1);
    return truck;
}

// The pay of every cell, added up.
int CheckAll(TruckCheck& check) {
    int paid = 0;
    while (!check.Done()) paid += check.Step().money;
    return paid;
}

TEST(TallimoTruckCheck, MatchesPayPerBallThenPerExtraBall) {
    struct Case {
        int matches, money;
        TruckOutcome outcome;
    } const cases[] = {
        {0, 0, TruckOutcome::Failed},
        {17, 170, TruckOutcome::Failed},
        {18, 180, TruckOutcome::Passed},
        {20, 180 + 2 * 60, TruckOutcome::Passed},
        {24, 180 + 6 * 60, TruckOutcome::Perfect},
    };
    for (const Case& c : cases) {
        const Truck truck = Loaded(c.matches);
        TruckCheck check(truck, LevelRecord(1));
        EXPECT_EQ(CheckAll(check), c.money) << c.matches;
        EXPECT_EQ(check.Matches(), c.matches);
        EXPECT_EQ(check.Outcome(), c.outcome) << c.matches;
    }
}

TEST(TallimoTruckCheck, CellsGoInColumnOrderAndCountDownTheBallsToPass) {
    const Truck truck = Loaded(19);
    TruckCheck check(truck, LevelRecord(1));
    EXPECT_EQ(check.BallsToPass(), 18);
    int enoughAt = -1;
    for (int cell = 0; !check.Done(); ++cell) {
        const CellVerdict verdict = check.Step();
        EXPECT_EQ(verdict.cell, cell);
        EXPECT_EQ(verdict.matched, cell < 19);
        if (verdict.enoughNow) enoughAt = cell;
    }
    EXPECT_EQ(enoughAt, 17);
    EXPECT_EQ(check.BallsToPass(), 0);
}

}  // namespace
}  // namespace tallimo
