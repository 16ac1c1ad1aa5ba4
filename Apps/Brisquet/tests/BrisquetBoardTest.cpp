#include "Apps/Brisquet/BrisquetBoard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Apps/Brisquet/BestLevel.h"

namespace brisquet {
namespace {

// Rows from the top, one string per row, digits are kinds.
Level Board(const std::vector<std::string>& rows) {
    Level level;
    level.width = static_cast<int>(rows[0].size());
    level.height = static_cast<int>(rows.size());
    level.kindCount = kMaxKinds;
    for (const std::string& row : rows) {
        for (const char c : row) level.cells.push_back(c - '0');
    }
    return level;
}

const std::vector<std::string> kFull(10, "12341234");

TEST(BrisquetBoard, BlackBlastsItsBlockClippedToTheBoard) {
    const struct {
        int column, row;
        size_t popped;
    } cases[] = {{0, 0, 4}, {7, 9, 4}, {0, 4, 6}, {3, 0, 6}, {3, 4, 9}};
    for (const auto& c : cases) {
        std::vector<std::string> rows = kFull;
        rows[static_cast<size_t>(c.row)][static_cast<size_t>(c.column)] = '5';
        BrisquetBoard board(Board(rows), 1);
        const ClickOutcome outcome = board.Click(c.column, c.row);
        EXPECT_EQ(outcome.result, ClickResult::Blasted);
        EXPECT_EQ(outcome.popping.size(), c.popped) << c.column << "," << c.row;
        EXPECT_EQ(board.CheckBoardState(), ScreenState::Playing) << "nothing ends while bubbles pop";
        EXPECT_EQ(board.Click(c.column, c.row).result, ClickResult::Ignored);
        board.EndPop();
        int left = 0;
        for (const int kind : board.Grid().Cells()) left += kind != 0;
        EXPECT_EQ(left, 80 - static_cast<int>(c.popped));
    }
}

TEST(BrisquetBoard, GroupsPopAndFallSinglesDoNot) {
    BrisquetBoard board(Board({"12", "33", "21"}), 1);
    EXPECT_EQ(board.Click(0, 0).result, ClickResult::NoMove);
    EXPECT_EQ(board.Click(1, 1).popping.size(), 2u);
    EXPECT_TRUE(board.Popping(0, 1));
    EXPECT_EQ(board.Click(0, 1).result, ClickResult::Ignored);
    EXPECT_EQ(board.EndPop().size(), 2u);
    EXPECT_EQ(board.Grid().Cells(), (std::vector<int>{0, 1, 2, 0, 2, 1}));
}

TEST(BrisquetBoard, EndOfScreenDependsOnBoardAndScreen) {
    const struct {
        std::vector<std::string> rows;
        int screen;
        ScreenState state;
    } cases[] = {
        {{"00", "12"}, 4, ScreenState::DeadEnd},
        {{"00", "05"}, 4, ScreenState::Playing},  // a black bubble alone can still be clicked
        {{"10", "12"}, 4, ScreenState::Playing},
        {{"00", "00"}, 4, ScreenState::KeepGoing},
        {{"00", "00"}, 10, ScreenState::Promotion},
        {{"00", "00"}, 20, ScreenState::Promotion},
        {{"00", "00"}, 29, ScreenState::KeepGoing},
        {{"00", "00"}, 30, ScreenState::GameWon},
    };
    for (const auto& c : cases) EXPECT_EQ(BrisquetBoard(Board(c.rows), c.screen).CheckBoardState(), c.state) << c.screen;
}

TEST(BrisquetBoard, RestartBringsBackTheLoadedBubbles) {
    BrisquetBoard board(Board({"51", "21"}), 7);
    const std::vector<int> loaded = board.Grid().Cells();
    board.Click(0, 0);
    board.EndPop();
    EXPECT_EQ(board.CheckBoardState(), ScreenState::KeepGoing);
    board.Restart();
    EXPECT_EQ(board.Grid().Cells(), loaded);
    EXPECT_EQ(board.Screen(), 7);
}

TEST(BrisquetBoard, KeepGoingCountsTheScreensLeft) {
    EXPECT_EQ(KeepGoingLines(3), (std::vector<std::string>{"So, you made it", "past screen 3.", "Very good, but ...",
                                                            "Can you beat the", "other 27 screens?"}));
    EXPECT_EQ(KeepGoingLines(29).back(), "last screen?");
    EXPECT_EQ(KeepGoingLines(28).back(), "other 2 screens?");
}

TEST(BrisquetBestLevel, OnlyRisesAndOpensBands) {
    const struct {
        int stored, nextScreen, best;
    } promotions[] = {{0, 11, 1}, {1, 21, 2}, {2, 11, 2}, {-5, 11, 1}, {9, 21, 2}};
    for (const auto& p : promotions) EXPECT_EQ(PromotedBestLevel(p.stored, p.nextScreen), p.best) << p.stored;
    EXPECT_TRUE(BandOpen(0, 0));
    EXPECT_FALSE(BandOpen(1, 0));
    EXPECT_FALSE(BandOpen(2, 1));
    EXPECT_TRUE(BandOpen(2, 2));
    EXPECT_EQ(BandFirstScreen(2), 21);
}

}  // namespace
}  // namespace brisquet
