#include "Apps/Torvimble/BlackjackTable.h"

#include <algorithm>

namespace torvimble {

namespace {

int PipValue(const CardValue& card) { return card.rank == kAce ? 11 : std::min(card.rank, 10); }

// Doubling looks at the face numbers: an ace is 1, court cards 11 to 13.
constexpr int kDoubleLimit = 11;

}  // namespace

int BlackjackValue(std::span<const CardValue> cards) {
    int sum = 0, softAces = 0;
    for (const CardValue& card : cards) {
        sum += PipValue(card);
        if (card.rank == kAce) ++softAces;
    }
    while (sum > 21 && softAces > 0) {
        sum -= 10;
        --softAces;
    }
    return sum;
}

bool IsNatural(std::span<const CardValue> cards) {
    if (cards.size() < 2) return false;
    const int a = cards[0].rank, b = cards[1].rank;
    return (a == kAce && b >= 10) || (b == kAce && a >= 10);
}

int NaturalWin(int stake) { return (3 * stake + 1) / 2; }

void BlackjackTable::Deal(int bet, CardValue first, CardValue second, CardValue dealerUp, CardValue dealerHole) {
    bet_ = bet;
    hands_.assign(1, BlackjackHand{});
    hands_[0].cards = {first, second};
    dealer_ = {dealerUp, dealerHole};
    current_ = 0;
    splits_ = 0;
    dealerNatural_ = false;
    dealerBusted_ = false;
    inHand_ = true;
}

BlackjackStep BlackjackTable::AfterInitialDeal() {
    const BlackjackStep step = Evaluate();
    if (IsNatural(dealer_)) {
        dealerNatural_ = true;
        return BlackjackStep::SettleNow;
    }
    return step;
}

BlackjackStep BlackjackTable::Hit(CardValue card) {
    Current().cards.push_back(card);
    return Evaluate();
}

BlackjackStep BlackjackTable::Stand() { return FinishHand(); }

BlackjackStep BlackjackTable::Double(CardValue card) {
    Current().cards.push_back(card);
    Current().doubled = true;
    // A bust that settles the round already ends it: the hand must not also start the dealer.
    const BlackjackStep step = Evaluate();
    return step == BlackjackStep::PlayerActs ? FinishHand() : step;
}

BlackjackStep BlackjackTable::Split(CardValue newSecond) {
    BlackjackHand moved;
    moved.cards = {Current().cards[1]};
    Current().cards[1] = newSecond;
    hands_.push_back(std::move(moved));
    ++splits_;
    return Evaluate();
}

BlackjackStep BlackjackTable::NextHand(CardValue second) {
    ++current_;
    Current().cards.push_back(second);
    return Evaluate();
}

bool BlackjackTable::CanSplit() const {
    const BlackjackHand& hand = hands_[static_cast<size_t>(current_)];
    return inHand_ && splits_ < kMaxSplits && hand.cards.size() == 2 && hand.cards[0].rank == hand.cards[1].rank;
}

bool BlackjackTable::CanDouble() const {
    const BlackjackHand& hand = hands_[static_cast<size_t>(current_)];
    return inHand_ && hand.cards.size() == 2 && hand.cards[0].rank + hand.cards[1].rank <= kDoubleLimit;
}

BlackjackStep BlackjackTable::Evaluate() {
    BlackjackHand& hand = Current();
    if (hand.cards.size() == 2 && IsNatural(hand.cards)) {
        hand.natural = true;
        return FinishHand();
    }
    if (hand.Value() <= 21) {
        if (static_cast<int>(hand.cards.size()) < kFiveCards) return BlackjackStep::PlayerActs;
        hand.fiveCards = true;
        return FinishHand();
    }
    hand.busted = true;
    if (!LastHand()) return BlackjackStep::NextHand;
    const bool allBusted = std::all_of(hands_.begin(), hands_.end(), [](const BlackjackHand& h) { return h.busted; });
    return allBusted ? BlackjackStep::SettleNow : DealerTurn();
}

BlackjackStep BlackjackTable::FinishHand() const { return LastHand() ? DealerTurn() : BlackjackStep::NextHand; }

BlackjackStep BlackjackTable::DealerTurn() const {
    const bool allFive = std::all_of(hands_.begin(), hands_.end(), [](const BlackjackHand& h) { return h.fiveCards; });
    return allFive ? BlackjackStep::SettleNow : BlackjackStep::DealerPlays;
}

bool BlackjackTable::DealerDecides() {
    if (IsNatural(dealer_)) {
        dealerNatural_ = true;
        return false;
    }
    const int value = DealerValue();
    if (value > 21) {
        dealerBusted_ = true;
        return false;
    }
    if (value >= kDealerStands) return false;
    return std::any_of(hands_.begin(), hands_.end(), [](const BlackjackHand& h) { return !h.natural; });
}

void BlackjackTable::DealerTake(CardValue card) { dealer_.push_back(card); }

std::vector<HandResult> BlackjackTable::Settle() {
    std::vector<HandResult> results;
    const int dealerValue = DealerValue();
    for (const BlackjackHand& hand : hands_) {
        const int stake = hand.doubled ? 2 * bet_ : bet_;
        HandResult result;
        result.natural = IsNatural(hand.cards);
        result.fiveCards = hand.fiveCards;
        const auto win = [&](int amount) { result.outcome = Outcome::Win, result.amount = amount; };
        const auto lose = [&] { result.outcome = Outcome::Lose, result.amount = stake; };
        if (result.natural) {
            if (!dealerNatural_) win(NaturalWin(stake));
        } else if (dealerNatural_) {
            lose();
        } else if (hand.fiveCards) {
            win(stake);
        } else if (hand.busted) {
            if (!dealerBusted_) lose();
        } else if (dealerBusted_ || dealerValue < hand.Value()) {
            win(stake);
        } else if (dealerValue > hand.Value()) {
            lose();
        }
        results.push_back(result);
    }
    inHand_ = false;
    return results;
}

int BlackjackTable::StakesInPlay() const {
    if (!inHand_) return 0;
    int stakes = 0;
    for (const BlackjackHand& hand : hands_) stakes += hand.doubled ? 2 * bet_ : bet_;
    return stakes;
}

}  // namespace torvimble
