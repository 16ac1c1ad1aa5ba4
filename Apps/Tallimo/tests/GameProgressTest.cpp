#include "Apps/Tallimo/GameProgress.h"

#include <gtest/gtest.h>

namespace tallimo {
namespace {

// A checked truck of the current level with `matches` of its cells right.
struct Checked {
    Truck truck;
    TruckCheck check;
    Checked(int level, int matches) : truck(LevelRecord(level).truckSize), check(truck, LevelRecord(level)) {
        truck.DrawPattern(1, [] { return 0; });
        for (int cell = 0; cell < truck.CellCount(); ++cell) truck.Land(cell / kShelves, cell < matches ? 0 : 1);
        while (!check.Done()) check.Step();
    }
};

HighScoreTable Table(int lowest) {
    HighScoreTable table;
    for (int row = 0; row < kHighScoreRows; ++row) table[static_cast<size_t>(row)] = {"Row", lowest + 2000 * (4 - row)};
    return table;
}

TEST(TallimoGameProgress, ANewGameTakesTheLevelsMoneyAndThreeLives) {
    GameProgress game;
    game.NewGame(13);
    EXPECT_EQ(game.Money(), 5510);
    EXPECT_EQ(game.Lives(), 3);
    EXPECT_EQ(game.Level(), 13);
}

TEST(TallimoGameProgress, APerfectTruckPaysTheBonusAndAddsALife) {
    GameProgress game;
    game.NewGame(6);
    const Checked perfect(6, 48);
    game.FinishTruck(perfect.check);
    EXPECT_EQ(game.Money(), 42 * 15 + 6 * 90 + 100);
    EXPECT_EQ(game.Lives(), 4);
    EXPECT_EQ(game.Next(Table(12000)), AfterTruck::NextLevel);
    game.Advance();
    EXPECT_EQ(game.Level(), 7);
}

TEST(TallimoGameProgress, AFailedTruckCostsALifeAndIsPlayedAgain) {
    GameProgress game;
    game.NewGame(19);
    const Checked failed(19, 39);
    game.FinishTruck(failed.check);
    EXPECT_EQ(game.Lives(), 2);
    EXPECT_EQ(game.Money(), 11910 + 39 * 40);
    EXPECT_EQ(game.Next(Table(12000)), AfterTruck::SameLevel);
    game.Advance();
    EXPECT_EQ(game.Level(), 19);
}

TEST(TallimoGameProgress, TheLastLevelRepeatsAfterAPass) {
    GameProgress game;
    game.NewGame(21);
    const Checked passed(21, 36);
    game.FinishTruck(passed.check);
    EXPECT_EQ(game.Next(Table(12000)), AfterTruck::SameLevel);
}

TEST(TallimoGameProgress, TheLastLifeLeadsToTheNameEntryOnlyWithEnoughMoney) {
    for (const int lowest : {16590, 16591}) {
        GameProgress game;
        game.NewGame(19);
        const Checked failed(19, 39);
        for (int life = 0; life < 3; ++life) game.FinishTruck(failed.check);
        EXPECT_EQ(game.Lives(), 0);
        ASSERT_EQ(game.Money(), 11910 + 3 * 39 * 40);
        EXPECT_EQ(game.Next(Table(lowest)), lowest == 16590 ? AfterTruck::NameEntry : AfterTruck::Title);
    }
}

}  // namespace
}  // namespace tallimo
