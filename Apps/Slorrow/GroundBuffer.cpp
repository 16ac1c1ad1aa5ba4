#include "Apps/Slorrow/GroundBuffer.h"

#include <algorithm>

namespace slorrow {
namespace {

bool Inside(int x, int y) { return x >= 0 && y >= 0 && x < kFieldWidth && y < kFieldHeight; }

}  // namespace

GroundBuffer::GroundBuffer() : pixels_(static_cast<size_t>(kFieldWidth) * kFieldHeight, kSky) {}

uint32_t GroundBuffer::At(int x, int y) const {
    return Inside(x, y) ? pixels_[static_cast<size_t>(y) * kFieldWidth + x] : kSky;
}

void GroundBuffer::Set(int x, int y, uint32_t colour) {
    if (Inside(x, y)) pixels_[static_cast<size_t>(y) * kFieldWidth + x] = colour;
}

void GroundBuffer::Stamp(std::span<const uint32_t> pixels, int width, int height, int x, int y) {
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<size_t>(width) * height) return;
    for (int row = std::max(0, -y); row < height && y + row < kFieldHeight; ++row) {
        for (int col = std::max(0, -x); col < width && x + col < kFieldWidth; ++col) {
            const uint32_t colour = pixels[static_cast<size_t>(row) * width + col];
            if (colour != kSky) Set(x + col, y + row, colour);
        }
    }
}

void GroundBuffer::PaintDisc(int centreX, int centreY, int radius, uint32_t colour) {
    if (radius < 0) return;
    const int top = std::max(0, centreY - radius);
    const int bottom = std::min(kFieldHeight - 1, centreY + radius);
    const int left = std::max(0, centreX - radius);
    const int right = std::min(kFieldWidth - 1, centreX + radius);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const int dx = x - centreX;
            const int dy = y - centreY;
            if (dx * dx + dy * dy <= radius * radius) pixels_[static_cast<size_t>(y) * kFieldWidth + x] = colour;
        }
    }
}

int GroundBuffer::SkyCount(int x, int y, int width) const {
    int count = 0;
    for (int col = x; col < x + width; ++col) count += Solid(col, y) ? 0 : 1;
    return count;
}

}  // namespace slorrow
