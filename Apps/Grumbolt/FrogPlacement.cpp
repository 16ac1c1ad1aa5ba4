#include "Apps/Grumbolt/FrogPlacement.h"

#include <algorithm>

namespace grumbolt {
namespace {

constexpr CellPos kDirections[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};

CellPos Step(CellPos p, int direction, int n) {
    return {p.column + kDirections[direction].column * n, p.row + kDirections[direction].row * n};
}

}  // namespace

FrogPlacement::FrogPlacement(SwampBoard& board, int capacity) : board_(board), capacity_(capacity) {
    frogs_.reserve(static_cast<size_t>(std::max(capacity, 0)) + 2);
    for (int c = 0; c < kSwampSize; ++c) {
        for (int r = 0; r < kSwampSize; ++r) {
            if (board_.At({c, r}) != kWater) board_.Set({c, r}, kLilypad);
        }
    }
}

int FrogPlacement::Place(SwampDice& dice, std::vector<Jump>* solution) {
    dice.next();
    for (;;) {
        const int c = dice.next() % kSwampSize;
        const int r = dice.next() % kSwampSize;
        if (board_.At({c, r}) == kLilypad) {
            Put({c, r});
            break;
        }
    }
    std::vector<Jump> backwards;
    while (movable_ > 0 && static_cast<int>(frogs_.size()) < capacity_) {
        const size_t chosen = MovableAt(dice.next() % movable_);
        const Record record = frogs_[chosen];
        int k = dice.next() % record.mobility;
        int direction = 0;
        while (!record.flags[direction] || k-- > 0) ++direction;
        const CellPos nearer = Step(record.at, direction, 1);
        const CellPos farther = Step(record.at, direction, 2);
        Put(nearer);
        Put(farther);
        board_.Set(record.at, kLilypad);
        Take(chosen);
        backwards.push_back({farther, nearer, record.at});
    }
    if (solution != nullptr) solution->assign(backwards.rbegin(), backwards.rend());
    return static_cast<int>(frogs_.size());
}

void FrogPlacement::Put(CellPos at) {
    board_.Set(at, kFrog);
    frogs_.push_back({at});
    Recompute();
}

void FrogPlacement::Take(size_t index) {
    frogs_.erase(frogs_.begin() + static_cast<std::ptrdiff_t>(index));
    Recompute();
}

void FrogPlacement::Recompute() {
    movable_ = 0;
    for (Record& frog : frogs_) {
        frog.mobility = 0;
        for (int d = 0; d < 4; ++d) {
            // A cell off the board reads as water, which also keeps the frog two cells from the edge.
            frog.flags[d] = board_.At(Step(frog.at, d, 1)) == kLilypad && board_.At(Step(frog.at, d, 2)) == kLilypad;
            frog.mobility += frog.flags[d] ? 1 : 0;
        }
        movable_ += frog.mobility > 0 ? 1 : 0;
    }
}

size_t FrogPlacement::MovableAt(int k) const {
    for (size_t i = 0; i < frogs_.size(); ++i) {
        if (frogs_[i].mobility > 0 && k-- == 0) return i;
    }
    return frogs_.size();
}

}  // namespace grumbolt
