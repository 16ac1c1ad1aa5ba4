#include "Apps/Brisquet2/GeneratorGrid.h"

#include <algorithm>

namespace brisquet2 {

void CGeneratorGrid::Reset(int width) {
    width_ = std::clamp(width, 1, kColumns);
    for (int c = 0; c < width_; ++c) {
        colours_[c].fill(0);
        keys_[c].fill(0);
        heights_[c] = 0;
        if (c < kHoleFirstColumn || c > kHoleLastColumn) continue;
        for (int r = 0; r < kHoleRows; ++r) {
            colours_[c][r] = kHoleColour;
            keys_[c][r] = kHoleKey;
        }
        heights_[c] = kHoleRows;
    }
}

int CGeneratorGrid::FreeCells() const {
    int free = 0;
    for (int c = 0; c < width_; ++c) free += kRows - heights_[c];
    return free;
}

bool CGeneratorGrid::InsertCell(int column, int row, int colour, int key) {
    if (!HasRoom(column) || row < 0 || row > heights_[column]) return false;
    auto& colours = colours_[column];
    auto& keys = keys_[column];
    if (row < heights_[column] && (keys[row] == kHoleKey || keys[row] == key)) return false;
    // Each free slot from the top down takes the nearest cell below it that is not the group's.
    int to = heights_[column];
    for (int from = to - 1; from >= row; --from) {
        if (keys[from] == key) continue;
        colours[to] = colours[from];
        keys[to] = keys[from];
        to = from;
    }
    colours[row] = colour;
    keys[row] = key;
    ++heights_[column];
    return true;
}

void CGeneratorGrid::RemoveCell(int column, int row) {
    if (!Inside(column, row) || row >= heights_[column]) return;
    auto& colours = colours_[column];
    auto& keys = keys_[column];
    const int key = keys[row];
    int to = row;
    for (int from = row + 1; from < heights_[column]; ++from) {
        if (keys[from] == key) continue;
        colours[to] = colours[from];
        keys[to] = keys[from];
        to = from;
    }
    colours[to] = 0;
    keys[to] = 0;
    --heights_[column];
}

int CGeneratorGrid::RemoveGroup(int key) {
    int removed = 0;
    for (int c = 0; c < width_; ++c) {
        int to = 0;
        for (int from = 0; from < heights_[c]; ++from) {
            if (keys_[c][from] == key) continue;
            colours_[c][to] = colours_[c][from];
            keys_[c][to] = keys_[c][from];
            ++to;
        }
        removed += heights_[c] - to;
        for (int r = to; r < heights_[c]; ++r) colours_[c][r] = keys_[c][r] = 0;
        heights_[c] = to;
    }
    return removed;
}

bool CGeneratorGrid::HasForeignNeighbour(int column, int row) const {
    constexpr int kSteps[4][2] = {{0, 1}, {0, -1}, {-1, 0}, {1, 0}};
    const int colour = colours_[column][row];
    const int key = keys_[column][row];
    return std::any_of(std::begin(kSteps), std::end(kSteps), [&](const int* step) {
        const int c = column + step[0];
        const int r = row + step[1];
        return Inside(c, r) && colours_[c][r] == colour && keys_[c][r] != key;
    });
}

void CGeneratorGrid::Finish(bool mirror) {
    for (int c = 0; c < width_; ++c) {
        std::reverse(colours_[c].begin(), colours_[c].end());
        std::reverse(keys_[c].begin(), keys_[c].end());
    }
    if (!mirror) return;
    for (int c = 0; c < width_ && kColumns - 1 - c >= width_; ++c) {
        colours_[kColumns - 1 - c] = colours_[c];
        keys_[kColumns - 1 - c] = keys_[c];
    }
}

}  // namespace brisquet2
