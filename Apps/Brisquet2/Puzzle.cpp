#include "Apps/Brisquet2/Puzzle.h"

#include <algorithm>

#include "Apps/Brisquet2/DifficultyTable.h"
#include "Apps/Brisquet2/PuzzleGenerator.h"

namespace brisquet2 {

namespace {

void TakeGrid(const CGeneratorGrid& grid, Puzzle& puzzle) {
    puzzle.groupKeys.clear();
    for (int c = 0; c < kBoardColumns; ++c) {
        for (int r = 0; r < kBoardRows; ++r) {
            puzzle.board.Set(c, r, grid.Colour(c, r));
            puzzle.groupKeys.push_back(grid.Key(c, r));
        }
    }
}

}  // namespace

Puzzle MakePuzzle(int number, bool challenge, const ShellRandom& random) {
    const DifficultyRecord& record = RecordFor(number, challenge);
    Puzzle puzzle;
    puzzle.seed = challenge ? number + kHighestPuzzle : number;
    int minGroup = record.minGroup;
    for (puzzle.rounds = 1;; ++puzzle.rounds) {
        random.seed(puzzle.seed);
        CPuzzleGenerator generator(random.rand);
        if (generator.GeneratePuzzle(minGroup, record.groupRange, record.mirror) == 0 || puzzle.rounds == kMaxRounds) {
            TakeGrid(generator.Grid(), puzzle);
            return puzzle;
        }
        puzzle.seed += kReseedStep;
        if (puzzle.rounds >= kEasingRound) minGroup = std::max(2, minGroup - 1);
    }
}

}  // namespace brisquet2
