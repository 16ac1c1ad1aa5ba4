// A cardback is drawn as the back of a card wherever it is shown: in the selector, in the offer
// of a game's own and in the card games. A larger picture is refused instead of decoded.
#pragma once

#include "core/gif/GifDecoder.h"

inline constexpr int kCardBackWidth = 49;
inline constexpr int kCardBackHeight = 66;

inline GifLimits CardBackLimits() {
    // A card shows one picture; a few frames leave room for a cardback that blinks.
    constexpr int kFrames = 4;
    return GifLimitsToShow(kCardBackWidth, kCardBackHeight, kFrames);
}
