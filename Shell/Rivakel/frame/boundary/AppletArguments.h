// Colours and counts as games pass them: every setter reads them the same way.
#pragma once

#include <algorithm>
#include <cstdint>

// A colour channel outside 0 to 255 is clamped to it.
inline uint8_t ColourChannel(int value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); }

// A colour is its own handle: 0x00RRGGBB, which is also the pixel value.
inline uint32_t ColourValue(int red, int green, int blue) {
    return uint32_t{ColourChannel(red)} << 16 | uint32_t{ColourChannel(green)} << 8 | ColourChannel(blue);
}

// A timer interval: a negative one counts as 0.
inline uint32_t TimerInterval(int intervalMs) { return static_cast<uint32_t>(std::max(intervalMs, 0)); }

// Counts that come with a game's arrays. Beyond these nothing is read: a count that large is a
// mistake, and reading the array that far would read past its end.
inline constexpr int kMaxColourPairs = 1 << 16;
inline constexpr int kMaxPixelEntries = 1 << 24;
inline constexpr int kMaxPolygonPoints = 1 << 16;

// True for 1 to `max`; a larger count is logged with `operation`.
bool CountAccepted(int count, int max, const char* operation);
