// The colours of Brisquet2's pictures. The bubbles are drawn in the six greys of the game's
// recolour map, which turn warm when the game loads them; every other colour keeps away from them.
#pragma once

#include <cstdint>

namespace brisquet2_art {

// The recolour map, drawn as greys and shown as the colours beside them.
inline constexpr uint32_t kMapLight = 0xCCCCCC;      // -> 0xFFCC66
inline constexpr uint32_t kMapMid = 0x999999;        // -> 0xCC9933
inline constexpr uint32_t kMapLilac = 0x9999CC;      // -> 0xCC66FF
inline constexpr uint32_t kMapDeepLilac = 0x666699;  // -> 0x9933CC
inline constexpr uint32_t kMapRose = 0xCC9999;       // -> 0xFF6666
inline constexpr uint32_t kMapDeepRose = 0x996666;   // -> 0xCC0033

// The deep water behind the bubbles and its light.
inline constexpr uint32_t kDeep = 0x0F1838;
inline constexpr uint32_t kDeepCell = 0x16224A;
inline constexpr uint32_t kDeepCellLight = 0x1C2B5C;
inline constexpr uint32_t kSea = 0x1E3F8F;
inline constexpr uint32_t kSeaLight = 0x3E6CB8;
inline constexpr uint32_t kFoam = 0xD8F3FF;
inline constexpr uint32_t kWhite = 0xFFFFFF;

// Gold of the challenge, aqua of the other modes, cream of the notes.
inline constexpr uint32_t kGold = 0xF2B533;
inline constexpr uint32_t kGoldLight = 0xFFE79A;
inline constexpr uint32_t kGoldDark = 0x9A6410;
inline constexpr uint32_t kAqua = 0x5FD3C8;
inline constexpr uint32_t kAquaLight = 0xC9F5EE;
inline constexpr uint32_t kAquaDark = 0x1F7F86;
inline constexpr uint32_t kCream = 0xFFF6CF;
inline constexpr uint32_t kInk = 0x333333;
inline constexpr uint32_t kCoral = 0xFF7A59;

}  // namespace brisquet2_art
