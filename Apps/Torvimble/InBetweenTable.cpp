#include "Apps/Torvimble/InBetweenTable.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace torvimble {

namespace {

constexpr int kPairMarker = 13;
constexpr int kConsecutiveMarker = 12;
constexpr int kThreeOfAKindPays = 11;

// By the spread's width: 2 pays five times, 3 four times, 4 twice, wider even money.
int OpenPays(int width) {
    switch (width) {
        case 2: return 5;
        case 3: return 4;
        case 4: return 2;
        default: return 1;
    }
}

std::string Format(const char* format, int amount) {
    char text[64];
    std::snprintf(text, sizeof text, format, amount);
    return text;
}

}  // namespace

int InBetweenMarkerX(int markerIndex) {
    static constexpr std::array<int, 14> kX = {-1, 3, 27, 48, 71, 93, 115, 137, 158, 180, 203, 225, 246, 278};
    return markerIndex >= 1 && markerIndex <= 13 ? kX[static_cast<size_t>(markerIndex)] + 90 : -1;
}

int InBetweenValue(CardValue card) { return card.rank == kAce ? 14 : card.rank; }

Spread JudgeSpread(CardValue left, CardValue right) {
    Spread spread;
    spread.low = std::min(InBetweenValue(left), InBetweenValue(right));
    spread.high = std::max(InBetweenValue(left), InBetweenValue(right));
    spread.width = spread.high - spread.low;
    if (spread.width == 0) {
        spread.kind = SpreadKind::Pair;
        spread.markerIndex = kPairMarker;
    } else if (spread.width == 1) {
        spread.kind = SpreadKind::Consecutive;
        spread.markerIndex = kConsecutiveMarker;
    } else {
        spread.markerIndex = spread.width - 1;
    }
    return spread;
}

int InBetweenPayout(const Spread& spread, CardValue middle, int stake) {
    const int m = InBetweenValue(middle);
    switch (spread.kind) {
        case SpreadKind::Pair: return m == spread.low ? stake * kThreeOfAKindPays : -stake;
        case SpreadKind::Consecutive: return 0;
        case SpreadKind::Open: return spread.low < m && m < spread.high ? stake * OpenPays(spread.width) : -stake;
    }
    return 0;
}

int RaiseLimit(int bet, int holdings) { return std::max(0, std::min(bet, holdings - bet)); }

int InBetweenTable::Choose(int id) {
    int& chosen = betPhase_ ? bet_ : raise_;
    chosen = chosen == id ? 0 : id;
    return chosen;
}

void InBetweenTable::StartHand() {
    inHand_ = true;
    raise_ = 0;
}

Spread InBetweenTable::OuterCardsShown(CardValue left, CardValue right, int holdings) {
    spread_ = JudgeSpread(left, right);
    betPhase_ = false;
    raise_ = 0;
    // Nothing is at stake after consecutive cards: the table is free to leave.
    if (spread_.kind == SpreadKind::Consecutive) BackToBetting(holdings);
    return spread_;
}

InBetweenResult InBetweenTable::Reveal(CardValue middle) {
    InBetweenResult result;
    const int stake = Stake();
    result.change = InBetweenPayout(spread_, middle, stake);
    result.won = result.change > 0;
    if (!result.won) result.message = Format("Lost %d Clams", stake);
    else if (spread_.kind == SpreadKind::Pair) result.message = Format("3 of a kind - Win %d Clams!", result.change);
    else result.message = Format("Won %d Clams", result.change);
    inHand_ = false;
    return result;
}

void InBetweenTable::BackToBetting(int holdings) {
    inHand_ = false;
    betPhase_ = true;
    raise_ = 0;
    if (holdings < bet_) bet_ = 0;
}

bool InBetweenTable::ButtonUsable(int id, int holdings) const {
    if (betPhase_) return id <= holdings;
    return id <= RaiseLimit(bet_, holdings);
}

}  // namespace torvimble
