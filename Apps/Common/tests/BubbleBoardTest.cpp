#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Apps/Common/BubbleBoard.h"

namespace {

constexpr BubbleRules kFourColours{0x1E, 0};

// Rows top to bottom, one character a cell: '.' empty, digits kinds.
CBubbleBoard Board(const std::vector<std::string>& rows) {
    CBubbleBoard board(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int r = 0; r < board.Height(); ++r)
        for (int c = 0; c < board.Width(); ++c)
            if (rows[r][c] != '.') board.Set(c, r, rows[r][c] - '0');
    return board;
}

std::vector<std::string> Rows(const CBubbleBoard& board) {
    std::vector<std::string> rows(static_cast<size_t>(board.Height()), std::string(static_cast<size_t>(board.Width()), '.'));
    for (int r = 0; r < board.Height(); ++r)
        for (int c = 0; c < board.Width(); ++c)
            if (board.At(c, r) != 0) rows[r][c] = static_cast<char>('0' + board.At(c, r));
    return rows;
}

TEST(BubbleBoard, SidesAreHeldToTheGrid) {
    EXPECT_EQ(CBubbleBoard(0, 25).Width(), 1);
    EXPECT_EQ(CBubbleBoard(0, 25).Height(), CBubbleBoard::kMaxSide);
    CBubbleBoard board(8, 10);
    board.Set(8, 0, 1);
    board.Set(-1, 3, 1);
    EXPECT_EQ(board.At(8, 0), 0);
    EXPECT_EQ(board.At(-1, 3), 0);
}

TEST(BubbleBoard, PopsGroupsOfTwoOrMoreAndDropsColumnsStraightDown) {
    CBubbleBoard board = Board({"12.", "211", "225"});
    EXPECT_EQ(board.PopNow(0, 0, kFourColours), 0);  // a single bubble
    EXPECT_EQ(board.PopNow(2, 2, kFourColours), 0);  // a transparent one
    EXPECT_EQ(board.PopNow(1, 1, kFourColours), 2);
    EXPECT_EQ(Rows(board), (std::vector<std::string>{"1..", "22.", "225"}));
    EXPECT_EQ(board.PopNow(0, 1, kFourColours), 4);
    EXPECT_EQ(Rows(board), (std::vector<std::string>{"...", "...", "1.5"}));
    EXPECT_EQ(board.Evaluate(kFourColours), BubbleBoardState::DeadEnd);
    board.Set(0, 2, 0);
    EXPECT_EQ(board.Evaluate(kFourColours), BubbleBoardState::Solved);  // only a transparent bubble left
}

TEST(BubbleBoard, PoppingBubblesHoldUpTheColumnUntilRemoved) {
    CBubbleBoard board = Board({"3.", "1.", "2.", "11", "22"});
    const auto first = board.MarkGroup(0, 1, kFourColours);  // a lone bubble
    EXPECT_TRUE(first.empty());
    const auto lower = board.MarkGroup(0, 4, kFourColours);
    ASSERT_EQ(lower.size(), 2u);
    EXPECT_TRUE(board.MarkGroup(1, 4, kFourColours).empty());  // already popping
    const auto upper = board.MarkGroup(1, 3, kFourColours);
    ASSERT_EQ(upper.size(), 2u);
    board.Remove(upper);
    // (0, 2) rests on the popping 2 below it; only what was above the removed 1 falls.
    EXPECT_EQ(board.Settle(), (std::vector<BubbleFall>{{0, 2, 3}, {0, 1, 2}, {0, 0, 1}}));
    EXPECT_EQ(board.Evaluate(kFourColours), BubbleBoardState::Playing);
    EXPECT_TRUE(board.Group(0, 3).empty());  // falling bubbles join nothing
    for (int r = 1; r <= 3; ++r) board.Land(0, r);
    board.Remove(lower);
    EXPECT_EQ(board.Settle(), (std::vector<BubbleFall>{{0, 3, 4}, {0, 2, 3}, {0, 1, 2}}));
    EXPECT_EQ(board.FallingCount(), 3);
    EXPECT_EQ(board.PoppingCount(), 0);
}

TEST(BubbleBoard, AWholeBoardOfOneKindIsOneGroup) {
    CBubbleBoard board(CBubbleBoard::kMaxSide, CBubbleBoard::kMaxSide);
    for (int c = 0; c < board.Width(); ++c)
        for (int r = 0; r < board.Height(); ++r) board.Set(c, r, 2);
    EXPECT_EQ(board.PopNow(7, 7, kFourColours), 400);
    EXPECT_EQ(board.Evaluate(kFourColours), BubbleBoardState::Solved);
}

TEST(BubbleBoard, AlwaysMovableKindsKeepPlayGoing) {
    const CBubbleBoard board = Board({"5.", "12"});
    EXPECT_EQ(board.Evaluate({0x7E, 0}), BubbleBoardState::DeadEnd);
    EXPECT_EQ(board.Evaluate({0x5E, BubbleKindBit(5)}), BubbleBoardState::Playing);
}

}  // namespace
