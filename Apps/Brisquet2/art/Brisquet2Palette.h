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

}  // namespace brisquet2_art
