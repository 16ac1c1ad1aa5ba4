#include <gtest/gtest.h>

#include <cstring>

#include "core/gif/GifDecoder.h"
#include "core/gif/tests/GifTestWriter.h"

namespace {

const std::vector<uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFFFFFF, 0x808080};

uint32_t Pixel(const GifImage& image, size_t frame, int x, int y) {
    return image.frames[frame].pixels[static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)];
}

giftest::Frame Solid(int left, int top, int width, int height, uint8_t index) {
    giftest::Frame f;
    f.left = left;
    f.top = top;
    f.width = width;
    f.height = height;
    f.indices.assign(static_cast<size_t>(width) * static_cast<size_t>(height), index);
    return f;
}

giftest::File Screen(int width, int height) {
    giftest::File file;
    file.width = width;
    file.height = height;
    file.globalTable = kPalette;
    return file;
}

// Raw codes of the given widths, least significant bit first, as sub-blocks.
std::vector<uint8_t> RawCodes(std::initializer_list<std::pair<int, int>> codes) {
    std::vector<uint8_t> bytes;
    uint32_t bits = 0;
    int count = 0;
    for (auto [code, width] : codes) {
        bits |= static_cast<uint32_t>(code) << count;
        count += width;
        for (; count >= 8; count -= 8, bits >>= 8) bytes.push_back(static_cast<uint8_t>(bits));
    }
    if (count > 0) bytes.push_back(static_cast<uint8_t>(bits));
    std::vector<uint8_t> out = {static_cast<uint8_t>(bytes.size())};
    out.insert(out.end(), bytes.begin(), bytes.end());
    out.push_back(0);
    return out;
}

// A 4x1 screen with the 8-colour table and one 4x1 frame made of `body` (code size byte and data).
std::vector<uint8_t> OneFrame(const std::vector<uint8_t>& body, bool trailer = true) {
    std::vector<uint8_t> out = {'G', 'I', 'F', '8', '9', 'a', 4, 0, 1, 0, 0x82, 0, 0};
    for (uint32_t c : kPalette) out.insert(out.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
    out.insert(out.end(), {0x2C, 0, 0, 0, 0, 4, 0, 1, 0, 0});
    out.insert(out.end(), body.begin(), body.end());
    if (trailer) out.push_back(0x3B);
    return out;
}

std::vector<uint8_t> WithCodeSize(int codeSize, const std::vector<uint8_t>& blocks) {
    std::vector<uint8_t> body = {static_cast<uint8_t>(codeSize)};
    body.insert(body.end(), blocks.begin(), blocks.end());
    return body;
}

TEST(GifDecoder, FrameTimesLoopFlagAndLoopCount) {
    giftest::File file = Screen(2, 2);
    file.frames = {Solid(0, 0, 2, 2, 1), Solid(0, 0, 2, 2, 2), Solid(0, 0, 2, 2, 3)};
    file.frames[0].delay = 0;
    file.frames[1].delay = 5;
    file.frames[2].delay = 65535;
    GifImage image;
    ASSERT_EQ(DecodeGif(giftest::Write(file), image), kGifOk);
    ASSERT_EQ(image.frames.size(), 3u);
    EXPECT_EQ(image.frames[0].frameTimeMs, 100);
    EXPECT_EQ(image.frames[1].frameTimeMs, 50);
    EXPECT_EQ(image.frames[2].frameTimeMs, 655350);
    EXPECT_FALSE(image.loops);

    file.loop = true;
    file.loopCount = 7;
    ASSERT_EQ(DecodeGif(giftest::Write(file), image), kGifOk);
    EXPECT_TRUE(image.loops);
    EXPECT_EQ(image.loopCount, 7);
}

TEST(GifDecoder, InterlacedRowsLandInDisplayOrder) {
    for (int height = 1; height <= 9; ++height) {
        giftest::File file = Screen(1, height);
        giftest::Frame f = Solid(0, 0, 1, height, 0);
        for (int y = 0; y < height; ++y) f.indices[static_cast<size_t>(y)] = static_cast<uint8_t>(y % 8);
        f.interlaced = true;
        file.frames = {f};
        GifImage image;
        ASSERT_EQ(DecodeGif(giftest::Write(file), image), kGifOk) << height;
        for (int y = 0; y < height; ++y) EXPECT_EQ(Pixel(image, 0, 0, y), kPalette[static_cast<size_t>(y % 8)]) << height;
    }
}

TEST(GifDecoder, DisposalDecidesWhatTheNextFrameStartsFrom) {
    for (int disposal = 0; disposal < 8; ++disposal) {
        giftest::File file = Screen(4, 4);
        file.frames = {Solid(0, 0, 4, 4, 1), Solid(1, 1, 2, 2, 2)};
        file.frames[0].disposal = disposal;
        GifImage image;
        ASSERT_EQ(DecodeGif(giftest::Write(file), image), kGifOk);
        const bool keeps = disposal <= 1 || disposal == 3;
        EXPECT_EQ(Pixel(image, 1, 0, 0), keeps ? 0xFF0000u : 0u) << disposal;
        EXPECT_EQ(Pixel(image, 1, 1, 1), 0x00FF00u) << disposal;
        EXPECT_EQ(Pixel(image, 0, 1, 1), 0xFF0000u) << "the first frame is its own copy";
    }
}

TEST(GifDecoder, TransparencyKeysUncoveredPixelsAndKeepsPreviousOnes) {
    giftest::File file = Screen(3, 1);
    giftest::Frame first = Solid(0, 0, 3, 1, 2);
    first.indices = {2, 5, 2};
    first.transparentIndex = 5;
    giftest::Frame second = Solid(0, 0, 3, 1, 3);
    second.indices = {5, 3, 5};
    second.transparentIndex = 5;
    giftest::Frame third = Solid(0, 0, 1, 1, 4);
    third.control = false;  // no control block: not keyed, the previous control does not carry over
    file.frames = {first, second, third};
    GifImage image;
    ASSERT_EQ(DecodeGif(giftest::Write(file), image), kGifOk);
    EXPECT_TRUE(image.frames[0].keyed);
    EXPECT_EQ(Pixel(image, 0, 1, 0), kGifColourKey);
    EXPECT_EQ(Pixel(image, 1, 0, 0), 0x00FF00u);
    EXPECT_EQ(Pixel(image, 1, 1, 0), 0x0000FFu);
    EXPECT_FALSE(image.frames[2].keyed);
    EXPECT_EQ(Pixel(image, 2, 0, 0), 0xFFFF00u);
}

TEST(GifDecoder, ColourMapRecoloursPaletteEntries) {
    giftest::File file = Screen(2, 1);
    file.frames = {Solid(0, 0, 2, 1, 1)};
    file.frames[0].indices = {1, 2};
    const std::vector<int32_t> words = {2, 0xFF0000, 0x0000FF, 0xFF0000, 0x123456};
    const auto map = GifColourMapFromWords(words);
    ASSERT_EQ(map.size(), 2u);
    GifImage image;
    ASSERT_EQ(DecodeGif(giftest::Write(file), image, "map", map), kGifOk);
    EXPECT_EQ(Pixel(image, 0, 0, 0), 0x0000FFu) << "first matching pair wins";
    EXPECT_EQ(Pixel(image, 0, 1, 0), 0x00FF00u);

    EXPECT_TRUE(GifColourMapFromWords(std::vector<int32_t>{0, 1, 2}).empty());
    EXPECT_TRUE(GifColourMapFromWords(std::vector<int32_t>{-4, 1, 2}).empty());
    EXPECT_EQ(GifColourMapFromWords(std::vector<int32_t>{1000, 1, 2, 3}).size(), 1u);
}

TEST(GifDecoder, DeferredClearAndFullTablesDecodeExactly) {
    for (bool defer : {false, true}) {
        giftest::File file = Screen(300, 200);
        file.deferClear = defer;
        file.globalTable.resize(256, 0x445566);
        for (uint32_t i = 0; i < 256; ++i) file.globalTable[i] = i * 0x010101u;
        giftest::Frame f = Solid(0, 0, 300, 200, 0);
        f.indices = giftest::Pattern(300, 200, 256, 3);
        file.frames = {f};
        GifImage image;
        ASSERT_EQ(DecodeGif(giftest::Write(file), image), kGifOk) << defer;
        for (size_t i = 0; i < f.indices.size(); ++i)
            ASSERT_EQ(image.frames[0].pixels[i], f.indices[i] * 0x010101u) << "defer " << defer << " at " << i;
    }
}

TEST(GifDecoder, FramesOutsideTheScreenAreClipped) {
    giftest::File file = Screen(4, 4);
    file.frames = {Solid(2, 3, 5, 5, 6), Solid(100, 100, 3, 3, 1), Solid(0, 0, 300, 2, 2)};
    GifImage image;
    ASSERT_EQ(DecodeGif(giftest::Write(file), image), kGifOk);
    EXPECT_EQ(Pixel(image, 0, 3, 3), 0xFFFFFFu);
    EXPECT_EQ(Pixel(image, 0, 1, 3), 0u);
    EXPECT_EQ(Pixel(image, 0, 3, 2), 0u);
    EXPECT_TRUE(image.frames[1].pixels == image.frames[0].pixels);
    EXPECT_EQ(Pixel(image, 2, 3, 1), 0x00FF00u);
    EXPECT_EQ(Pixel(image, 2, 3, 2), 0u);
}

TEST(GifDecoder, IndicesBeyondTheTableAndMissingTablesAreBlack) {
    giftest::File file = Screen(3, 1);
    file.globalTable = {0xFF0000, 0x00FF00};
    file.frames = {Solid(0, 0, 3, 1, 0)};
    file.frames[0].indices = {1, 7, 3};
    file.frames[0].codeSize = 3;
    GifImage image;
    ASSERT_EQ(DecodeGif(giftest::Write(file), image), kGifOk);
    EXPECT_EQ(Pixel(image, 0, 0, 0), 0x00FF00u);
    EXPECT_EQ(Pixel(image, 0, 1, 0), 0u);

    file.globalTable.clear();
    ASSERT_EQ(DecodeGif(giftest::Write(file), image), kGifOk);
    EXPECT_EQ(Pixel(image, 0, 0, 0), 0u);
}

TEST(GifDecoder, CodeSizeOneUsesTwoBitCodes) {
    // clear = 2, end = 3, and the width grows to 3 bits after the first code: 1, 0, 1, 1, end.
    const auto data = OneFrame(WithCodeSize(1, RawCodes({{2, 2}, {1, 2}, {0, 3}, {1, 3}, {1, 3}, {3, 3}})));
    GifImage image;
    ASSERT_EQ(DecodeGif(data, image), kGifOk);
    EXPECT_EQ(Pixel(image, 0, 0, 0), 0xFF0000u);
    EXPECT_EQ(Pixel(image, 0, 1, 0), 0u);
    EXPECT_EQ(Pixel(image, 0, 3, 0), 0xFF0000u);
}

TEST(GifDecoder, CorruptCodeStreamsKeepDecodedPixelsAndFail) {
    GifImage image;
    // Code 14 is above next free (10) after a literal.
    EXPECT_EQ(DecodeGif(OneFrame(WithCodeSize(3, RawCodes({{8, 4}, {1, 4}, {14, 4}}))), image), kGifBadData);
    ASSERT_EQ(image.frames.size(), 1u);
    EXPECT_EQ(Pixel(image, 0, 0, 0), 0xFF0000u);
    // The first code after a clear is a table entry, not a literal.
    EXPECT_EQ(DecodeGif(OneFrame(WithCodeSize(3, RawCodes({{8, 4}, {10, 4}}))), image), kGifBadData);
    // The code-equals-next-free case with no previous code.
    EXPECT_EQ(DecodeGif(OneFrame(WithCodeSize(3, RawCodes({{10, 4}}))), image), kGifBadData);
    for (int size : {0, 9, 12, 255})
        EXPECT_EQ(DecodeGif(OneFrame(WithCodeSize(size, RawCodes({{0, 4}}))), image), kGifBadData) << size;
    // An early end code is a short frame, not an error.
    EXPECT_EQ(DecodeGif(OneFrame(WithCodeSize(3, RawCodes({{8, 4}, {2, 4}, {9, 4}}))), image), kGifOk);
    EXPECT_EQ(Pixel(image, 0, 1, 0), 0u);
}

TEST(GifDecoder, TruncationAtEveryOffsetFailsSafely) {
    giftest::File file = Screen(16, 8);
    file.loop = true;
    for (int i = 0; i < 3; ++i) {
        giftest::Frame f = Solid(i, i, 16 - i, 8 - i, 0);
        f.indices = giftest::Pattern(f.width, f.height, 8, static_cast<unsigned>(i));
        f.interlaced = i == 1;
        f.transparentIndex = i;
        file.frames.push_back(f);
    }
    const std::vector<uint8_t> whole = giftest::Write(file);
    GifImage image;
    ASSERT_EQ(DecodeGif(whole, image), kGifOk);
    for (size_t size = 0; size < whole.size(); ++size) {
        // A copy of exactly `size` bytes, so that the sanitizers see any read past it.
        const std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<long>(size));
        EXPECT_EQ(DecodeGif(cut, image), kGifBadData) << size;
        EXPECT_LE(image.frames.size(), 3u);
    }
}

TEST(GifDecoder, BadHeadersAndBlocksFail) {
    GifImage image;
    const std::vector<uint8_t> good = OneFrame(WithCodeSize(3, RawCodes({{8, 4}, {1, 4}, {9, 4}})));
    ASSERT_EQ(DecodeGif(good, image), kGifOk);

    auto bad = good;
    std::memcpy(bad.data(), "GIF88a", 6);
    EXPECT_EQ(DecodeGif(bad, image), kGifBadData);
    EXPECT_TRUE(image.frames.empty());

    for (auto [w, h] : {std::pair{0, 1}, std::pair{1, 0}, std::pair{65535, 65535}, std::pair{4097, 1}}) {
        bad = good;
        bad[6] = uint8_t(w), bad[7] = uint8_t(w >> 8), bad[8] = uint8_t(h), bad[9] = uint8_t(h >> 8);
        EXPECT_EQ(DecodeGif(bad, image), kGifBadData) << w << "x" << h;
    }

    bad = good;
    bad.back() = 0x99;  // an unknown block where the trailer was, as the last byte
    EXPECT_EQ(DecodeGif(bad, image), kGifBadData);
    EXPECT_EQ(image.frames.size(), 1u);
}

// Inserts `block` after the screen descriptor and table of `OneFrame`.
std::vector<uint8_t> WithBlock(const std::vector<uint8_t>& block) {
    auto data = OneFrame(WithCodeSize(3, RawCodes({{8, 4}, {1, 4}, {9, 4}})));
    data.insert(data.begin() + 13 + 24, block.begin(), block.end());
    return data;
}

TEST(GifDecoder, ExtensionBlocksAreReadByTheirSizes) {
    GifImage image;
    // Graphic control blocks of sizes 0 and 10 are read by their size byte.
    EXPECT_EQ(DecodeGif(WithBlock({0x21, 0xF9, 0, 0}), image), kGifOk);
    EXPECT_EQ(DecodeGif(WithBlock({0x21, 0xF9, 10, 1, 5, 0, 3, 0, 0, 0, 0, 0, 0, 0}), image), kGifOk);
    EXPECT_TRUE(image.frames[0].keyed);
    EXPECT_EQ(image.frames[0].frameTimeMs, 50);

    std::vector<uint8_t> app = {0x21, 0xFF, 255};
    app.resize(app.size() + 255, 'x');
    app.insert(app.end(), {2, 'a', 'b', 0});
    EXPECT_EQ(DecodeGif(WithBlock(app), image), kGifOk);
    EXPECT_FALSE(image.loops);

    const std::vector<uint8_t> loopId = {0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    auto loopBlock = [&](std::vector<uint8_t> sub) {
        std::vector<uint8_t> block = loopId;
        block.insert(block.end(), sub.begin(), sub.end());
        return WithBlock(block);
    };
    EXPECT_EQ(DecodeGif(loopBlock({0}), image), kGifOk);
    EXPECT_TRUE(image.loops);
    EXPECT_EQ(DecodeGif(loopBlock({5, 2, 0, 0, 0, 0, 0}), image), kGifBadData);
    EXPECT_EQ(DecodeGif(loopBlock({4, 1, 0, 0, 0, 0}), image), kGifBadData);

    EXPECT_EQ(DecodeGif(WithBlock({0x21, 0xFE, 3, 'a', 'b', 'c', 0}), image), kGifOk);
}

TEST(GifDecoder, CapsOnFramesAndMemoryFail) {
    giftest::File file = Screen(64, 64);
    for (int i = 0; i < 5; ++i) file.frames.push_back(Solid(0, 0, 64, 64, static_cast<uint8_t>(i)));
    const auto data = giftest::Write(file);
    GifImage image;
    GifLimits limits;
    limits.maxFrames = 4;
    EXPECT_EQ(DecodeGif(data, image, "cap", {}, limits), kGifBadData);
    EXPECT_EQ(image.frames.size(), 4u);
    limits = GifLimits{};
    limits.maxTotalBytes = 64 * 64 * 4 * 2;
    EXPECT_EQ(DecodeGif(data, image, "cap", {}, limits), kGifBadData);
    EXPECT_EQ(image.frames.size(), 2u);
    limits = GifLimits{};
    limits.maxTotalFramePixels = 64 * 64 * 3;
    EXPECT_EQ(DecodeGif(data, image, "cap", {}, limits), kGifBadData);
    EXPECT_EQ(image.frames.size(), 3u);
    limits = GifLimits{};
    limits.maxFramePixels = 100;
    EXPECT_EQ(DecodeGif(data, image, "cap", {}, limits), kGifBadData);
    EXPECT_TRUE(image.frames.empty());
}

}  // namespace
