#include "Apps/Grumbolt/SwampBoard.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace grumbolt {
namespace {

// Rows of text, top first: '.' water, 'o' lilypad, 'F' frog.
SwampBoard Parse(std::initializer_list<std::string_view> rows) {
    SwampBoard b;
    int r = 0;
    for (const std::string_view row : rows) {
        for (int c = 0; c < static_cast<int>(row.size()); ++c)
            b.Set({c, r}, row[c] == 'F' ? kFrog : row[c] == 'o' ? kLilypad : kWater);
        ++r;
    }
    return b;
}

TEST(SwampBoard, JumpsAllowedAndRefused) {
    const SwampBoard b = Parse({"ooFoo", "ooFoo", "FFFFo", "ooFoo", "ooooo", "oF..."});
    struct Case {
        CellPos from, to;
        bool legal;
    };
    const std::vector<Case> cases = {
        {{2, 2}, {2, 0}, false},  // target holds a frog
        {{2, 2}, {4, 2}, true},   // right over (3, 2)
        {{2, 2}, {2, 4}, true},   // down over (2, 3)
        {{2, 2}, {0, 2}, false},  // target holds a frog
        {{2, 0}, {4, 0}, false},  // nothing to jump over
        {{3, 2}, {1, 2}, false},  // target holds a frog
        {{2, 3}, {2, 1}, false},  // target holds a frog
        {{2, 1}, {2, 3}, false},  // target holds a frog
        {{2, 0}, {2, 2}, false},
        {{1, 2}, {3, 4}, false},  // diagonal
        {{2, 3}, {2, 4}, false},  // one cell only
        {{2, 2}, {2, 5}, false},  // three cells
        {{1, 5}, {3, 5}, false},  // onto water
        {{0, 4}, {0, 6}, false},  // no frog at the start
        {{0, 2}, {-2, 2}, false}, // off the board
    };
    for (const Case& k : cases) {
        EXPECT_EQ(b.JumpTo(k.from, k.to).has_value(), k.legal)
            << k.from.column << "," << k.from.row << " -> " << k.to.column << "," << k.to.row;
    }
    EXPECT_TRUE(b.CanJump({2, 2}));
    for (const CellPos p : {CellPos{0, 2}, CellPos{2, 0}, CellPos{1, 5}, CellPos{4, 4}}) EXPECT_FALSE(b.CanJump(p));
}

TEST(SwampBoard, ApplySinksTheJumpedFrog) {
    SwampBoard b = Parse({"FFo"});
    const auto jump = b.JumpTo({0, 0}, {2, 0});
    ASSERT_TRUE(jump.has_value());
    EXPECT_EQ(jump->over, (CellPos{1, 0}));
    b.Apply(*jump);
    EXPECT_EQ(b, Parse({"ooF"}));
    EXPECT_EQ(b.State(), SwampState::Solved);
}

TEST(SwampBoard, EndStates) {
    EXPECT_EQ(Parse({"FFo"}).State(), SwampState::Playing);
    EXPECT_EQ(Parse({"FoF"}).State(), SwampState::Stuck);
    EXPECT_EQ(Parse({"FF."}).State(), SwampState::Stuck);
    // A frog at the edge has nothing beyond it.
    EXPECT_EQ(Parse({"ooooooooooF", "ooooooooooF"}).State(), SwampState::Stuck);
    EXPECT_EQ(Parse({"ooF"}).State(), SwampState::Solved);
}

}  // namespace
}  // namespace grumbolt
