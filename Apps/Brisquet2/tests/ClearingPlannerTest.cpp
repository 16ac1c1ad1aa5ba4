#include "Apps/Brisquet2/tests/ClearingPlanner.h"

#include <gtest/gtest.h>

#include "Apps/Brisquet2/Puzzle.h"
#include "Apps/Brisquet2/tests/ShellRandomDouble.h"

namespace brisquet2::test {
namespace {

CBubbleBoard Play(CBubbleBoard board, const std::vector<BubbleCell>& clicks) {
    for (const BubbleCell& click : clicks) EXPECT_GE(board.PopNow(click.column, click.row, kBrisquet2Rules), 2);
    return board;
}

// The bot plans from colours alone: the first challenge puzzles and nearly all of a spread over
// every difficulty are cleared by the planned clicks, and a greedy order reaches a dead end.
TEST(ClearingPlanner, ClearsGeneratedBoardsAndFindsDeadEnds) {
    ShellRandomDouble random;
    int deadEnds = 0;
    int cleared = 0;
    int boards = 0;
    for (int n = 1; n <= 150; n += 7) {
        for (const bool challenge : {true, false}) {
            const int number = challenge ? n : n * 331;
            const CBubbleBoard board = MakePuzzle(number, challenge, random.Random()).board;
            ++boards;
            if (const auto clearing = PlanClearing(board, {4000})) {
                ++cleared;
                EXPECT_EQ(Play(board, *clearing).Evaluate(kBrisquet2Rules), BubbleBoardState::Solved) << number;
            } else {
                EXPECT_GT(n, 3) << "challenge puzzles 1 to 3 must be planned";
            }
            if (const auto dead = PlanDeadEnd(board)) {
                ++deadEnds;
                EXPECT_EQ(Play(board, *dead).Evaluate(kBrisquet2Rules), BubbleBoardState::DeadEnd) << number;
            }
        }
    }
    EXPECT_GE(cleared * 10, boards * 9);
    EXPECT_GT(deadEnds, boards / 2);
}

}  // namespace
}  // namespace brisquet2::test
