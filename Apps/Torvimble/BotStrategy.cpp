#include "Apps/Torvimble/BotStrategy.h"

#include <algorithm>

#include "Apps/Torvimble/BlackjackTable.h"

namespace torvimble {

namespace {

// 2 to 11 (an ace).
int UpValue(CardValue card) { return card.rank == kAce ? 11 : std::min(card.rank, 10); }

bool Between(int value, int low, int high) { return value >= low && value <= high; }

BlackjackMove PairMove(int pairRank, int up) {
    const int v = pairRank == kAce ? 11 : std::min(pairRank, 10);
    switch (v) {
        case 11:
        case 8: return BlackjackMove::Split;
        case 10:
        case 5: return BlackjackMove::Stand;  // never split: played as a total
        case 9: return (Between(up, 2, 9) && up != 7) ? BlackjackMove::Split : BlackjackMove::Stand;
        case 7:
        case 3:
        case 2: return Between(up, 2, 7) ? BlackjackMove::Split : BlackjackMove::Hit;
        case 6: return Between(up, 2, 6) ? BlackjackMove::Split : BlackjackMove::Hit;
        default: return Between(up, 5, 6) ? BlackjackMove::Split : BlackjackMove::Hit;
    }
}

bool SoftHand(std::span<const CardValue> hand) {
    int hard = 0;
    bool ace = false;
    for (const CardValue& card : hand) {
        hard += card.rank == kAce ? 1 : std::min(card.rank, 10);
        ace = ace || card.rank == kAce;
    }
    return ace && hard + 10 <= 21;
}

}  // namespace

BlackjackMove BasicStrategy(std::span<const CardValue> hand, CardValue dealerUp, bool canSplit, bool canDouble) {
    const int up = UpValue(dealerUp);
    if (canSplit && hand.size() == 2) {
        const BlackjackMove move = PairMove(hand[0].rank, up);
        if (move == BlackjackMove::Split) return move;
    }
    const int total = BlackjackValue(hand);
    const auto doubleOr = [&](BlackjackMove otherwise) { return canDouble ? BlackjackMove::Double : otherwise; };
    if (SoftHand(hand)) {
        if (total >= 19) return BlackjackMove::Stand;
        if (total == 18) {
            if (Between(up, 3, 6)) return doubleOr(BlackjackMove::Stand);
            return up >= 9 ? BlackjackMove::Hit : BlackjackMove::Stand;
        }
        const int lowest = total >= 17 ? 3 : total >= 15 ? 4 : 5;
        return Between(up, lowest, 6) ? doubleOr(BlackjackMove::Hit) : BlackjackMove::Hit;
    }
    if (total >= 17) return BlackjackMove::Stand;
    if (total >= 13) return up <= 6 ? BlackjackMove::Stand : BlackjackMove::Hit;
    if (total == 12) return Between(up, 4, 6) ? BlackjackMove::Stand : BlackjackMove::Hit;
    if (total == 11) return doubleOr(BlackjackMove::Hit);
    if (total == 10) return up <= 9 ? doubleOr(BlackjackMove::Hit) : BlackjackMove::Hit;
    if (total == 9) return Between(up, 3, 6) ? doubleOr(BlackjackMove::Hit) : BlackjackMove::Hit;
    return BlackjackMove::Hit;
}

int BotPokerRank(std::span<const CardValue, 5> hand) {
    std::array<int, 15> count{};  // by rank, the ace at 1 and again at 14
    std::array<int, 4> suits{};
    for (const CardValue& card : hand) {
        ++count[static_cast<size_t>(card.rank)];
        ++suits[static_cast<size_t>(card.suit & 3)];
    }
    count[14] = count[1];
    const bool flush = std::find(suits.begin(), suits.end(), 5) != suits.end();
    int straightTop = 0;
    for (int top = 5; top <= 14; ++top) {
        bool run = true;
        for (int r = top - 4; r <= top; ++r) run = run && count[static_cast<size_t>(r)] == 1;
        if (run) straightTop = top;
    }
    int pairs = 0, three = 0, four = 0;
    bool highPair = false;
    for (int r = 1; r <= 13; ++r) {
        const int n = count[static_cast<size_t>(r)];
        if (n == 2) {
            ++pairs;
            highPair = highPair || r == kAce || r >= kJack;
        }
        three += n == 3 ? 1 : 0;
        four += n == 4 ? 1 : 0;
    }
    if (count[1] == 4) return 2;
    if (flush && straightTop == 14) return 1;
    if (flush && straightTop != 0) return 3;
    if (four != 0) return 4;
    if (three != 0 && pairs != 0) return 5;
    if (flush) return 6;
    if (straightTop != 0) return 7;
    if (three != 0) return 8;
    if (pairs == 2) return 9;
    return highPair ? 10 : 0;
}

std::array<bool, 5> ChooseHolds(std::span<const CardValue, 5> hand) {
    std::array<bool, 5> hold{};
    const int rank = BotPokerRank(hand);
    if (rank != 0 && rank != 8 && rank != 9 && rank != 10) return {true, true, true, true, true};
    // Made sets and pairs: keep the matched cards.
    std::array<int, 14> count{};
    for (const CardValue& card : hand) ++count[static_cast<size_t>(card.rank)];
    bool matched = false;
    for (size_t i = 0; i < hand.size(); ++i)
        if (count[static_cast<size_t>(hand[i].rank)] >= 2) hold[i] = matched = true;
    if (matched) return hold;
    // Four to a flush.
    for (int suit = 0; suit < 4; ++suit) {
        int n = 0;
        for (const CardValue& card : hand) n += card.suit == suit ? 1 : 0;
        if (n == 4) {
            for (size_t i = 0; i < hand.size(); ++i) hold[i] = hand[i].suit == suit;
            return hold;
        }
    }
    // Four in a row (ace high or low).
    for (int low = 1; low <= 11; ++low) {
        std::array<bool, 5> inRun{};
        int n = 0;
        for (int r = low; r < low + 4; ++r) {
            const int rank14 = r == 14 ? kAce : r;
            for (size_t i = 0; i < hand.size(); ++i)
                if (hand[i].rank == rank14 && !inRun[i]) {
                    inRun[i] = true;
                    ++n;
                    break;
                }
        }
        if (n == 4) return inRun;
    }
    int kept = 0;
    for (size_t i = 0; i < hand.size() && kept < 2; ++i)
        if (hand[i].rank == kAce || hand[i].rank >= kJack) {
            hold[i] = true;
            ++kept;
        }
    return hold;
}

int ChooseRaise(int width, int raiseLimit) { return width >= 8 ? std::max(0, raiseLimit) : 0; }

}  // namespace torvimble
