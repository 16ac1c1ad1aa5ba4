// Finds an order of clicks that clears a Brisquet board, for the level tests and the bot: a
// depth-first search over the game's own rules that remembers the boards it found hopeless.
//
// A click is a cell of the board as it stands when the click is made, after every earlier pop
// has run its course and every bubble has landed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "Apps/Common/BubbleBoard.h"

namespace brisquet {

class BrisquetSolver {
public:
    // The search gives up (no answer) after looking at this many boards.
    explicit BrisquetSolver(size_t boardLimit = 200000) : boardLimit_(boardLimit) {}

    // The clicks that clear the settled bubbles of `board`; nullopt when it cannot be cleared or
    // the search gave up (GaveUp() tells which).
    std::optional<std::vector<BubbleCell>> Solve(const CBubbleBoard& board);
    bool GaveUp() const { return gaveUp_; }
    size_t BoardsSeen() const { return boardsSeen_; }

    // Every click that does something: one cell of each group of two or more (its first cell in
    // column order) and every black bubble.
    static std::vector<BubbleCell> Moves(const CBubbleBoard& board);
    // The click as the game plays it, with the pop and the fall done at once; false when it does
    // nothing.
    static bool Play(CBubbleBoard& board, BubbleCell click);

private:
    bool Search(const CBubbleBoard& board, std::vector<BubbleCell>& clicks);

    size_t boardLimit_;
    size_t boardsSeen_ = 0;
    bool gaveUp_ = false;
    std::unordered_set<std::string> hopeless_;
};

// Whether the board is proved hopeless once its black bubbles are taken out: they are where
// they matter. False when the solver gives up at `boardLimit`.
bool NeedsBlackBubbles(const CBubbleBoard& board, size_t boardLimit);

// How hard a board is for someone who clicks without a plan: the share of `tries` random click
// orders (each click drawn evenly from the moves left) that end with bubbles that cannot go.
double DeadEndShare(const CBubbleBoard& board, int tries, uint32_t seed);

}  // namespace brisquet
