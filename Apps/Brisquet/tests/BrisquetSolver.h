// Finds an order of clicks that clears a Brisquet board, for the level tests and the bot: a
// depth-first search over the game's own rules that remembers the boards it found hopeless.
//
// A click is a cell of the board as it stands when the click is made, after every earlier pop
// has run its course and every bubble has landed.
#pragma once

#include <cstddef>
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

}  // namespace brisquet
