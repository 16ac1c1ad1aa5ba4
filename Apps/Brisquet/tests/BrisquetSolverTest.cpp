#include "BrisquetSolver.h"

#include <gtest/gtest.h>

#include <random>

#include "Apps/Brisquet/BrisquetBoard.h"

namespace brisquet {
namespace {

Level RandomLevel(std::mt19937& random, int width, int height) {
    Level level;
    level.width = width;
    level.height = height;
    level.kindCount = kMaxKinds;
    for (int i = 0; i < width * height; ++i) {
        const int roll = static_cast<int>(random() % 16);
        level.cells.push_back(roll < 2 ? 0 : roll == 2 ? kBlackKind : 1 + roll % 3);
    }
    return level;
}

void Settle(BrisquetBoard& board) {
    for (const BubbleFall& fall : board.EndPop()) board.Grid().Land(fall.column, fall.toRow);
}

// Every click on every cell, straight on the game's board: slow, but shares nothing with the
// solver's moves, memory or shortcuts.
bool ClearableByTryingAll(const BrisquetBoard& board) {
    bool any = false;
    for (int c = 0; c < board.Grid().Width(); ++c) {
        for (int r = 0; r < board.Grid().Height(); ++r) {
            if (board.Grid().At(c, r) == 0) continue;
            any = true;
            BrisquetBoard next = board;
            if (next.Click(c, r).popping.empty()) continue;
            Settle(next);
            if (ClearableByTryingAll(next)) return true;
        }
    }
    return !any;
}

TEST(BrisquetSolver, AgreesWithTryingEveryClickAndItsPlansClearTheBoard) {
    std::mt19937 random(7);
    int solvable = 0, hopeless = 0;
    for (int trial = 0; trial < 300; ++trial) {
        BrisquetBoard board(RandomLevel(random, 3 + trial % 2, 3), 1);
        Settle(board);
        BrisquetSolver solver;
        const auto plan = solver.Solve(board.Grid());
        ASSERT_FALSE(solver.GaveUp());
        ASSERT_EQ(plan.has_value(), ClearableByTryingAll(board)) << "trial " << trial;
        if (!plan) {
            ++hopeless;
            continue;
        }
        ++solvable;
        for (const BubbleCell& click : *plan) {
            ASSERT_NE(board.Click(click.column, click.row).popping.size(), 0u) << "trial " << trial;
            Settle(board);
        }
        EXPECT_EQ(board.CheckBoardState(), ScreenState::KeepGoing) << "trial " << trial;
    }
    // Both answers were put to the test.
    EXPECT_GT(solvable, 30);
    EXPECT_GT(hopeless, 30);
}

TEST(BrisquetSolver, GivesUpAtItsLimitWithoutClaimingTheBoardHopeless) {
    CBubbleBoard board(8, 10);
    for (int c = 0; c < 8; ++c)
        for (int r = 0; r < 10; ++r) board.Set(c, r, 1 + (c + r / 2) % 4);  // stacked pairs: forty clicks to go
    BrisquetSolver solver(5);
    EXPECT_FALSE(solver.Solve(board));
    EXPECT_TRUE(solver.GaveUp());
    EXPECT_LE(solver.BoardsSeen(), 6u);
    EXPECT_TRUE(BrisquetSolver(100).Solve(board)) << "the same board is clear within a larger limit";
}

}  // namespace
}  // namespace brisquet
