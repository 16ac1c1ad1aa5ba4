#include "Apps/Common/BubbleBoard.h"

#include <algorithm>

CBubbleBoard::CBubbleBoard(int width, int height)
    : width_(std::clamp(width, 1, kMaxSide)), height_(std::clamp(height, 1, kMaxSide)) {}

int CBubbleBoard::At(int column, int row) const { return Inside(column, row) ? kinds_[Index(column, row)] : kEmpty; }

void CBubbleBoard::Set(int column, int row, int kind) {
    if (!Inside(column, row)) return;
    kinds_[Index(column, row)] = kind;
    flags_[Index(column, row)] = 0;
}

void CBubbleBoard::Clear() {
    kinds_.fill(kEmpty);
    flags_.fill(0);
}

bool CBubbleBoard::Flag(int column, int row, uint8_t flag) const {
    return Inside(column, row) && (flags_[Index(column, row)] & flag) != 0;
}

void CBubbleBoard::ClearFlag(int column, int row, uint8_t flag) {
    if (Inside(column, row)) flags_[Index(column, row)] &= static_cast<uint8_t>(~flag);
}

int CBubbleBoard::CountFlag(uint8_t flag) const {
    int count = 0;
    for (int c = 0; c < width_; ++c)
        for (int r = 0; r < height_; ++r) count += Flag(c, r, flag) ? 1 : 0;
    return count;
}

namespace {
constexpr int kSteps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
}

std::vector<BubbleCell> CBubbleBoard::Group(int column, int row) const {
    std::vector<BubbleCell> group;
    if (!Settled(column, row)) return group;
    const int kind = At(column, row);
    std::array<bool, kMaxSide * kMaxSide> seen{};
    seen[Index(column, row)] = true;
    group.push_back({column, row});
    // An explicit list, so a large group cannot exhaust the stack.
    for (size_t next = 0; next < group.size(); ++next) {
        for (const auto& step : kSteps) {
            const int c = group[next].column + step[0];
            const int r = group[next].row + step[1];
            if (!Settled(c, r) || At(c, r) != kind || seen[Index(c, r)]) continue;
            seen[Index(c, r)] = true;
            group.push_back({c, r});
        }
    }
    return group;
}

bool CBubbleBoard::HasPartner(int column, int row) const {
    if (!Settled(column, row)) return false;
    const int kind = At(column, row);
    return std::any_of(std::begin(kSteps), std::end(kSteps), [&](const int* step) {
        return Settled(column + step[0], row + step[1]) && At(column + step[0], row + step[1]) == kind;
    });
}

std::vector<BubbleCell> CBubbleBoard::MarkGroup(int column, int row, const BubbleRules& rules) {
    if ((rules.poppable & BubbleKindBit(At(column, row))) == 0) return {};
    std::vector<BubbleCell> group = Group(column, row);
    if (group.size() < 2) return {};
    for (const BubbleCell& cell : group) flags_[Index(cell.column, cell.row)] |= kPopping;
    return group;
}

std::vector<BubbleCell> CBubbleBoard::MarkCells(std::span<const BubbleCell> cells) {
    std::vector<BubbleCell> marked;
    for (const BubbleCell& cell : cells) {
        if (!Settled(cell.column, cell.row)) continue;
        flags_[Index(cell.column, cell.row)] |= kPopping;
        marked.push_back(cell);
    }
    return marked;
}

void CBubbleBoard::Remove(const std::vector<BubbleCell>& cells) {
    for (const BubbleCell& cell : cells) Set(cell.column, cell.row, kEmpty);
}

std::vector<BubbleFall> CBubbleBoard::Settle() {
    std::vector<BubbleFall> falls;
    for (int c = 0; c < width_; ++c) {
        int landing = height_ - 1;
        for (int r = height_ - 1; r >= 0; --r) {
            const size_t at = Index(c, r);
            if (kinds_[at] == kEmpty) continue;
            if (flags_[at] & kPopping) {
                landing = r - 1;
                continue;
            }
            if (landing != r) {
                const size_t to = Index(c, landing);
                kinds_[to] = kinds_[at];
                flags_[to] = kFalling;
                kinds_[at] = kEmpty;
                flags_[at] = 0;
                falls.push_back({c, r, landing});
            }
            --landing;
        }
    }
    return falls;
}

BubbleBoardState CBubbleBoard::Evaluate(const BubbleRules& rules) const {
    bool counted = false;
    for (int c = 0; c < width_; ++c) {
        for (int r = 0; r < height_; ++r) {
            const int kind = At(c, r);
            if (kind == kEmpty) continue;
            if (Flag(c, r, kPopping | kFalling)) return BubbleBoardState::Playing;
            const uint32_t bit = BubbleKindBit(kind);
            if (bit & rules.alwaysMovable) return BubbleBoardState::Playing;
            if ((bit & rules.poppable) == 0) continue;
            counted = true;
            if (HasPartner(c, r)) return BubbleBoardState::Playing;
        }
    }
    return counted ? BubbleBoardState::DeadEnd : BubbleBoardState::Solved;
}

int CBubbleBoard::PopNow(int column, int row, const BubbleRules& rules) {
    const std::vector<BubbleCell> group = MarkGroup(column, row, rules);
    Remove(group);
    for (const BubbleFall& fall : Settle()) Land(fall.column, fall.toRow);
    return static_cast<int>(group.size());
}

std::vector<int> CBubbleBoard::Cells() const {
    std::vector<int> cells;
    cells.reserve(static_cast<size_t>(width_ * height_));
    for (int c = 0; c < width_; ++c)
        for (int r = 0; r < height_; ++r) cells.push_back(At(c, r));
    return cells;
}
