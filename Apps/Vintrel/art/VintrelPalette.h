// The colours every picture of the pond game shares: the two kinds of blob and the water.
#pragma once

#include <cstdint>

namespace vintrel_palette {
inline constexpr uint32_t kPlayerBody = 0x2FB84A;
inline constexpr uint32_t kPlayerDark = 0x14632A;
inline constexpr uint32_t kBaddieBody = 0xE8702A;
inline constexpr uint32_t kBaddieDark = 0x8A3210;
inline constexpr uint32_t kWater = 0x2F6FB0;
inline constexpr uint32_t kShallow = 0x5C98D0;
}  // namespace vintrel_palette
