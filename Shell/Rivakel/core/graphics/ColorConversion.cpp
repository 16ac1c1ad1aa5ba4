#include "core/graphics/ColorConversion.h"

#include <bit>

Palette CubePalette(const Palette& system) {
    Palette palette = system;
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6; ++b) {
                palette[kCubeFirstEntry + 36 * r + 6 * g + b] = {static_cast<uint8_t>(r * 51), static_cast<uint8_t>(g * 51),
                                                                  static_cast<uint8_t>(b * 51), kCubeEntryFlags};
            }
        }
    }
    return palette;
}

uint8_t ColorToIndex(uint8_t r, uint8_t g, uint8_t b, std::span<const PaletteEntry> palette) {
    if (r % 51 == 0 && g % 51 == 0 && b % 51 == 0) {
        return static_cast<uint8_t>((b + 6 * g + 36 * r) / 51 + kCubeFirstEntry);
    }
    int best = 0;
    int bestDistance = -1;
    for (size_t i = 0; i < palette.size(); ++i) {
        const int dr = palette[i].r - r, dg = palette[i].g - g, db = palette[i].b - b;
        const int distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = distance;
            if (distance == 0) break;
        }
    }
    return static_cast<uint8_t>(best);
}

bool GetPaletteEntry(int index, std::span<const PaletteEntry> palette, ColorRGB& out) {
    out = {};
    if (index < 0 || static_cast<size_t>(index) >= palette.size()) return false;
    out = {palette[index].r, palette[index].g, palette[index].b};
    return true;
}

ChannelLayout ChannelFromMask(uint32_t mask) {
    if (mask == 0) return {};
    const int width = std::popcount(mask);
    return {mask, std::countr_zero(mask), width >= 8 ? 0 : 8 - width};
}

PixelLayout LayoutFromMasks(uint32_t red, uint32_t green, uint32_t blue) {
    return {ChannelFromMask(red), ChannelFromMask(green), ChannelFromMask(blue)};
}

namespace {
uint32_t Pack(uint8_t value, const ChannelLayout& channel) {
    if (channel.mask == 0) return 0;
    return ((uint32_t{value} >> channel.loss) << channel.shift) & channel.mask;
}
uint8_t Unpack(uint32_t value, const ChannelLayout& channel) {
    if (channel.mask == 0) return 0;
    return static_cast<uint8_t>(((value & channel.mask) >> channel.shift) << channel.loss);
}
}  // namespace

uint32_t ColorTo16(uint8_t r, uint8_t g, uint8_t b, const PixelLayout& layout) {
    return Pack(r, layout.red) | Pack(g, layout.green) | Pack(b, layout.blue);
}

ColorRGB Unpack16(uint32_t value, const PixelLayout& layout) {
    return {Unpack(value, layout.red), Unpack(value, layout.green), Unpack(value, layout.blue)};
}

uint32_t ColorToDevice(int depth, ColorRGB colour, const PixelLayout& layout, std::span<const PaletteEntry> palette) {
    switch (depth) {
        case 8: return ColorToIndex(colour.r, colour.g, colour.b, palette);
        case 16:
        case 32: return ColorTo16(colour.r, colour.g, colour.b, layout);
        case 24: return colour.Value();
        default: return 0;
    }
}

uint32_t DeviceColorKey(int depth, const PixelLayout& layout, std::span<const PaletteEntry> palette) {
    switch (depth) {
        case 8: return ColorToIndex(255, 0, 255, palette);
        case 16: return ColorTo16(255, 0, 255, layout);
        case 24:
        case 32: return 0xFF00FF;
        default: return 0;
    }
}
