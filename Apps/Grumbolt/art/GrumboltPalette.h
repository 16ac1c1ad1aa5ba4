// The colours of Grumbolt's pictures: the swamp's blues, the greens of lilypads and reeds, the
// wood of the side panel, and the six frog colours.
#pragma once

#include <cstdint>

namespace grumbolt_art {

inline constexpr uint32_t kWater = 0x3366CC;  // the swamp screen's own field colour
inline constexpr uint32_t kWaterDeep = 0x224C9E;
inline constexpr uint32_t kWaterLight = 0x5A8AE0;
inline constexpr uint32_t kRipple = 0x7FA6EA;
inline constexpr uint32_t kNight = 0x0B2547;
inline constexpr uint32_t kButtonBlue = 0x0063FF;  // the title's player line and buttons

inline constexpr uint32_t kPad = 0x49B53A;
inline constexpr uint32_t kPadLight = 0x8FE063;
inline constexpr uint32_t kPadDark = 0x25721F;
inline constexpr uint32_t kReed = 0x2E7D32;
inline constexpr uint32_t kReedDark = 0x1A4A1D;
inline constexpr uint32_t kCattail = 0x6B3F1E;

inline constexpr uint32_t kWood = 0x8B5A2B;
inline constexpr uint32_t kWoodLight = 0xC08A4E;
inline constexpr uint32_t kWoodDark = 0x4E2F12;

inline constexpr uint32_t kLime = 0xCCFF00;
inline constexpr uint32_t kLimeDark = 0x2F5A00;
inline constexpr uint32_t kCream = 0xFFFFCC;
inline constexpr uint32_t kSky = 0xA8DCF5;
inline constexpr uint32_t kSkyLow = 0x6FB8E8;
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kInk = 0x1B1B1B;
inline constexpr uint32_t kMarker = 0xFFE033;

}  // namespace grumbolt_art
