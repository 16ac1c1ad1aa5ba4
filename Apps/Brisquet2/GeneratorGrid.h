// The puzzle generator's working grid: bubble colours and the number of the group that placed
// each one, with rows counted from the bottom. Cells of the group being built stay where they
// are; inserting a cell lifts the other cells of its column past them, removing one lets them
// sink back.
#pragma once

#include <array>

namespace brisquet2 {

class CGeneratorGrid {
public:
    static constexpr int kColumns = 15;
    static constexpr int kRows = 10;
    static constexpr int kHoleColour = 5;
    static constexpr int kHoleKey = -1;
    // The fixed block of transparent bubbles, in generator rows.
    static constexpr int kHoleFirstColumn = 5;
    static constexpr int kHoleLastColumn = 9;
    static constexpr int kHoleRows = 4;

    // Clears the first `width` columns and puts the holes in those of them that have any.
    void Reset(int width);

    int Width() const { return width_; }
    bool Inside(int column, int row) const { return column >= 0 && column < width_ && row >= 0 && row < kRows; }
    // Inside the working columns with room for one more bubble.
    bool HasRoom(int column) const { return column >= 0 && column < width_ && heights_[column] < kRows; }
    int Height(int column) const { return heights_[column]; }
    int Colour(int column, int row) const { return colours_[column][row]; }
    int Key(int column, int row) const { return keys_[column][row]; }
    int FreeCells() const;

    // Puts a cell of the current group `key` at (column, row), lifting the column's other cells
    // above it past the group's own. False (nothing changed) when the column is full, the row is
    // above the column's top, or the cell there is a hole or belongs to the group.
    bool InsertCell(int column, int row, int colour, int key);
    // The exact inverse for the group cell at (column, row).
    void RemoveCell(int column, int row);
    // Takes out every cell of group `key`, letting the rest sink.
    int RemoveGroup(int key);
    // A neighbour inside the working columns with the same colour and another key.
    bool HasForeignNeighbour(int column, int row) const;

    // Turns the working columns upside down and, with `mirror`, copies column c to 14 - c.
    void Finish(bool mirror);

private:
    int width_ = kColumns;
    std::array<int, kColumns> heights_{};
    std::array<std::array<int, kRows>, kColumns> colours_{};
    std::array<std::array<int, kRows>, kColumns> keys_{};
};

}  // namespace brisquet2
