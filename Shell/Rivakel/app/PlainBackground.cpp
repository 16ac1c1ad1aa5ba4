#include "app/PlainBackground.h"

#include <algorithm>
#include <vector>

void PresentPlainBackground(platform::Window& window, const WindowSizeTable& sizes) {
    const int width = sizes.windowWidth;
    const int height = sizes.windowHeight;
    if (width <= 0 || height <= 0) return;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height), kPortalTeal);
    const int band = std::min(kPlainBandHeight, height);
    std::fill(pixels.begin(), pixels.begin() + static_cast<std::ptrdiff_t>(band) * width, kPortalIndigo);
    platform::PixelView view{pixels.data(), width, height, width};
    const platform::Rect all{0, 0, width, height};
    window.Present(view, std::span<const platform::Rect>(&all, 1));
}
