// The rules of play as plain functions: which card may be played on the up card, which card
// lies over which, where a click lands, and what play costs and wins.
#pragma once

#include <cstdint>

namespace dunmoro {

inline constexpr int kCardWidth = 49;
inline constexpr int kCardHeight = 66;
inline constexpr int kRanks = 13;
inline constexpr int kSuits = 4;

// Where the draw pile and the up card lie below the board.
inline constexpr int kPileX = 244, kPileY = 347;
inline constexpr int kUpCardX = 304, kUpCardY = 347;

// Dollars a draw from the pile costs, and each card left on a board that is given up.
inline constexpr int kDrawCost = 5;
inline constexpr int kCardLeftCost = 5;

// Ranks one apart, Ace and King included, may follow each other.
constexpr bool IsPlayable(int rank, int upRank) {
    const int d = rank > upRank ? rank - upRank : upRank - rank;
    return d % 12 == 1 || d == 12;
}

// Whether a card at (upperX, upperY) lies over one at (x, y): they overlap by more than one pixel
// both ways. Coordinates of shipped and loaded layouts lie within +-32768.
constexpr bool Covers(int x, int y, int upperX, int upperY) {
    return x + 1 < upperX + kCardWidth && upperX + 1 < x + kCardWidth && y + 1 < upperY + kCardHeight &&
           upperY + 1 < y + kCardHeight;
}

// Strictly inside on all four sides.
constexpr bool PointInRect(int left, int top, int right, int bottom, int x, int y) {
    return left < x && x < right && top < y && y < bottom;
}
constexpr bool HitsCard(int cardX, int cardY, int x, int y) {
    return PointInRect(cardX, cardY, cardX + kCardWidth, cardY + kCardHeight, x, y);
}

// Play modes, stored as these numbers.
inline constexpr int kModeBoard = 1;
inline constexpr int kModeApprentice = 2;
inline constexpr int kModeMaster = 4;
inline constexpr int kModeChallenge = 8;
inline constexpr int kModeBonus = 16;
// A mode the game knows, else the chosen-board mode.
constexpr int NormalisedMode(int mode) {
    return mode == kModeBoard || mode == kModeApprentice || mode == kModeMaster || mode == kModeChallenge ||
                   mode == kModeBonus
               ? mode
               : kModeBoard;
}

inline constexpr int kChallengeBoards = 18;
inline constexpr int kFirstMasterBoard = 10;

// Keeps money within what the store can hold.
constexpr int ClampToInt(int64_t value) {
    return value > INT32_MAX ? INT32_MAX : value < INT32_MIN ? INT32_MIN : static_cast<int>(value);
}

}  // namespace dunmoro
