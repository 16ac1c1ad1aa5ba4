// The colours of Dunmoro's pictures: the table green and the gold the game draws with, card
// white and the two suit colours, the blues of the card back, and the mountain dusk of the logos.
#pragma once

#include <cstdint>

namespace dunmoro_art {

inline constexpr uint32_t kTableGreen = 0x339900;
inline constexpr uint32_t kTableGreenDark = 0x226600;
inline constexpr uint32_t kTableGreenLight = 0x66CC33;
inline constexpr uint32_t kGold = 0xFFCC00;
inline constexpr uint32_t kGoldLight = 0xFFEE88;
inline constexpr uint32_t kGoldDark = 0xB07800;

inline constexpr uint32_t kCardWhite = 0xFFFFFF;
inline constexpr uint32_t kCardEdge = 0x77736B;
inline constexpr uint32_t kInk = 0x151515;
inline constexpr uint32_t kInkLight = 0x555555;
inline constexpr uint32_t kCardRed = 0xC00000;
inline constexpr uint32_t kCardRedLight = 0xFF6666;
inline constexpr uint32_t kCardRedDark = 0x800000;

inline constexpr uint32_t kBackDeep = 0x1E3A8C;
inline constexpr uint32_t kBackLight = 0x3366CC;
inline constexpr uint32_t kBackEdge = 0x0F2260;

inline constexpr uint32_t kCourtBlue = 0x2F5FCF;
inline constexpr uint32_t kCourtBlueDark = 0x1A3A8A;
inline constexpr uint32_t kCourtPurple = 0x6A2FA0;
inline constexpr uint32_t kCourtPurpleDark = 0x3F1A66;
inline constexpr uint32_t kSkin = 0xF2C29A;
inline constexpr uint32_t kSkinLight = 0xFFE2C8;
inline constexpr uint32_t kSkinDark = 0xB07A50;
inline constexpr uint32_t kHair = 0x6B3E1E;
inline constexpr uint32_t kBeard = 0xE8E4DA;

inline constexpr uint32_t kDuskTop = 0x333399;
inline constexpr uint32_t kDuskLow = 0x7A5CC0;
inline constexpr uint32_t kMountain = 0x3D2B6B;
inline constexpr uint32_t kMountainLight = 0x5E4A96;
inline constexpr uint32_t kSnow = 0xF4F4FF;
inline constexpr uint32_t kBrown = 0x663300;
inline constexpr uint32_t kCream = 0xFFFFCC;

}  // namespace dunmoro_art
