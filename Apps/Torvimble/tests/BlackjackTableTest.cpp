// The blackjack rules: hand values, naturals, splits, the dealer's play and the settlement, and
// random rounds that keep the table's invariants.
#include "Apps/Torvimble/BlackjackTable.h"

#include <gtest/gtest.h>

#include <random>

namespace torvimble {
namespace {

CardValue C(int rank, int suit = kSpades) { return {rank, suit}; }

TEST(BlackjackValueTest, AcesCountElevenUntilTheHandWouldBust) {
    struct Case {
        std::vector<CardValue> cards;
        int value;
    };
    const Case cases[] = {
        {{}, 0},
        {{C(kAce), C(kAce), C(9)}, 21},
        {{C(kAce), C(kAce)}, 12},
        {{C(kAce), C(6), C(10)}, 17},
        {{C(kKing), C(kQueen)}, 20},
        {{C(kAce), C(kAce), C(kAce), C(kAce)}, 14},
        {{C(kJack), C(5), C(kKing)}, 25},
    };
    for (const Case& c : cases) EXPECT_EQ(BlackjackValue(c.cards), c.value) << c.cards.size() << " cards";
    EXPECT_TRUE(IsNatural(std::vector{C(10), C(kAce)}));
    EXPECT_TRUE(IsNatural(std::vector{C(kAce), C(kJack)}));
    EXPECT_FALSE(IsNatural(std::vector{C(9), C(kAce)}));
    EXPECT_FALSE(IsNatural(std::vector{C(5), C(6), C(kQueen)}));
}

TEST(BlackjackTableTest, NaturalPushesAgainstADealerNaturalAndOtherwiseWinsOneAndAHalfRoundedUp) {
    const int wins[] = {2, 3, 5, 6, 8};
    for (int bet = 1; bet <= 5; ++bet) {
        BlackjackTable table;
        table.Deal(bet, C(kAce), C(kKing), C(10), C(kQueen));
        EXPECT_EQ(table.AfterInitialDeal(), BlackjackStep::DealerPlays);
        EXPECT_FALSE(table.DealerDecides()) << "the dealer stands on 20";
        const auto results = table.Settle();
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0].outcome, Outcome::Win);
        EXPECT_EQ(results[0].amount, wins[bet - 1]) << "bet " << bet;
    }
    BlackjackTable table;
    table.Deal(3, C(kAce), C(kKing), C(kAce, kHearts), C(kJack));
    EXPECT_EQ(table.AfterInitialDeal(), BlackjackStep::SettleNow);
    EXPECT_EQ(table.Settle()[0].outcome, Outcome::Push);
}

TEST(BlackjackTableTest, DealerNaturalSettlesAtOnceAndTakesTheStake) {
    BlackjackTable table;
    table.Deal(4, C(10), C(9), C(kAce), C(kKing));
    EXPECT_EQ(table.AfterInitialDeal(), BlackjackStep::SettleNow);
    const auto results = table.Settle();
    EXPECT_EQ(results[0].outcome, Outcome::Lose);
    EXPECT_EQ(results[0].amount, 4);
    EXPECT_FALSE(table.InHand());
}

TEST(BlackjackTableTest, FiveCardsWinAtOnceEvenAgainstADealerTwentyOne) {
    BlackjackTable table;
    table.Deal(2, C(2), C(3), C(7), C(4));
    EXPECT_EQ(table.AfterInitialDeal(), BlackjackStep::PlayerActs);
    EXPECT_EQ(table.Hit(C(2)), BlackjackStep::PlayerActs);
    EXPECT_EQ(table.Hit(C(4)), BlackjackStep::PlayerActs);
    EXPECT_EQ(table.Hit(C(5)), BlackjackStep::SettleNow) << "every hand won by five cards: no dealer play";
    table.DealerTake(C(kKing));
    EXPECT_EQ(table.DealerValue(), 21);
    const auto results = table.Settle();
    EXPECT_EQ(results[0].outcome, Outcome::Win);
    EXPECT_EQ(results[0].amount, 2);
    EXPECT_TRUE(results[0].fiveCards);
}

TEST(BlackjackTableTest, SplitAcesBecomeNaturalsAndTheDealerDrawsNoThirdCard) {
    BlackjackTable table;
    table.Deal(1, C(kAce), C(kAce, kHearts), C(6), C(6, kHearts));
    EXPECT_EQ(table.AfterInitialDeal(), BlackjackStep::PlayerActs);
    ASSERT_TRUE(table.CanSplit());
    EXPECT_EQ(table.Split(C(kKing)), BlackjackStep::NextHand) << "an ace and a king on a split hand is a natural";
    EXPECT_EQ(table.HandCount(), 2);
    EXPECT_EQ(table.NextHand(C(10)), BlackjackStep::DealerPlays);
    EXPECT_FALSE(table.DealerDecides()) << "with every hand a natural the dealer keeps 12";
    const auto results = table.Settle();
    ASSERT_EQ(results.size(), 2u);
    for (const HandResult& r : results) {
        EXPECT_EQ(r.outcome, Outcome::Win);
        EXPECT_EQ(r.amount, 2);
    }
}

TEST(BlackjackTableTest, SplitStopsAfterTwoAndNeedsEqualRanks) {
    BlackjackTable table;
    table.Deal(1, C(kKing), C(kQueen), C(9), C(9));
    table.AfterInitialDeal();
    EXPECT_FALSE(table.CanSplit()) << "a king and a queen do not split";
    table.Deal(1, C(8), C(8, kHearts), C(9), C(9));
    table.AfterInitialDeal();
    table.Split(C(8, kClubs));
    ASSERT_TRUE(table.CanSplit());
    table.Split(C(8, kDiamonds));
    EXPECT_EQ(table.SplitsMade(), 2);
    EXPECT_EQ(table.HandCount(), 3);
    EXPECT_FALSE(table.CanSplit()) << "a third split is refused";
}

TEST(BlackjackTableTest, DoubleNeedsTwoCardsOfElevenOrLessAndDoublesTheStake) {
    struct Case {
        int first, second;
        bool can;
    };
    const Case cases[] = {{5, 6, true}, {kAce, 10, true}, {6, 6, false}, {kAce, kJack, false}, {2, 3, true}};
    for (const Case& c : cases) {
        BlackjackTable table;
        table.Deal(1, C(c.first), C(c.second), C(10), C(8));
        table.AfterInitialDeal();
        EXPECT_EQ(table.CanDouble(), c.can) << c.first << "+" << c.second;
    }
    BlackjackTable table;
    table.Deal(3, C(5), C(6), C(10), C(7));
    table.AfterInitialDeal();
    EXPECT_EQ(table.Double(C(kKing)), BlackjackStep::DealerPlays);
    EXPECT_EQ(table.StakesInPlay(), 6);
    EXPECT_FALSE(table.DealerDecides());
    const auto results = table.Settle();
    EXPECT_EQ(results[0].amount, 6);
    EXPECT_EQ(table.StakesInPlay(), 0) << "nothing is at stake after the settlement";
}

TEST(BlackjackTableTest, BustedSplitHandPushesWhenTheDealerBustsToo) {
    BlackjackTable table;
    table.Deal(2, C(9), C(9, kHearts), C(10), C(6));
    table.AfterInitialDeal();
    table.Split(C(kKing));
    EXPECT_EQ(table.Stand(), BlackjackStep::NextHand);
    EXPECT_EQ(table.NextHand(C(5)), BlackjackStep::PlayerActs);
    EXPECT_EQ(table.Hit(C(kQueen)), BlackjackStep::DealerPlays) << "one hand still stands";
    EXPECT_TRUE(table.DealerDecides());
    table.DealerTake(C(kKing));
    EXPECT_FALSE(table.DealerDecides());
    EXPECT_TRUE(table.DealerBusted());
    const auto results = table.Settle();
    EXPECT_EQ(results[0].outcome, Outcome::Win);
    EXPECT_EQ(results[1].outcome, Outcome::Push);
}

TEST(BlackjackTableTest, EveryHandBustedSettlesWithoutTheDealer) {
    BlackjackTable table;
    table.Deal(1, C(10), C(6), C(10), C(6));
    table.AfterInitialDeal();
    EXPECT_EQ(table.Hit(C(kKing)), BlackjackStep::SettleNow);
    EXPECT_EQ(table.Settle()[0].outcome, Outcome::Lose);
}

// Rounds from a shuffled two-pack shoe with random choices: the dealer always ends on 17 or more
// (or busts, or has a natural) when it plays, hands stay within their limits, and what a hand
// wins or loses is its stake or the natural's pay.
TEST(BlackjackTableTest, RandomRoundsKeepTheTablesLimits) {
    std::mt19937 rng(25);
    for (int round = 0; round < 3000; ++round) {
        std::vector<CardValue> shoe;
        for (int pack = 0; pack < 2; ++pack)
            for (int suit = 0; suit < 4; ++suit)
                for (int rank = 1; rank <= 13; ++rank) shoe.push_back({rank, suit});
        std::shuffle(shoe.begin(), shoe.end(), rng);
        auto next = [&] {
            CardValue card = shoe.back();
            shoe.pop_back();
            return card;
        };
        BlackjackTable table;
        const int bet = 1 + round % 5;
        const CardValue a = next(), b = next(), d0 = next(), d1 = next();
        table.Deal(bet, a, b, d0, d1);
        BlackjackStep step = table.AfterInitialDeal();
        while (step == BlackjackStep::PlayerActs || step == BlackjackStep::NextHand) {
            if (step == BlackjackStep::NextHand) {
                step = table.NextHand(next());
                continue;
            }
            const int choice = static_cast<int>(rng() % 4);
            if (choice == 0 && table.CanSplit()) step = table.Split(next());
            else if (choice == 1 && table.CanDouble()) step = table.Double(next());
            else if (choice == 2 || table.Hand(table.CurrentHand()).Value() >= 17) step = table.Stand();
            else step = table.Hit(next());
        }
        if (step == BlackjackStep::DealerPlays) {
            while (table.DealerDecides()) table.DealerTake(next());
            bool allNatural = true;
            for (int h = 0; h < table.HandCount(); ++h) allNatural = allNatural && table.Hand(h).natural;
            if (!allNatural) {
                EXPECT_TRUE(table.DealerValue() >= 17 || table.DealerNatural());
            }
            EXPECT_LE(table.DealerCards().size(), 11u);
        }
        ASSERT_LE(table.HandCount(), BlackjackTable::kMaxHands);
        const auto results = table.Settle();
        for (int h = 0; h < table.HandCount(); ++h) {
            const BlackjackHand& hand = table.Hand(h);
            EXPECT_LE(hand.cards.size(), 5u);
            const int stake = hand.doubled ? 2 * bet : bet;
            const HandResult& r = results[static_cast<size_t>(h)];
            const int expected = r.outcome == Outcome::Push ? 0 : r.outcome == Outcome::Win && r.natural ? NaturalWin(stake) : stake;
            EXPECT_EQ(r.amount, expected);
            if (hand.busted && !table.DealerBusted()) {
                EXPECT_EQ(r.outcome, Outcome::Lose);
            }
        }
    }
}

}  // namespace
}  // namespace torvimble
