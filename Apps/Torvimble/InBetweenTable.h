// In-between, apart from anything drawn: a bet, two outer cards face up, a raise of up to the bet
// (and no more than the holdings cover beyond it), and the middle card that wins when it falls
// strictly between them; a pair pays eleven times on three of a kind, and two consecutive outer
// cards end the hand with no result.
#pragma once

#include <string>

#include "Apps/Common/PlayingCard.h"

namespace torvimble {

// Aces are high here.
int InBetweenValue(CardValue card);

enum class SpreadKind { Pair, Consecutive, Open };

struct Spread {
    int low = 0, high = 0;
    int width = 0;  // high - low
    SpreadKind kind = SpreadKind::Open;
    int markerIndex = 0;  // the win strip's column: the width - 1, 12 consecutive, 13 a pair
};
Spread JudgeSpread(CardValue left, CardValue right);

// The win marker's x over the win strip for a marker index; 0 hides it (negative).
int InBetweenMarkerX(int markerIndex);

// What the middle card brings for the stake: positive won, negative lost.
int InBetweenPayout(const Spread& spread, CardValue middle, int stake);
// The highest raise offered.
int RaiseLimit(int bet, int holdings);

struct InBetweenResult {
    int change = 0;  // added to the holdings
    std::string message;
    bool won = false;
};

class InBetweenTable {
public:
    // A bet or raise button pressed: the other buttons let go, this one toggles. The button now
    // selected (1 to 5) or 0 when none is.
    int Choose(int id);
    // Deal can be pressed: a bet is chosen in the bet phase; always while raising.
    bool CanDeal() const { return !betPhase_ || bet_ > 0; }
    // The hand starts: nothing is taken until it is settled.
    void StartHand();
    // The outer cards are shown and the raise phase begins, unless they are consecutive: then
    // the hand is over with nothing won or lost and betting begins again.
    Spread OuterCardsShown(CardValue left, CardValue right, int holdings);
    // The middle card turned: the hand is settled and betting begins again.
    InBetweenResult Reveal(CardValue middle);
    // Betting again with these holdings: the bet stays chosen when they cover it.
    void BackToBetting(int holdings);

    bool InHand() const { return inHand_; }
    bool BetPhase() const { return betPhase_; }
    int Bet() const { return bet_; }
    int Raise() const { return raise_; }
    int Stake() const { return bet_ + raise_; }
    // Bet buttons 1 to 5 usable: in the bet phase up to the holdings, when raising up to the limit.
    bool ButtonUsable(int id, int holdings) const;
    const Spread& CurrentSpread() const { return spread_; }

private:
    int bet_ = 1;
    int raise_ = 0;
    bool betPhase_ = true;
    bool inHand_ = false;
    Spread spread_;
};

}  // namespace torvimble
