// Draw poker on the pay table, apart from anything drawn: a bet of 1 to 5, five cards, holds,
// one draw, and the pay for the final hand.
#pragma once

#include <array>
#include <span>

#include "Apps/Torvimble/PokerHand.h"

namespace torvimble {

struct PokerResult {
    int rank = 0;
    int change = 0;  // added to the holdings
};

class VideoPokerTable {
public:
    // Choosing a bet keeps it chosen however often it is pressed.
    void ChooseBet(int bet) { bet_ = bet; }
    void ToggleHold(int position);
    bool Held(int position) const { return held_[static_cast<size_t>(position)]; }

    // Deal pressed: a new hand when dealing (holds cleared), else the draw of the unheld cards.
    // True when this press deals a new hand.
    bool Press();
    // The positions whose card is replaced by this press, left to right.
    std::array<bool, kPokerCards> Replaced() const;
    // The cards are all turned: after a deal the holds are chosen, after a draw the hand is paid.
    // The result of the draw; the rank only after a deal.
    PokerResult CardsShown(std::span<const CardValue, kPokerCards> hand);

    bool InHand() const { return inHand_; }
    bool DealPhase() const { return dealPhase_; }
    int Bet() const { return bet_; }

private:
    int bet_ = 1;
    std::array<bool, kPokerCards> held_{};
    bool dealPhase_ = true;
    bool inHand_ = false;
};

}  // namespace torvimble
