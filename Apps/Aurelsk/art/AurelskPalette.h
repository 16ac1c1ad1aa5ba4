// The colours of Aurelsk's pictures: a sunny tropical sea, a yellow diving submarine, gold
// treasure, slate-grey pirates with rust-red trim and a blue-grey shark. The swapped colours
// come from the game's own table.
#pragma once

#include <cstdint>

#include "Apps/Aurelsk/SeaColours.h"

namespace aurelsk_art {

using aurelsk::kDiverHull;
using aurelsk::kDiverHullShade;
using aurelsk::kPirateHull;
using aurelsk::kPirateHullShade;
using aurelsk::kTorpedoRed;
using aurelsk::kTorpedoShade;

inline constexpr uint32_t kInk = 0x14213A;        // outlines
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kSeaBlue = 0x0066FF;     // the game area's own fill
inline constexpr uint32_t kStatusOrange = 0xFF9900;  // the status bar's own fill
inline constexpr uint32_t kOrangeDark = 0xB35C00;
inline constexpr uint32_t kOrangeLight = 0xFFC266;

inline constexpr uint32_t kDiverLight = 0xFFF07A;
inline constexpr uint32_t kDiverOutline = 0x7A4A00;
inline constexpr uint32_t kGlass = 0x8FE3FF;
inline constexpr uint32_t kGlassDark = 0x1B6A9A;
inline constexpr uint32_t kSteel = 0x9AA5B1;
inline constexpr uint32_t kSteelDark = 0x5B6673;

inline constexpr uint32_t kPirateLight = 0x7A8799;
inline constexpr uint32_t kPirateOutline = 0x161B22;
inline constexpr uint32_t kRust = 0xA8322A;
inline constexpr uint32_t kRustLight = 0xD6604A;
inline constexpr uint32_t kMiniTrim = 0x3FA86B;

inline constexpr uint32_t kShark = 0x6F8FA6;
inline constexpr uint32_t kSharkDark = 0x3D5468;
inline constexpr uint32_t kSharkLight = 0xA9C3D4;
inline constexpr uint32_t kBelly = 0xEEF4F7;

inline constexpr uint32_t kGold = 0xFFD23F;
inline constexpr uint32_t kGoldDark = 0xB8860B;
inline constexpr uint32_t kGoldLight = 0xFFF5B8;
inline constexpr uint32_t kRuby = 0xE0245E;
inline constexpr uint32_t kEmerald = 0x21C48A;
inline constexpr uint32_t kWood = 0x8A4B22;
inline constexpr uint32_t kWoodDark = 0x5A2E12;
inline constexpr uint32_t kWoodLight = 0xB86A36;

inline constexpr uint32_t kFire = 0xFFB020;
inline constexpr uint32_t kFlame = 0xFF6A1A;
inline constexpr uint32_t kSmoke = 0x5E6470;

inline constexpr uint32_t kSkyTop = 0x7FD0FF;
inline constexpr uint32_t kSkyLow = 0xD6F2FF;
inline constexpr uint32_t kDeep = 0x003A9E;
inline constexpr uint32_t kSand = 0xF0D08A;
inline constexpr uint32_t kSandDark = 0xC9A25A;
inline constexpr uint32_t kWeed = 0x2FA44F;
inline constexpr uint32_t kWeedDark = 0x1B6B33;
inline constexpr uint32_t kGaugeGreen = 0x33DD55;
inline constexpr uint32_t kGaugeGreenDark = 0x16862D;
inline constexpr uint32_t kParchment = 0xFFF3D0;
inline constexpr uint32_t kCoral = 0xFF7F6A;
inline constexpr uint32_t kIndigo = 0x333399;

}  // namespace aurelsk_art
