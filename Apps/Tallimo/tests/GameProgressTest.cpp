#include "Apps/Tallimo/GameProgress.h"

#include <gtest/gtest.h>

namespace tallimo {
namespace {

// A truck of the game's level with `matches` of its cells right, paid cell by cell and finished.
void FinishTruck(GameProgress& game, int matches) {
    Truck truck(LevelRecord(game.Level()).truckSize);
    truck.DrawPattern(1, [] { return 0; });
    for (int cell = 0; cell < truck.CellCount(); ++cell) truck.Land(cell / kShelves, cell < matches ? 0 : 1);
    TruckCheck check(truck, LevelRecord(game.Level()));
    while (!check.Done()) game.Earn(check.Step().money);
    game.FinishTruck(check.Outcome());
}

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
    FinishTruck(game, 48);
    EXPECT_EQ(game.Money(), 42 * 15 + 6 * 90 + 100);
    EXPECT_EQ(game.Lives(), 4);
    EXPECT_EQ(game.Next(Table(12000)), AfterTruck::NextLevel);
    game.Advance();
    EXPECT_EQ(game.Level(), 7);
}

TEST(TallimoGameProgress, AFailedTruckCostsALifeAndIsPlayedAgain) {
    GameProgress game;
    game.NewGame(19);
    FinishTruck(game, 39);
    EXPECT_EQ(game.Lives(), 2);
    EXPECT_EQ(game.Money(), 11910 + 39 * 40);
    EXPECT_EQ(game.Next(Table(12000)), AfterTruck::SameLevel);
    game.Advance();
    EXPECT_EQ(game.Level(), 19);
}

TEST(TallimoGameProgress, TheLastLevelRepeatsAfterAPass) {
    GameProgress game;
    game.NewGame(21);
    FinishTruck(game, 36);
    EXPECT_EQ(game.Next(Table(12000)), AfterTruck::SameLevel);
}

TEST(TallimoGameProgress, TheLastLifeLeadsToTheNameEntryOnlyWithEnoughMoney) {
    for (const int lowest : {16590, 16591}) {
        GameProgress game;
        game.NewGame(19);
        for (int life = 0; life < 3; ++life) FinishTruck(game, 39);
        EXPECT_EQ(game.Lives(), 0);
        ASSERT_EQ(game.Money(), 11910 + 3 * 39 * 40);
        EXPECT_EQ(game.Next(Table(lowest)), lowest == 16590 ? AfterTruck::NameEntry : AfterTruck::Title);
    }
}

}  // namespace
}  // namespace tallimo
