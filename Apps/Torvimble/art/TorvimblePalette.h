// Torvimble's colours: a felt-green card room with brass and cream, the grey of the tables' text
// boxes, and the card inks.
#pragma once

#include <cstdint>

namespace torvimble_art {

// The grey every table clears its boxes to.
inline constexpr uint32_t kTableGrey = 0x999999;
inline constexpr uint32_t kFelt = 0x1E7A46;
inline constexpr uint32_t kFeltLight = 0x33A062;
inline constexpr uint32_t kFeltDark = 0x0F4F2C;
inline constexpr uint32_t kBrass = 0xE0A82E;
inline constexpr uint32_t kBrassLight = 0xFFE08A;
inline constexpr uint32_t kBrassDark = 0x8A5A12;
inline constexpr uint32_t kWood = 0x7A3E1C;
inline constexpr uint32_t kWoodLight = 0xB0683A;
inline constexpr uint32_t kWoodDark = 0x3E1C0A;
inline constexpr uint32_t kCream = 0xFFFFCC;
inline constexpr uint32_t kIndigo = 0x333399;
inline constexpr uint32_t kBrown = 0x663300;
inline constexpr uint32_t kInk = 0x1A1A1A;
inline constexpr uint32_t kCardRed = 0xC00000;
inline constexpr uint32_t kCardRedDark = 0x7A0000;
inline constexpr uint32_t kCardWhite = 0xFFFFFF;
inline constexpr uint32_t kCardEdge = 0x8A8A8A;
inline constexpr uint32_t kOrange = 0xFF9900;
inline constexpr uint32_t kTeal = 0x99CCCC;
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kBlack = 0x000000;
// Oggo the dealer, a stone troll: granite skin, moss hair.
inline constexpr uint32_t kStone = 0x8FA3A8;
inline constexpr uint32_t kStoneLight = 0xC4D4D6;
inline constexpr uint32_t kStoneDark = 0x4E6166;
inline constexpr uint32_t kMoss = 0x5E9A2C;
inline constexpr uint32_t kMossDark = 0x2F5A12;

}  // namespace torvimble_art
