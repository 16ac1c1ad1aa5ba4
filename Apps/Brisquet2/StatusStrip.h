// The status strip under the board: the plates its three texts are centred on (the difficulty,
// the score or the tally, the puzzle), drawn by the background picture, one layout for the
// challenge and one for the other modes, each plate as wide as the longest text it holds.
#pragma once

#include <array>

namespace brisquet2 {

struct StripPlate {
    int left;
    int right;
};

inline constexpr int kPlateTop = 362;
inline constexpr int kPlateHeight = 21;
// Between the bubbles at the strip's ends. The challenge's puzzle line, "150 of 150 (2000
// Points)", and the other modes' tally, "1,234 won (in 5,678 tries)", are the widest texts.
inline constexpr std::array<StripPlate, 3> kChallengePlates = {{{22, 164}, {170, 290}, {296, 478}}};
inline constexpr std::array<StripPlate, 3> kOtherPlates = {{{22, 152}, {158, 342}, {348, 478}}};

// Where a line `width` wide starts on its plate.
constexpr int StripTextLeft(StripPlate plate, int width) { return (plate.left + plate.right - width) / 2; }

}  // namespace brisquet2
