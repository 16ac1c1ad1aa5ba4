// The colours of Pennimar's pictures: a sunny farm of tilled earth, fresh grass, weathered fence
// wood and the warm browns of the game's own texts and panels.
#pragma once

#include <cstdint>

namespace pennimar_art {

inline constexpr uint32_t kEarth = 0x9A6432;
inline constexpr uint32_t kEarthLight = 0xB47A44;
inline constexpr uint32_t kEarthDark = 0x6E4220;
inline constexpr uint32_t kEarthClod = 0xA66E3A;
inline constexpr uint32_t kEarthHollow = 0x7E4E26;
inline constexpr uint32_t kPebble = 0xC9B49A;
inline constexpr uint32_t kPebbleShade = 0x8E7A62;
inline constexpr uint32_t kGrass = 0x4FA22E;
inline constexpr uint32_t kGrassLight = 0x7FCB46;
inline constexpr uint32_t kGrassDark = 0x2F7419;
inline constexpr uint32_t kWood = 0xE0B070;
inline constexpr uint32_t kWoodDark = 0x7A4A1E;
inline constexpr uint32_t kBarn = 0xB8322A;
inline constexpr uint32_t kBarnDark = 0x781C16;
inline constexpr uint32_t kCream = 0xFFF3C4;
inline constexpr uint32_t kTan = 0xCC9966;    // the title's ground
inline constexpr uint32_t kBrown = 0x663300;  // the game's warm text
inline constexpr uint32_t kPanelEdge = 0x996633;
inline constexpr uint32_t kSky = 0x8FD3F5;
inline constexpr uint32_t kInk = 0x2A1A0A;
inline constexpr uint32_t kWhite = 0xFFFFFF;

}  // namespace pennimar_art
