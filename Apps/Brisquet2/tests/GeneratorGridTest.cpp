#include "Apps/Brisquet2/GeneratorGrid.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "Apps/Common/ModuleRandom.h"

namespace brisquet2 {
namespace {

using Snapshot = std::vector<int>;

Snapshot Take(const CGeneratorGrid& grid) {
    Snapshot cells;
    for (int c = 0; c < grid.Width(); ++c) {
        cells.push_back(grid.Height(c));
        for (int r = 0; r < CGeneratorGrid::kRows; ++r) {
            cells.push_back(grid.Colour(c, r));
            cells.push_back(grid.Key(c, r));
        }
    }
    return cells;
}

TEST(GeneratorGrid, HolesSitAtTheBottomOfTheMiddleColumns) {
    CGeneratorGrid grid;
    grid.Reset(8);
    EXPECT_EQ(grid.FreeCells(), 80 - 12);
    EXPECT_EQ(grid.Height(4), 0);
    EXPECT_EQ(grid.Height(5), 4);
    EXPECT_EQ(grid.Key(7, 3), CGeneratorGrid::kHoleKey);
    EXPECT_FALSE(grid.InsertCell(6, 2, 1, 1)) << "into a hole";
    EXPECT_FALSE(grid.InsertCell(6, 5, 1, 1)) << "above the column's top";
    EXPECT_TRUE(grid.InsertCell(6, 4, 1, 1));
}

TEST(GeneratorGrid, InsertLiftsOtherCellsPastTheGroupsOwn) {
    CGeneratorGrid grid;
    grid.Reset(3);
    // Column 0 from the bottom: a (key 1), b (key 2), then group 3's cell g.
    grid.InsertCell(0, 0, 1, 1);
    grid.InsertCell(0, 1, 2, 2);
    grid.InsertCell(0, 2, 3, 3);
    // A second cell of group 3 at the bottom: a and b go up, g stays at row 2, b jumps over it.
    ASSERT_TRUE(grid.InsertCell(0, 0, 3, 3));
    EXPECT_EQ((std::array{grid.Key(0, 0), grid.Key(0, 1), grid.Key(0, 2), grid.Key(0, 3)}), (std::array{3, 1, 3, 2}));
    EXPECT_FALSE(grid.InsertCell(0, 2, 3, 3)) << "onto the group's own cell";
    grid.RemoveCell(0, 0);
    EXPECT_EQ((std::array{grid.Key(0, 0), grid.Key(0, 1), grid.Key(0, 2), grid.Height(0)}), (std::array{1, 2, 3, 3}))
        << "taken out the same way: a and b sink back past g";
}

// Any run of inserts of one group, taken out again newest first, leaves the grid as it was;
// taking out the whole group at once does too.
TEST(GeneratorGrid, RemoveUndoesInsert) {
    ModuleRandom random;
    for (int round = 0; round < 200; ++round) {
        CGeneratorGrid grid;
        grid.Reset(CGeneratorGrid::kColumns);
        for (int i = 0; i < 60; ++i) {
            const int column = random.Next() % CGeneratorGrid::kColumns;
            grid.InsertCell(column, random.Next() % (grid.Height(column) + 1), random.Next() % 4 + 1, 1 + i % 7);
        }
        const Snapshot before = Take(grid);
        const int group = 100;
        std::vector<std::pair<int, int>> placed;
        for (int i = 0; i < 25; ++i) {
            const int column = random.Next() % CGeneratorGrid::kColumns;
            const int row = random.Next() % (grid.Height(column) + 1);
            if (grid.InsertCell(column, row, 2, group)) placed.emplace_back(column, row);
        }
        CGeneratorGrid whole = grid;
        EXPECT_EQ(whole.RemoveGroup(group), static_cast<int>(placed.size()));
        EXPECT_EQ(Take(whole), before) << round;
        for (auto it = placed.rbegin(); it != placed.rend(); ++it) grid.RemoveCell(it->first, it->second);
        ASSERT_EQ(Take(grid), before) << round;
    }
}

}  // namespace
}  // namespace brisquet2
