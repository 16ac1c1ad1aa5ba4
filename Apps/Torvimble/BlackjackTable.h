// Blackjack against the dealer, apart from anything drawn: up to three hands (two splits), the
// five-card rule, doubling, the dealer standing on every 17, and the settlement. The table screen
// deals the cards from its shoe at its own pace and hands each one here; what comes back says
// what the screen does next.
#pragma once

#include <span>
#include <vector>

#include "Apps/Common/PlayingCard.h"

namespace torvimble {

// Aces count 11, or 1 while the sum is over 21; tens and court cards 10. An empty hand is 0.
int BlackjackValue(std::span<const CardValue> cards);
// The first two cards are an ace and a ten or court card.
bool IsNatural(std::span<const CardValue> cards);
// A natural wins one and a half stakes, rounded up.
int NaturalWin(int stake);

enum class BlackjackStep {
    PlayerActs,  // the current hand waits for Hit, Stand, Double or Split
    NextHand,    // the next hand gets its second card (NextHand)
    DealerPlays, // the dealer turns the hole card, then draws while DealerDecides says so
    SettleNow,   // the hole card is turned and the round is settled without the dealer drawing
};

enum class Outcome { Win, Lose, Push };

struct HandResult {
    Outcome outcome = Outcome::Push;
    int amount = 0;  // clams won or lost (0 for a push)
    bool natural = false;
    bool fiveCards = false;
};

struct BlackjackHand {
    std::vector<CardValue> cards;
    bool natural = false;
    bool fiveCards = false;
    bool busted = false;
    bool doubled = false;
    int Value() const { return BlackjackValue(cards); }
};

class BlackjackTable {
public:
    static constexpr int kMaxHands = 3;
    static constexpr int kMaxSplits = kMaxHands - 1;
    static constexpr int kFiveCards = 5;
    static constexpr int kDealerStands = 17;
    // A deal that finds fewer cards in the shoe makes a new one first.
    static constexpr int kShoeLowWater = 26;

    // A new round: hand 0 and the dealer get two cards each.
    void Deal(int bet, CardValue first, CardValue second, CardValue dealerUp, CardValue dealerHole);
    // The initial deal is on the table: the first hand is judged, then the dealer's natural,
    // which settles at once.
    BlackjackStep AfterInitialDeal();

    BlackjackStep Hit(CardValue card);
    BlackjackStep Stand();
    // One card and the hand is done, at twice the stake.
    BlackjackStep Double(CardValue card);
    // The current hand's second card starts a new hand (index HandCount() before the call);
    // the current hand gets `newSecond`.
    BlackjackStep Split(CardValue newSecond);
    // Play moves to the next hand, which gets its second card.
    BlackjackStep NextHand(CardValue second);

    bool CanSplit() const;
    bool CanDouble() const;

    // The dealer's turn: when every hand won by the five-card rule the round settles at once.
    BlackjackStep DealerTurn() const;
    // True while the dealer draws another card.
    bool DealerDecides();
    void DealerTake(CardValue card);

    // Every hand against the dealer; the round is over.
    std::vector<HandResult> Settle();
    // What leaving the table now costs: each hand's stake.
    int StakesInPlay() const;

    bool InHand() const { return inHand_; }
    int Bet() const { return bet_; }
    int CurrentHand() const { return current_; }
    int HandCount() const { return static_cast<int>(hands_.size()); }
    int SplitsMade() const { return splits_; }
    const BlackjackHand& Hand(int index) const { return hands_[static_cast<size_t>(index)]; }
    std::span<const CardValue> DealerCards() const { return dealer_; }
    int DealerValue() const { return BlackjackValue(dealer_); }
    bool DealerNatural() const { return dealerNatural_; }
    bool DealerBusted() const { return dealerBusted_; }

private:
    BlackjackHand& Current() { return hands_[static_cast<size_t>(current_)]; }
    bool LastHand() const { return current_ + 1 >= HandCount(); }
    BlackjackStep Evaluate();
    BlackjackStep FinishHand() const;

    std::vector<BlackjackHand> hands_;
    std::vector<CardValue> dealer_;
    int bet_ = 1;
    int current_ = 0;
    int splits_ = 0;
    bool inHand_ = false;
    bool dealerNatural_ = false;
    bool dealerBusted_ = false;
};

}  // namespace torvimble
