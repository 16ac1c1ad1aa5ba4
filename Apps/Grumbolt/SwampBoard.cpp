#include "Apps/Grumbolt/SwampBoard.h"

#include <cstdlib>

namespace grumbolt {
namespace {

constexpr std::array<CellPos, 4> kSteps = {{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}};

CellPos Step(CellPos p, CellPos d, int n) { return {p.column + d.column * n, p.row + d.row * n}; }

}  // namespace

bool SwampBoard::CanJump(CellPos frog) const {
    if (At(frog) != kFrog) return false;
    for (const CellPos d : kSteps) {
        if (At(Step(frog, d, 1)) == kFrog && At(Step(frog, d, 2)) == kLilypad) return true;
    }
    return false;
}

std::optional<Jump> SwampBoard::JumpTo(CellPos from, CellPos to) const {
    if (At(from) != kFrog || At(to) != kLilypad) return std::nullopt;
    const int dc = to.column - from.column;
    const int dr = to.row - from.row;
    const bool straight = (std::abs(dc) == 2 && dr == 0) || (dc == 0 && std::abs(dr) == 2);
    if (!straight) return std::nullopt;
    const CellPos over{from.column + dc / 2, from.row + dr / 2};
    if (At(over) != kFrog) return std::nullopt;
    return Jump{from, over, to};
}

void SwampBoard::Apply(const Jump& jump) {
    Set(jump.from, kLilypad);
    Set(jump.over, kLilypad);
    Set(jump.to, kFrog);
}

int SwampBoard::CountFrogs() const {
    int count = 0;
    for (const auto& column : cells_) {
        for (const int cell : column) count += cell == kFrog ? 1 : 0;
    }
    return count;
}

SwampState SwampBoard::State() const {
    for (int c = 0; c < kSwampSize; ++c) {
        for (int r = 0; r < kSwampSize; ++r) {
            if (CanJump({c, r})) return SwampState::Playing;
        }
    }
    return CountFrogs() == 1 ? SwampState::Solved : SwampState::Stuck;
}

}  // namespace grumbolt
