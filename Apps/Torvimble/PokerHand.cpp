#include "Apps/Torvimble/PokerHand.h"

#include <algorithm>
#include <array>

namespace torvimble {

namespace {

using Ranks = std::array<int, kPokerCards>;

bool Run(const Ranks& r) {
    for (int i = 1; i < kPokerCards; ++i)
        if (r[static_cast<size_t>(i)] != r[static_cast<size_t>(i - 1)] + 1) return false;
    return true;
}

// Two equal neighbours above 10.
bool HighPair(const Ranks& r) {
    for (int i = 1; i < kPokerCards; ++i)
        if (r[static_cast<size_t>(i)] == r[static_cast<size_t>(i - 1)] && r[static_cast<size_t>(i)] > 10) return true;
    return false;
}

}  // namespace

int EvaluatePokerHand(std::span<const CardValue, kPokerCards> hand) {
    const bool flush = std::all_of(hand.begin(), hand.end(), [&](const CardValue& c) { return c.suit == hand[0].suit; });
    Ranks a{}, h{};
    for (size_t i = 0; i < hand.size(); ++i) {
        a[i] = hand[i].rank;
        h[i] = hand[i].rank == kAce ? 14 : hand[i].rank;
    }
    std::sort(a.begin(), a.end());
    std::sort(h.begin(), h.end());
    const bool straight = Run(a) || Run(h);
    if (a[0] == kAce && a[3] == kAce) return 2;
    if (flush && a == Ranks{1, 10, 11, 12, 13}) return 1;
    if (flush && straight) return 3;
    if ((a[0] == a[1] && a[1] == a[2] && a[2] == a[3]) || (a[1] == a[2] && a[2] == a[3] && a[3] == a[4])) return 4;
    if ((a[0] == a[1] && a[1] == a[2] && a[3] == a[4]) || (a[0] == a[1] && a[2] == a[3] && a[3] == a[4])) return 5;
    if (flush) return 6;
    if (straight) return 7;
    for (int i = 2; i < kPokerCards; ++i)
        if (a[static_cast<size_t>(i)] == a[static_cast<size_t>(i - 1)] && a[static_cast<size_t>(i)] == a[static_cast<size_t>(i - 2)]) return 8;
    if ((a[0] == a[1] && (a[2] == a[3] || a[3] == a[4])) || (a[1] == a[2] && a[3] == a[4])) return 9;
    if (HighPair(a) || HighPair(h)) return 10;
    return 0;
}

int PokerPays(int rank) {
    static constexpr std::array<int, kPokerRanks + 1> kPays = {0, 1000, 400, 150, 50, 10, 8, 4, 3, 2, 1};
    return rank >= 0 && rank <= kPokerRanks ? kPays[static_cast<size_t>(rank)] : 0;
}

MarkerSpot PokerMarker(int rank, int bet) {
    const int win = PokerPays(rank) * bet;
    const int x = win <= 9 ? 247 : win < 100 ? 256 : win < 1000 ? 265 : 275;
    return {x, 12 * rank + 53};
}

}  // namespace torvimble
