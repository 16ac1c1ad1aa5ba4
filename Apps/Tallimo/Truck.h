// A truck's load: 3 x size columns of 4 shelves, the grey pattern it must match and the balls
// that landed. Cell i is column i / 4, shelf i % 4; shelf 0 is the floor.
#pragma once

#include <vector>

#include "Apps/Tallimo/LevelTable.h"

namespace tallimo {

inline constexpr int kShelves = 4;
inline constexpr int kCellSize = 32;
inline constexpr int kNoBall = -1;

// Where the truck stops, by size 2 to 4.
int TruckLeftEdge(int size);
// The truck surface's width in pixels.
int TruckWidth(int size);

class Truck {
public:
    explicit Truck(int size);

    // Each cell's kind from rand() modulo kinds, in cell order.
    void DrawPattern(int kinds, const RandomSource& rand);

    int Columns() const { return columns_; }
    int CellCount() const { return columns_ * kShelves; }
    int Pattern(int cell) const { return pattern_.at(static_cast<size_t>(cell)); }
    // kNoBall while the cell is empty.
    int Ball(int cell) const { return balls_.at(static_cast<size_t>(cell)); }
    bool HasRoom(int column) const;
    bool IsFull() const;

    // The column under a ball at x, kept inside the truck.
    int ColumnAt(int x, int leftEdge) const;
    // The column under a ball at x on a truck whose left edge is `leftEdge`, kept inside the
    // truck; when it is full, the nearest column with room, one side first (rand() & 1 picks
    // which: 1 the right). -1 when the truck is full.
    int LandingColumn(int x, int leftEdge, const RandomSource& rand) const;
    // Puts the ball on the lowest free shelf of the column: its cell, or -1 when there is no room.
    int Land(int column, int kind);

private:
    int columns_;
    std::vector<int> pattern_;
    std::vector<int> balls_;
};

// A landed ball's y on the truck surface.
int ShelfY(int shelf);
// A ball's x over a column: a 2-pixel gap follows every three columns.
int ColumnX(int leftEdge, int column);

}  // namespace tallimo
