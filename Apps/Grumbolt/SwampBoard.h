// The 11 x 11 swamp, indexed [column][row], and the one move of the game: a frog jumps a
// neighbouring frog onto the free lilypad beyond, and the jumped frog sinks.
#pragma once

#include <array>
#include <optional>

namespace grumbolt {

inline constexpr int kSwampSize = 11;

enum Cell : int { kWater = 0, kLilypad = 1, kFrog = 2 };

struct CellPos {
    int column = 0;
    int row = 0;
    friend bool operator==(const CellPos&, const CellPos&) = default;
};

struct Jump {
    CellPos from;
    CellPos over;
    CellPos to;
    friend bool operator==(const Jump&, const Jump&) = default;
};

enum class SwampState { Playing, Solved, Stuck };

class SwampBoard {
public:
    static bool OnBoard(CellPos p) { return p.column >= 0 && p.column < kSwampSize && p.row >= 0 && p.row < kSwampSize; }

    // Off the board reads as water.
    int At(CellPos p) const { return OnBoard(p) ? cells_[p.column][p.row] : kWater; }
    void Set(CellPos p, int value) { cells_[p.column][p.row] = value; }
    void Clear() { cells_ = {}; }

    // The frog at `frog` has a jump in at least one direction.
    bool CanJump(CellPos frog) const;
    // The jump of the frog at `from` onto `to`, when the rules allow it.
    std::optional<Jump> JumpTo(CellPos from, CellPos to) const;
    // Plays a jump that JumpTo gave.
    void Apply(const Jump& jump);

    int CountFrogs() const;
    // Solved with one frog left, stuck when no frog can jump.
    SwampState State() const;

    friend bool operator==(const SwampBoard&, const SwampBoard&) = default;

private:
    std::array<std::array<int, kSwampSize>, kSwampSize> cells_{};
};

}  // namespace grumbolt
