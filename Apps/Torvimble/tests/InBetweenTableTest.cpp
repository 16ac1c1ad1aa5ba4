// In-between: the spread, the pay for the middle card, the raise offered, and the hand's phases.
#include "Apps/Torvimble/InBetweenTable.h"

#include <gtest/gtest.h>

namespace torvimble {
namespace {

CardValue C(int rank) { return {rank, kHearts}; }

TEST(InBetweenTest, MiddleCardPaysByTheSpread) {
    struct Case {
        int left, right, middle, stake, change;
    };
    const Case cases[] = {
        {3, 5, 4, 4, 20},          // spread 2 pays five times
        {5, 3, 4, 4, 20},          // either order
        {3, 6, 5, 2, 8},           // spread 3 pays four times
        {3, 7, 4, 3, 6},           // spread 4 pays twice
        {kAce, 2, 3, 2, 2},        // ace high: spread 12 pays even money
        {kAce, 2, kKing, 2, 2},
        {kAce, 2, kAce, 2, -2},    // a middle card equal to an outer card loses
        {kAce, 2, 2, 2, -2},
        {3, 9, kKing, 5, -5},
        {7, 7, 7, 3, 33},          // three of a kind pays eleven times
        {7, 7, 8, 3, -3},
        {kQueen, kKing, 5, 3, 0},  // consecutive: no result
    };
    for (const Case& c : cases)
        EXPECT_EQ(InBetweenPayout(JudgeSpread(C(c.left), C(c.right)), C(c.middle), c.stake), c.change)
            << c.left << "-" << c.right << " middle " << c.middle;
}

TEST(InBetweenTest, SpreadPicksTheWinStripColumn) {
    struct Case {
        int left, right;
        SpreadKind kind;
        int marker, markerX;
    };
    const Case cases[] = {
        {9, 9, SpreadKind::Pair, 13, 368},
        {kQueen, kKing, SpreadKind::Consecutive, 12, 336},
        {3, 5, SpreadKind::Open, 1, 93},
        {kAce, 2, SpreadKind::Open, 11, 315},
    };
    for (const Case& c : cases) {
        const Spread spread = JudgeSpread(C(c.left), C(c.right));
        EXPECT_EQ(spread.kind, c.kind);
        EXPECT_EQ(spread.markerIndex, c.marker);
        EXPECT_EQ(InBetweenMarkerX(spread.markerIndex), c.markerX);
    }
    EXPECT_LT(InBetweenMarkerX(0), 0) << "index 0 hides the marker";
}

TEST(InBetweenTest, RaiseIsBoundByTheBetAndWhatTheHoldingsCoverBeyondIt) {
    EXPECT_EQ(RaiseLimit(3, 3), 0);
    EXPECT_EQ(RaiseLimit(3, 10), 3);
    EXPECT_EQ(RaiseLimit(3, 4), 1);
    InBetweenTable table;
    table.Choose(3);
    table.StartHand();
    table.OuterCardsShown(C(3), C(9), 10);
    for (int id = 1; id <= 5; ++id) EXPECT_EQ(table.ButtonUsable(id, 10), id <= 3) << "raise " << id;
    EXPECT_EQ(table.Choose(2), 2);
    EXPECT_EQ(table.Stake(), 5);
}

TEST(InBetweenTest, ChoosingTheSelectedBetAgainLeavesNoBetAndNoDeal) {
    InBetweenTable table;
    EXPECT_EQ(table.Bet(), 1);
    EXPECT_EQ(table.Choose(1), 0);
    EXPECT_FALSE(table.CanDeal());
    EXPECT_EQ(table.Choose(4), 4);
    EXPECT_EQ(table.Choose(2), 2) << "another button takes the place of the chosen one";
    EXPECT_TRUE(table.CanDeal());
}

TEST(InBetweenTest, ConsecutiveOuterCardsEndTheHandWithNothingAtStake) {
    InBetweenTable table;
    table.Choose(3);
    table.StartHand();
    EXPECT_TRUE(table.InHand());
    table.OuterCardsShown(C(kQueen), C(kKing), 10);
    EXPECT_FALSE(table.InHand()) << "leaving now must not cost the bet";
    EXPECT_TRUE(table.BetPhase());
    EXPECT_EQ(table.Bet(), 3);
}

TEST(InBetweenTest, RevealSettlesAndReturnsToBetting) {
    InBetweenTable table;
    table.Choose(2);
    table.StartHand();
    table.OuterCardsShown(C(3), C(5), 10);
    table.Choose(2);
    const InBetweenResult won = table.Reveal(C(4));
    EXPECT_EQ(won.change, 20);
    EXPECT_EQ(won.message, "Won 20 Clams");
    EXPECT_FALSE(table.InHand());
    table.BackToBetting(30);
    EXPECT_TRUE(table.BetPhase());
    EXPECT_EQ(table.Bet(), 2);

    table.StartHand();
    table.OuterCardsShown(C(7), C(7), 30);
    EXPECT_EQ(table.Reveal(C(7)).message, "3 of a kind - Win 22 Clams!");
    table.BackToBetting(1);
    EXPECT_FALSE(table.CanDeal()) << "a bet the holdings no longer cover is dropped";
    table.StartHand();
    table.OuterCardsShown(C(2), C(9), 1);
    EXPECT_EQ(table.Reveal(C(9)).message, "Lost 0 Clams");
}

}  // namespace
}  // namespace torvimble
