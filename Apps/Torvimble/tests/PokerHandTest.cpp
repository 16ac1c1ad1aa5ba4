// Draw poker: every five-card hand ranked against the known counts, the pay table and the marker,
// and the table's deal and draw.
#include "Apps/Torvimble/PokerHand.h"

#include <gtest/gtest.h>

#include <array>

#include "Apps/Torvimble/BotStrategy.h"
#include "Apps/Torvimble/VideoPokerTable.h"

namespace torvimble {
namespace {

using Hand = std::array<CardValue, kPokerCards>;

Hand H(std::array<int, 5> ranks, std::array<int, 5> suits = {0, 1, 2, 3, 0}) {
    Hand hand;
    for (size_t i = 0; i < hand.size(); ++i) hand[i] = {ranks[i], suits[i]};
    return hand;
}

// The bot ranks hands its own way: the two agree on every hand.
TEST(PokerHandTest, EveryHandOfThePackRanksAsTheKnownCountsAndAsTheBotRanksIt) {
    std::array<int, kPokerRanks + 1> counts{};
    int disagreements = 0;
    std::array<CardValue, 52> pack;
    for (int i = 0; i < 52; ++i) pack[static_cast<size_t>(i)] = {i % 13 + 1, i / 13};
    Hand hand;
    for (int a = 0; a < 48; ++a)
        for (int b = a + 1; b < 49; ++b)
            for (int c = b + 1; c < 50; ++c)
                for (int d = c + 1; d < 51; ++d)
                    for (int e = d + 1; e < 52; ++e) {
                        hand = {pack[static_cast<size_t>(a)], pack[static_cast<size_t>(b)], pack[static_cast<size_t>(c)],
                                pack[static_cast<size_t>(d)], pack[static_cast<size_t>(e)]};
                        const int rank = EvaluatePokerHand(hand);
                        ++counts[static_cast<size_t>(rank)];
                        disagreements += rank != BotPokerRank(hand) ? 1 : 0;
                    }
    const std::array<int, kPokerRanks + 1> expected = {2062860, 4, 48, 36, 576, 3744, 5108, 10200, 54912, 123552, 337920};
    EXPECT_EQ(counts, expected);
    EXPECT_EQ(disagreements, 0);
}

TEST(PokerHandTest, StraightsRunAceLowOrHighButNotAroundTheCorner) {
    EXPECT_EQ(EvaluatePokerHand(H({kAce, 2, 3, 4, 5})), 7);
    EXPECT_EQ(EvaluatePokerHand(H({10, kJack, kQueen, kKing, kAce})), 7);
    EXPECT_EQ(EvaluatePokerHand(H({kQueen, kKing, kAce, 2, 3})), 0);
    EXPECT_EQ(EvaluatePokerHand(H({10, 10, 3, 4, 8})), 0) << "a pair of tens pays nothing";
    EXPECT_EQ(EvaluatePokerHand(H({kAce, kAce, 3, 4, 8})), 10);
}

TEST(PokerHandTest, PayAndMarkerFollowTheWin) {
    EXPECT_EQ(PokerPays(EvaluatePokerHand(H({kAce, kAce, kAce, kAce, 7}))), 400);
    EXPECT_EQ(PokerPays(EvaluatePokerHand(H({9, 9, 9, 9, 7}))), 50);
    const int royal = EvaluatePokerHand(H({kAce, kKing, kQueen, kJack, 10}, {2, 2, 2, 2, 2}));
    EXPECT_EQ(royal, 1);
    EXPECT_EQ(PokerPays(royal) * 5, 5000);
    struct Case {
        int rank, bet, x, y;
    };
    const Case cases[] = {{1, 5, 275, 65}, {1, 1, 275, 65}, {2, 2, 265, 77}, {5, 1, 256, 113}, {10, 5, 247, 173}, {9, 5, 256, 161}};
    for (const Case& c : cases) {
        const MarkerSpot spot = PokerMarker(c.rank, c.bet);
        EXPECT_EQ(spot.x, c.x) << "rank " << c.rank << " bet " << c.bet;
        EXPECT_EQ(spot.y, c.y);
    }
}

TEST(VideoPokerTableTest, HoldingEveryCardDrawsNothingAndTheDrawIsPaid) {
    VideoPokerTable table;
    table.ChooseBet(3);
    table.ChooseBet(3);
    EXPECT_EQ(table.Bet(), 3) << "the chosen bet stays chosen";
    EXPECT_TRUE(table.Press());
    EXPECT_EQ(table.Replaced(), (std::array<bool, 5>{true, true, true, true, true}));
    const PokerResult dealt = table.CardsShown(H({kJack, kJack, 3, 4, 9}));
    EXPECT_EQ(dealt.rank, 10) << "the dealt hand's rank shows at once";
    EXPECT_EQ(dealt.change, 0);
    EXPECT_TRUE(table.InHand());
    for (int i = 0; i < 5; ++i) table.ToggleHold(i);
    EXPECT_FALSE(table.Press());
    EXPECT_EQ(table.Replaced(), (std::array<bool, 5>{}));
    EXPECT_EQ(table.CardsShown(H({kJack, kJack, 3, 4, 9})).change, 3);
    EXPECT_FALSE(table.InHand());

    table.Press();
    table.CardsShown(H({2, 5, 7, 9, kJack}));
    table.ToggleHold(4);
    table.Press();
    EXPECT_EQ(table.Replaced(), (std::array<bool, 5>{true, true, true, true, false}));
    EXPECT_EQ(table.CardsShown(H({2, 5, 7, 9, kJack})).change, -3);
}

}  // namespace
}  // namespace torvimble
