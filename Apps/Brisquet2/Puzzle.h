// A numbered puzzle: its difficulty record, its seed and the board the generator makes from it.
#pragma once

#include <functional>

#include "Apps/Common/BubbleBoard.h"

namespace brisquet2 {

inline constexpr int kBoardColumns = 15;
inline constexpr int kBoardRows = 10;
inline constexpr int kTransparentKind = 5;
// Kinds 1 to 4 pop; the transparent bubbles never do and do not count for the end.
inline constexpr BubbleRules kBrisquet2Rules{BubbleKindBit(1) | BubbleKindBit(2) | BubbleKindBit(3) | BubbleKindBit(4), 0};

// The shell's generator: SRand and Rand.
struct ShellRandom {
    std::function<void(int)> seed;
    std::function<int()> rand;
};

struct Puzzle {
    CBubbleBoard board{kBoardColumns, kBoardRows};
    // The group that placed each bubble (-1 transparent), in the board's cell order.
    std::vector<int> groupKeys;
    int seed = 0;      // the seed of the run that made the board
    int rounds = 0;    // runs it took
};

// Seeds of failed runs step by kReseedStep. Past kEasingRound runs the groups are made shorter by
// one per run (down to two); at kMaxRounds the last run's board stands. Every number from 0 to
// 50000 in both modes needs at most two runs: the bounds only keep the loop finite.
inline constexpr int kReseedStep = 60000;
inline constexpr int kEasingRound = 200;
inline constexpr int kMaxRounds = 400;

// The board of puzzle `number` (the challenge seeds with number + 50000).
Puzzle MakePuzzle(int number, bool challenge, const ShellRandom& random);

}  // namespace brisquet2
