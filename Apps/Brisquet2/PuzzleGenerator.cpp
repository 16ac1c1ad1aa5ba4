#include "Apps/Brisquet2/PuzzleGenerator.h"

#include <algorithm>

namespace brisquet2 {

namespace {

constexpr int kColours = 4;
// Up, down (rows count from the bottom), left, right.
constexpr int kDirections[4] = {1, 2, 4, 8};

void Neighbour(int direction, int& column, int& row) {
    switch (direction) {
        case 1: ++row; break;
        case 2: --row; break;
        case 4: --column; break;
        default: ++column; break;
    }
}

}  // namespace

int CPuzzleGenerator::GeneratePuzzle(int minGroup, int groupRange, bool mirror) {
    minGroup = std::max(minGroup, 2);
    groupRange = std::max(groupRange, 1);
    grid_.Reset(mirror ? (CGeneratorGrid::kColumns + 1) / 2 : CGeneratorGrid::kColumns);
    toFill_ = grid_.FreeCells();
    group_.clear();
    search_ = {};
    step_ = 0;
    remaining_ = 0;
    withDirections_ = 0;
    forcedColumn_ = -1;

    while (toFill_ > 0) {
        if (forcedColumn_ < 0 && (remaining_ < 1 || withDirections_ == 0)) {
            if (group_.size() == 1) {
                grid_.RemoveCell(group_[0].column, group_[0].row);
                ++toFill_;
            } else {
                search_.column = -1;
            }
            BeginGroup(minGroup, groupRange);
            if (step_ > kMaxGroups) return 1;
        }
        Target target;
        if (group_.empty()) {
            if (!ChooseStart(target)) return 1;
        } else if (forcedColumn_ < 0) {
            target = ChooseGrowth();
            if (target.column < 0) {
                withDirections_ = 0;
                continue;
            }
        } else {
            target = ChooseForced();
            if (target.column < 0) {
                toFill_ += grid_.RemoveGroup(step_);
                search_.column = -1;
                BeginGroup(minGroup, groupRange);
                forcedColumn_ = -1;
                if (step_ > kMaxGroups) return 1;
                continue;
            }
        }
        Place(target);
    }
    grid_.Finish(mirror);
    return 0;
}

void CPuzzleGenerator::BeginGroup(int minGroup, int groupRange) {
    group_.clear();
    withDirections_ = 0;
    remaining_ = minGroup + Rand() % groupRange;
    ++step_;
}

bool CPuzzleGenerator::ChooseStart(Target& target) {
    const int width = grid_.Width();
    for (int attempt = 0; attempt < kMaxStartAttempts; ++attempt) {
        if (search_.column < 0 || search_.tried >= search_.rows) {
            const int drawn = Rand() % width;
            int column = -1;
            for (int k = 0; k < width && column < 0; ++k)
                if (grid_.HasRoom((drawn + k) % width)) column = (drawn + k) % width;
            if (column < 0) return false;
            search_.column = column;
            search_.rows = grid_.Height(column) + 1;
            search_.first = Rand() % search_.rows;
            search_.tried = 0;
        }
        const int column = search_.column;
        const int row = (search_.first + search_.tried++) % search_.rows;
        if (!grid_.HasRoom(column) || row > grid_.Height(column)) continue;
        if (row < grid_.Height(column) && grid_.Key(column, row) == CGeneratorGrid::kHoleKey) continue;
        const int first = Rand() & 3;
        for (int k = 0; k < kColours; ++k) {
            const int colour = (first + k) % kColours + 1;
            grid_.InsertCell(column, row, colour, step_);
            const bool fits = !grid_.HasForeignNeighbour(column, row);
            grid_.RemoveCell(column, row);
            if (fits) {
                colour_ = colour;
                target = {column, row};
                return true;
            }
        }
    }
    return false;
}

CPuzzleGenerator::Target CPuzzleGenerator::ChooseGrowth() {
    int pick = Rand() % withDirections_;
    const GroupCell* from = nullptr;
    for (const GroupCell& cell : group_) {
        if (cell.directions == 0) continue;
        if (pick-- == 0) {
            from = &cell;
            break;
        }
    }
    if (from == nullptr) return {};
    const int first = Rand() & 3;
    for (int k = 0; k < 4; ++k) {
        const int direction = kDirections[(first + k) % 4];
        if ((from->directions & direction) == 0) continue;
        Target target{from->column, from->row};
        Neighbour(direction, target.column, target.row);
        return target;
    }
    return {};
}

CPuzzleGenerator::Target CPuzzleGenerator::ChooseForced() const {
    const int forced = forcedColumn_;
    for (const GroupCell& cell : group_) {
        int direction = 0;
        if (cell.column == forced) direction = (cell.directions & 1) ? 1 : (cell.directions & 2);
        else if (cell.column == forced + 1) direction = cell.directions & 4;
        else if (cell.column == forced - 1) direction = cell.directions & 8;
        if (direction == 0) continue;
        Target target{cell.column, cell.row};
        Neighbour(direction, target.column, target.row);
        return target;
    }
    return {};
}

void CPuzzleGenerator::Place(const Target& target) {
    grid_.InsertCell(target.column, target.row, colour_, step_);
    group_.push_back({target.column, target.row, 0});
    RefreshDirections();
    --toFill_;
    --remaining_;
    forcedColumn_ = FindForcedColumn();
}

void CPuzzleGenerator::RefreshDirections() {
    withDirections_ = 0;
    // By index: the test of a direction grows the list for a moment.
    for (size_t i = 0; i < group_.size(); ++i) {
        const int directions = GrowDirections(group_[i], 0);
        group_[i].directions = directions;
        if (directions != 0) ++withDirections_;
    }
}

bool CPuzzleGenerator::GroupIsClean() const {
    return std::none_of(group_.begin(), group_.end(),
                        [&](const GroupCell& cell) { return grid_.HasForeignNeighbour(cell.column, cell.row); });
}

int CPuzzleGenerator::GrowDirections(GroupCell cell, int depth) {
    int allowed = 0;
    for (const int direction : kDirections) {
        int column = cell.column;
        int row = cell.row;
        Neighbour(direction, column, row);
        if (!grid_.Inside(column, row) || !grid_.InsertCell(column, row, colour_, step_)) continue;
        group_.push_back({column, row, 0});
        const GroupCell added = group_.back();
        bool ok = GroupIsClean();
        const int height = grid_.Height(column);
        if (ok && height == CGeneratorGrid::kRows - 1 && !grid_.HasRoom(column - 1) && !grid_.HasRoom(column + 1))
            ok = depth < kMaxLookAhead && (GrowDirections(added, depth + 1) & (1 | 2)) != 0;
        if (ok && height == CGeneratorGrid::kRows) {
            const auto nearlyFull = [&](int c) { return grid_.Inside(c, 0) && grid_.Height(c) == CGeneratorGrid::kRows - 1; };
            const bool left = nearlyFull(column - 1) && !grid_.HasRoom(column - 2);
            const bool right = nearlyFull(column + 1) && !grid_.HasRoom(column + 2);
            if (left || right) {
                const int deeper = depth < kMaxLookAhead ? GrowDirections(added, depth + 1) : 0;
                ok = (!left || (deeper & 4)) && (!right || (deeper & 8));
            }
        }
        group_.pop_back();
        grid_.RemoveCell(column, row);
        if (ok) allowed |= direction;
    }
    return allowed;
}

int CPuzzleGenerator::FindForcedColumn() const {
    for (int c = 0; c < grid_.Width(); ++c)
        if (grid_.Height(c) == CGeneratorGrid::kRows - 1 && !grid_.HasRoom(c - 1) && !grid_.HasRoom(c + 1)) return c;
    return -1;
}

}  // namespace brisquet2
