// The grid of the bubble games, apart from anything drawn: bubble kinds in columns, groups of one
// kind, popping and falling. Columns never move sideways; a bubble falls straight down until it
// meets another bubble or the floor. The view animates what this reports; a bot or a test can
// play whole boards on it at once.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

struct BubbleCell {
    int column = 0;
    int row = 0;
    friend bool operator==(const BubbleCell&, const BubbleCell&) = default;
};

// One bubble moved by gravity; rows count from the top.
struct BubbleFall {
    int column = 0;
    int fromRow = 0;
    int toRow = 0;
    friend bool operator==(const BubbleFall&, const BubbleFall&) = default;
};

// Which kinds count for the end of a puzzle. Kinds are bit numbers: bit k stands for kind k.
struct BubbleRules {
    uint32_t poppable = 0;        // kinds that pop in groups of two or more
    uint32_t alwaysMovable = 0;   // kinds that can be clicked alone (a blast bubble)
};

enum class BubbleBoardState { Playing, Solved, DeadEnd };

class CBubbleBoard {
public:
    static constexpr int kMaxSide = 20;
    static constexpr int kEmpty = 0;

    // Sides are held to 1 to kMaxSide.
    CBubbleBoard(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Inside(int column, int row) const { return column >= 0 && column < width_ && row >= 0 && row < height_; }
    // 0 outside the board.
    int At(int column, int row) const;
    // Ignored outside the board. Clears the cell's popping and falling marks.
    void Set(int column, int row, int kind);
    void Clear();

    bool Popping(int column, int row) const { return Flag(column, row, kPopping); }
    bool Falling(int column, int row) const { return Flag(column, row, kFalling); }
    // A bubble that pops or falls takes part in no group.
    bool Settled(int column, int row) const { return At(column, row) != kEmpty && !Flag(column, row, kPopping | kFalling); }

    // The settled 4-connected bubbles of the kind at (column, row), the start first; empty when
    // the cell holds no settled bubble.
    std::vector<BubbleCell> Group(int column, int row) const;
    // Whether a settled neighbour left, right, above or below has the same kind.
    bool HasPartner(int column, int row) const;

    // Marks the group at (column, row) as popping and returns it; an empty list when the cell is
    // not settled, its kind does not pop or the group is a single bubble.
    std::vector<BubbleCell> MarkGroup(int column, int row, const BubbleRules& rules);
    // Marks the settled bubbles among `cells` as popping, whatever their kinds (a blast), and
    // returns them.
    std::vector<BubbleCell> MarkCells(std::span<const BubbleCell> cells);
    // Empties the cells (a pop that has run its course).
    void Remove(const std::vector<BubbleCell>& cells);
    // Every bubble that is not popping and has an empty cell below it falls onto the next bubble
    // or the floor: the cells move at once, marked falling until Land. Popping bubbles stay put.
    std::vector<BubbleFall> Settle();
    void Land(int column, int row) { ClearFlag(column, row, kFalling); }
    int PoppingCount() const { return CountFlag(kPopping); }
    int FallingCount() const { return CountFlag(kFalling); }

    // Playing while anything pops or falls or a counted bubble can still go; Solved when no bubble
    // of a counted kind is left, DeadEnd otherwise.
    BubbleBoardState Evaluate(const BubbleRules& rules) const;

    // Pops the group at once, with its fall; the number of bubbles popped (0 when not allowed).
    int PopNow(int column, int row, const BubbleRules& rules);

    // All cells in column order (cell (c, r) at c x height + r), for comparing boards.
    std::vector<int> Cells() const;

private:
    static constexpr uint8_t kPopping = 1;
    static constexpr uint8_t kFalling = 2;
    static size_t Index(int column, int row) { return static_cast<size_t>(column) * kMaxSide + static_cast<size_t>(row); }
    bool Flag(int column, int row, uint8_t flag) const;
    void ClearFlag(int column, int row, uint8_t flag);
    int CountFlag(uint8_t flag) const;

    int width_;
    int height_;
    std::array<int, kMaxSide * kMaxSide> kinds_{};
    std::array<uint8_t, kMaxSide * kMaxSide> flags_{};
};

inline constexpr uint32_t BubbleKindBit(int kind) { return kind >= 0 && kind < 32 ? 1u << kind : 0u; }
