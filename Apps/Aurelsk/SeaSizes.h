// The sizes of the sea's pictures: the art draws them and the world collides with them.
#pragma once

namespace aurelsk {

struct SpriteSize {
    int width;
    int height;
};

inline constexpr SpriteSize kPlayerSize{48, 24};
inline constexpr SpriteSize kPirateSize{64, 28};
inline constexpr SpriteSize kMiniPirateSize{40, 20};
inline constexpr SpriteSize kSharkSize{64, 24};
inline constexpr SpriteSize kTorpedoSize{20, 6};
inline constexpr SpriteSize kTreasureSize{20, 16};
inline constexpr SpriteSize kChestSize{28, 22};

inline constexpr int kSeaWidth = 500;
inline constexpr int kSeaBottom = 420;
inline constexpr int kSurfaceY = 85;

}  // namespace aurelsk
