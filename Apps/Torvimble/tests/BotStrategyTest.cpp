// The bot's choices at the three tables.
#include "Apps/Torvimble/BotStrategy.h"

#include <gtest/gtest.h>

#include <vector>

namespace torvimble {
namespace {

TEST(BotStrategyTest, BlackjackFollowsBasicStrategy) {
    struct Case {
        std::vector<int> ranks;
        int up;
        bool canSplit, canDouble;
        BlackjackMove move;
    };
    const Case cases[] = {
        {{10, 6}, 10, false, false, BlackjackMove::Hit},
        {{10, 6}, 6, false, false, BlackjackMove::Stand},
        {{10, 2}, 3, false, false, BlackjackMove::Hit},
        {{10, 2}, 5, false, false, BlackjackMove::Stand},
        {{5, 6}, 10, false, true, BlackjackMove::Double},
        {{5, 6}, 10, false, false, BlackjackMove::Hit},
        {{kAce, 7}, 9, false, false, BlackjackMove::Hit},
        {{kAce, 7}, 2, false, false, BlackjackMove::Stand},
        {{kAce, 6}, 4, false, true, BlackjackMove::Double},
        {{8, 8}, 10, true, false, BlackjackMove::Split},
        {{kKing, kKing}, 6, true, false, BlackjackMove::Stand},
        {{kAce, kAce}, 10, true, false, BlackjackMove::Split},
        {{9, 9}, 7, true, false, BlackjackMove::Stand},
        {{9, 9}, 7, false, false, BlackjackMove::Stand},
        {{2, 3, 4, 2}, 10, false, false, BlackjackMove::Hit},
        {{kAce, 5, 2}, 5, false, false, BlackjackMove::Stand},
        {{kAce, 5, 2}, 10, false, false, BlackjackMove::Hit},
    };
    for (const Case& c : cases) {
        std::vector<CardValue> hand;
        for (const int rank : c.ranks) hand.push_back({rank, kClubs});
        EXPECT_EQ(BasicStrategy(hand, {c.up, kHearts}, c.canSplit, c.canDouble), c.move)
            << c.ranks[0] << "," << c.ranks[1] << " against " << c.up;
    }
}

TEST(BotStrategyTest, PokerHoldsKeepWhatCanPay) {
    using Hand = std::array<CardValue, 5>;
    struct Case {
        Hand hand;
        std::array<bool, 5> hold;
    };
    const Case cases[] = {
        {{{{3, 0}, {9, 1}, {3, 2}, {kKing, 3}, {5, 0}}}, {true, false, true, false, false}},
        {{{{2, 2}, {9, 2}, {kQueen, 2}, {5, 2}, {7, 0}}}, {true, true, true, true, false}},
        {{{{5, 0}, {6, 1}, {7, 2}, {8, 3}, {kKing, 0}}}, {true, true, true, true, false}},
        {{{{kAce, 0}, {2, 1}, {kKing, 2}, {7, 3}, {4, 0}}}, {true, false, true, false, false}},
        {{{{4, 0}, {4, 1}, {4, 2}, {9, 3}, {9, 0}}}, {true, true, true, true, true}},
        {{{{kJack, 0}, {kQueen, 1}, {kKing, 2}, {kAce, 3}, {3, 0}}}, {true, true, true, true, false}},
    };
    for (const Case& c : cases) EXPECT_EQ(ChooseHolds(c.hand), c.hold);
}

TEST(BotStrategyTest, RaisesOnlyOnWideSpreads) {
    EXPECT_EQ(ChooseRaise(12, 3), 3);
    EXPECT_EQ(ChooseRaise(8, 2), 2);
    EXPECT_EQ(ChooseRaise(7, 5), 0);
    EXPECT_EQ(ChooseRaise(10, 0), 0);
}

}  // namespace
}  // namespace torvimble
