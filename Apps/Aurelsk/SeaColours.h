// Colours the screens swap when loading pictures, and which the art draws in exactly: an enemy's
// torpedo, the player's submarine short of oxygen, the damaged pirate seen burning.
#pragma once

#include <array>
#include <cstdint>

namespace aurelsk {

struct ColourSwap {
    uint32_t from;
    uint32_t to;
};

inline constexpr uint32_t kTorpedoRed = 0xFF0000;
inline constexpr uint32_t kTorpedoShade = 0xCC0000;
inline constexpr std::array<ColourSwap, 2> kEnemyTorpedoSwaps{{{kTorpedoRed, 0xFFFFFF}, {kTorpedoShade, 0x00FF00}}};

inline constexpr uint32_t kDiverHull = 0xFFCC1A;
inline constexpr uint32_t kDiverHullShade = 0xD99A00;
inline constexpr std::array<ColourSwap, 2> kWarningSwaps{{{kDiverHull, 0xFF5A3C}, {kDiverHullShade, 0xC22A12}}};

inline constexpr uint32_t kPirateHull = 0x4A5566;
inline constexpr uint32_t kPirateHullShade = 0x2E3642;
inline constexpr std::array<ColourSwap, 2> kDamagedSwaps{{{kPirateHull, 0x6B4436}, {kPirateHullShade, 0x3F261D}}};

}  // namespace aurelsk
