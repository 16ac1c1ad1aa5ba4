// The colours of Glimtide's pictures: a night sky, the navy of the cities against it, the amber
// of lit windows, and the gold, rose, cyan and violet of the fireworks.
#pragma once

#include <cstdint>

namespace glimtide_art {

inline constexpr uint32_t kBlack = 0x000000;  // the game area behind every screen
inline constexpr uint32_t kNight = 0x080B22;
inline constexpr uint32_t kNightHigh = 0x151B4A;
inline constexpr uint32_t kDusk = 0x32206A;

inline constexpr uint32_t kCity = 0x1D2550;
inline constexpr uint32_t kCityLight = 0x323E7A;
inline constexpr uint32_t kCityDark = 0x0F1433;
inline constexpr uint32_t kWindow = 0xFFD97A;
inline constexpr uint32_t kWindowDim = 0xB8904A;

inline constexpr uint32_t kGold = 0xFFC933;
inline constexpr uint32_t kGoldLight = 0xFFF2B0;
inline constexpr uint32_t kGoldDark = 0xA8720E;
inline constexpr uint32_t kRose = 0xFF4F8B;
inline constexpr uint32_t kRoseDark = 0x99204F;
inline constexpr uint32_t kCyan = 0x40D4FF;
inline constexpr uint32_t kCyanDark = 0x16689C;
inline constexpr uint32_t kViolet = 0x8A66FF;
inline constexpr uint32_t kVioletDark = 0x4A2F9C;
inline constexpr uint32_t kWhite = 0xFFFFFF;

}  // namespace glimtide_art
