// Conversions between 0xRRGGBB colours and the device formats of palette and 16-bit displays.
// The shell draws only at 32 bits; these stay for the values the services still report.
#pragma once

#include <array>
#include <cstdint>
#include <span>

struct ColorRGB {
    uint8_t r = 0, g = 0, b = 0;
    uint32_t Value() const { return (uint32_t{r} << 16) | (uint32_t{g} << 8) | b; }
    // From 0xRRGGBB; higher bits are ignored.
    static constexpr ColorRGB Of(uint32_t rgb) {
        return {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb)};
    }
    bool operator==(const ColorRGB&) const = default;
};

struct PaletteEntry {
    uint8_t r = 0, g = 0, b = 0, flags = 0;
    bool operator==(const PaletteEntry&) const = default;
};
using Palette = std::array<PaletteEntry, 256>;

// Entries of the 6x6x6 colour cube are marked reserved and not to be collapsed.
inline constexpr uint8_t kCubeEntryFlags = 0x05;
inline constexpr int kCubeFirstEntry = 10;

// `system` with entries 10 to 225 replaced by the cube: (r, g, b) in steps of 51 at
// 10 + 36 (r / 51) + 6 (g / 51) + b / 51.
Palette CubePalette(const Palette& system);

// The cube entry when every channel is a multiple of 51, else the nearest entry by squared
// distance (the first of equals; an exact match ends the search). 0 for an empty palette.
uint8_t ColorToIndex(uint8_t r, uint8_t g, uint8_t b, std::span<const PaletteEntry> palette);

// False (and black) for an index outside the palette.
bool GetPaletteEntry(int index, std::span<const PaletteEntry> palette, ColorRGB& out);

// One colour channel of a packed pixel: the mask, its lowest bit and the bits it lacks of 8.
struct ChannelLayout {
    uint32_t mask = 0;
    int shift = 0;
    int loss = 8;
};
struct PixelLayout {
    ChannelLayout red, green, blue;
};

ChannelLayout ChannelFromMask(uint32_t mask);
PixelLayout LayoutFromMasks(uint32_t red, uint32_t green, uint32_t blue);

inline constexpr PixelLayout kLayout555{{0x7C00, 10, 3}, {0x03E0, 5, 3}, {0x001F, 0, 3}};
inline constexpr PixelLayout kLayout565{{0xF800, 11, 3}, {0x07E0, 5, 2}, {0x001F, 0, 3}};

// Each channel cut to its width and placed at its shift; bits outside the masks never appear.
uint32_t ColorTo16(uint8_t r, uint8_t g, uint8_t b, const PixelLayout& layout);
ColorRGB Unpack16(uint32_t value, const PixelLayout& layout);

// The device value of a colour: a palette index at 8 bits, packed at 16, 0xRRGGBB at 24,
// placed by the layout at 32. 0 for any other depth.
uint32_t ColorToDevice(int depth, ColorRGB colour, const PixelLayout& layout, std::span<const PaletteEntry> palette);
// The colour key (magenta) in the device format of that depth.
uint32_t DeviceColorKey(int depth, const PixelLayout& layout, std::span<const PaletteEntry> palette);
