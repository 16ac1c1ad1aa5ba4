// Five-card draw poker hands ranked for the pay table: 1 royal flush, 2 four aces, 3 straight
// flush, 4 four of a kind, 5 full house, 6 flush, 7 straight, 8 three of a kind, 9 two pair,
// 10 a pair of jacks or better, 0 nothing.
#pragma once

#include <span>

#include "Apps/Common/PlayingCard.h"

namespace torvimble {

inline constexpr int kPokerCards = 5;
inline constexpr int kPokerRanks = 10;

// Straights run ace low (A-2-3-4-5) or ace high (10-J-Q-K-A), never around the corner.
int EvaluatePokerHand(std::span<const CardValue, kPokerCards> hand);
// Clams per clam bet for a rank (0 for none).
int PokerPays(int rank);

struct MarkerSpot {
    int x = 0, y = 0;
};
// Where the win marker points at the rank's row of the pay column, by the size of the win.
MarkerSpot PokerMarker(int rank, int bet);

}  // namespace torvimble
