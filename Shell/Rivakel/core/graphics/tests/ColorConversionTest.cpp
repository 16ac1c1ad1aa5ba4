#include "core/graphics/ColorConversion.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorToIndex, CubeColoursMapToTheirEntries) {
    const Palette palette = CubePalette(Palette{});
    EXPECT_EQ(ColorToIndex(255, 0, 255, palette), 195);
    EXPECT_EQ(ColorToIndex(0, 0, 0, palette), 10);
    EXPECT_EQ(ColorToIndex(255, 255, 255, palette), 225);
    EXPECT_EQ(palette[195], (PaletteEntry{255, 0, 255, kCubeEntryFlags}));
    EXPECT_EQ(palette[9], PaletteEntry{});
    EXPECT_EQ(palette[226], PaletteEntry{});
}

TEST(ColorToIndex, OtherColoursFindTheNearestEntryFirstOfEquals) {
    Palette system{};
    system[3] = {1, 0, 0, 0};
    system[226] = {100, 100, 100, 0};
    const Palette palette = CubePalette(system);
    EXPECT_EQ(ColorToIndex(1, 0, 0, palette), 3);  // exact match
    EXPECT_EQ(ColorToIndex(2, 0, 0, palette), 3);
    EXPECT_EQ(ColorToIndex(101, 99, 100, palette), 226);
    // Black at entry 0 and the cube's black at 10 are equally near: the first wins.
    EXPECT_EQ(ColorToIndex(0, 0, 1, palette), 0);
    EXPECT_EQ(ColorToIndex(1, 2, 3, std::span<const PaletteEntry>{}), 0);
}

TEST(PackedColours, PackAndUnpackKeepTheTopBitsOfEachChannel) {
    EXPECT_EQ(ColorTo16(255, 0, 255, kLayout555), 0x7C1Fu);
    EXPECT_EQ(ColorTo16(255, 255, 255, kLayout565), 0xFFFFu);
    EXPECT_EQ(Unpack16(0x7C1F, kLayout555), (ColorRGB{248, 0, 248}));
    EXPECT_EQ(Unpack16(ColorTo16(200, 100, 50, kLayout565), kLayout565), (ColorRGB{200, 100, 48}));
    const PixelLayout derived = LayoutFromMasks(0xF800, 0x07E0, 0x001F);
    EXPECT_EQ(derived.green.shift, 5);
    EXPECT_EQ(derived.green.loss, 2);
}

TEST(PackedColours, MissingAndWideMasksStayInsideTheirBits) {
    const PixelLayout odd = LayoutFromMasks(0, 0x3FF00000, 0x000000FF);
    EXPECT_EQ(odd.red.loss, 8);
    EXPECT_EQ(odd.green.loss, 0);
    EXPECT_EQ(ColorTo16(255, 255, 255, odd) & ~0x3FF000FFu, 0u);
    EXPECT_EQ(Unpack16(0xFFFFFFFF, odd).r, 0);
}

TEST(DeviceColours, KeyAndValuesPerDepth) {
    const Palette palette = CubePalette(Palette{});
    EXPECT_EQ(DeviceColorKey(8, kLayout555, palette), 195u);
    EXPECT_EQ(DeviceColorKey(16, kLayout555, palette), 0x7C1Fu);
    EXPECT_EQ(DeviceColorKey(32, kLayout555, palette), 0xFF00FFu);
    EXPECT_EQ(DeviceColorKey(4, kLayout555, palette), 0u);
    EXPECT_EQ(ColorToDevice(24, {1, 2, 3}, kLayout555, palette), 0x010203u);
    EXPECT_EQ(ColorToDevice(32, {1, 2, 3}, LayoutFromMasks(0xFF0000, 0xFF00, 0xFF), palette), 0x010203u);
    ColorRGB out;
    EXPECT_FALSE(GetPaletteEntry(256, palette, out));
    EXPECT_FALSE(GetPaletteEntry(-1, palette, out));
    EXPECT_TRUE(GetPaletteEntry(225, palette, out));
    EXPECT_EQ(out, (ColorRGB{255, 255, 255}));
}

}  // namespace
