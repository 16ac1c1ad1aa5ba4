// The 500 x 420 field as pixels: what is drawn and what the ball and the candidates collide with.
// The key colour is sky; every access outside the field reads as sky and writes nowhere.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace slorrow {

inline constexpr int kFieldWidth = 500;
inline constexpr int kFieldHeight = 420;
inline constexpr uint32_t kSky = 0xFF00FF;
inline constexpr uint32_t kCraterGlow = 0xFFFFFF;

class GroundBuffer {
public:
    GroundBuffer();

    uint32_t At(int x, int y) const;
    bool Solid(int x, int y) const { return At(x, y) != kSky; }
    void Set(int x, int y, uint32_t colour);
    // Draws a picture over the field, leaving its key-coloured pixels out.
    void Stamp(std::span<const uint32_t> pixels, int width, int height, int x, int y);
    void PaintDisc(int centreX, int centreY, int radius, uint32_t colour);
    // Sky pixels in the row segment [x, x + width).
    int SkyCount(int x, int y, int width) const;

    std::span<const uint32_t> Pixels() const { return pixels_; }
    std::span<uint32_t> Pixels() { return pixels_; }

private:
    std::vector<uint32_t> pixels_;
};

}  // namespace slorrow
