// The decoder against giflib: same composed pixels, frame times and loop flag.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/gif/GifDecoder.h"
#include "core/gif/tests/GifTestWriter.h"
#include "core/gif/tests/GiflibComposer.h"
#include "core/resources/CursorResource.h"
#include "core/resources/ResourceFormat.h"
#include "core/resources/ResourceModule.h"

namespace {

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The GIFs installed on this machine, capped so the test stays short.
std::vector<std::filesystem::path> InstalledGifs() {
    std::vector<std::filesystem::path> found;
    std::error_code ec;
    auto it = std::filesystem::recursive_directory_iterator(
        "/usr/share", std::filesystem::directory_options::skip_permission_denied, ec);
    for (; !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        if (found.size() >= 300) break;
        std::error_code fileEc;
        if (!it->is_regular_file(fileEc)) continue;
        std::string ext = it->path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
        if (ext == ".gif" && it->file_size(fileEc) <= 4 * 1024 * 1024) found.push_back(it->path());
    }
    return found;
}

// Where giflib reads the data, ours must read the same; where giflib refuses it, ours must refuse
// it too or give a whole picture. False when giflib refused it.
bool ExpectSameAsGiflib(const std::vector<uint8_t>& data, const std::string& label) {
    const std::optional<GifImage> reference = giftest::ComposeWithGiflib(data);
    GifImage ours;
    const int result = DecodeGif(data, ours, label);
    if (!reference) {
        if (result != kGifOk) return false;
        EXPECT_GT(ours.width, 0) << label;
        EXPECT_GT(ours.height, 0) << label;
        const size_t screen = static_cast<size_t>(ours.width) * static_cast<size_t>(ours.height);
        for (const GifFrame& frame : ours.frames) EXPECT_EQ(frame.pixels.size(), screen) << label;
        return false;
    }
    EXPECT_EQ(result, kGifOk) << label;
    EXPECT_EQ(ours.width, reference->width) << label;
    EXPECT_EQ(ours.height, reference->height) << label;
    EXPECT_EQ(ours.loops, reference->loops) << label;
    EXPECT_EQ(ours.frames.size(), reference->frames.size()) << label;
    for (size_t i = 0; i < std::min(ours.frames.size(), reference->frames.size()); ++i) {
        EXPECT_EQ(ours.frames[i].frameTimeMs, reference->frames[i].frameTimeMs) << label << " frame " << i;
        EXPECT_EQ(ours.frames[i].keyed, reference->frames[i].keyed) << label << " frame " << i;
        EXPECT_TRUE(ours.frames[i].pixels == reference->frames[i].pixels) << label << " frame " << i;
    }
    return true;
}

TEST(GifCompare, InstalledGifsDecodeLikeGiflib) {
    const auto files = InstalledGifs();
    if (files.empty()) GTEST_SKIP() << "no GIF files under /usr/share";
    int compared = 0;
    for (const auto& path : files) compared += ExpectSameAsGiflib(ReadFile(path), path.string()) ? 1 : 0;
    RecordProperty("compared", compared);
    EXPECT_GT(compared, 0) << "giflib refused every installed GIF";
}

// The art tool's output as this program carries it; cursors wrap their GIF with a hot spot.
TEST(GifCompare, ArtToolGifsDecodeLikeGiflib) {
    const resources::ResourceModule* own = resources::ResourceModule::Own();
    ASSERT_NE(own, nullptr);
    int compared = 0;
    for (size_t i = 0; i < own->Blob().ResourceCount(); ++i) {
        const resources::ResourceEntry entry = own->Blob().EntryAt(i);
        std::span<const uint8_t> gif = entry.data;
        if (entry.type == resources::kTypeCursor) {
            const auto cursor = resources::ParseCursorResource(entry.data);
            ASSERT_TRUE(cursor) << entry.name;
            gif = cursor->gif;
        }
        if (gif.size() < 6 || std::memcmp(gif.data(), "GIF8", 4) != 0) continue;
        EXPECT_TRUE(ExpectSameAsGiflib({gif.begin(), gif.end()}, std::string(entry.name))) << entry.name;
        ++compared;
    }
    EXPECT_GE(compared, 9) << "the splash, two icons and six cursors";
}

TEST(GifCompare, WrittenAnimationsDecodeLikeGiflib) {
    std::vector<uint32_t> palette;
    for (uint32_t i = 0; i < 256; ++i) palette.push_back(i * 0x010307u & 0xFFFFFF);
    const std::vector<uint32_t> small = {0x102030, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

    for (int colours : {2, 5, 16, 256}) {
        giftest::File file;
        file.width = 61;
        file.height = 37;
        file.loop = colours % 2 == 0;
        file.globalTable.assign(palette.begin(), palette.begin() + colours);
        for (int disposal = 0; disposal < 4; ++disposal) {
            giftest::Frame f;
            f.left = disposal * 7;
            f.top = disposal * 3;
            f.width = 61 - f.left;
            f.height = 37 - f.top;
            const int used = disposal == 3 ? static_cast<int>(small.size()) : colours;
            f.indices = giftest::Pattern(f.width, f.height, used, static_cast<unsigned>(disposal + colours));
            f.disposal = disposal;
            f.delay = disposal * 5;
            f.transparentIndex = disposal == 1 ? 1 : -1;
            f.interlaced = disposal == 2;
            if (disposal == 3) f.localTable = small;
            file.frames.push_back(f);
        }
        EXPECT_TRUE(ExpectSameAsGiflib(giftest::Write(file), "written, colours " + std::to_string(colours)));
    }
}

// Damaged files: every cut of a small animation, and an empty file.
TEST(GifCompare, WhatGiflibRefusesOursRefusesOrReadsWhole) {
    giftest::File file;
    file.width = 9;
    file.height = 5;
    file.loop = true;
    file.globalTable = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    for (int disposal : {1, 2, 3}) {
        giftest::Frame f;
        f.left = disposal;
        f.width = 9 - disposal;
        f.height = 5;
        f.indices = giftest::Pattern(f.width, f.height, 4, static_cast<unsigned>(disposal));
        f.disposal = disposal;
        f.transparentIndex = disposal == 2 ? 0 : -1;
        file.frames.push_back(f);
    }
    const std::vector<uint8_t> whole = giftest::Write(file);
    ASSERT_TRUE(ExpectSameAsGiflib(whole, "whole"));
    int refused = 0;
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        const std::vector<uint8_t> part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
        refused += ExpectSameAsGiflib(part, "cut at " + std::to_string(cut)) ? 0 : 1;
    }
    EXPECT_GT(refused, 0);
}

TEST(GifCompare, FullCodeTableAndLongStringsDecodeLikeGiflib) {
    giftest::File file;
    file.width = 400;
    file.height = 300;
    for (uint32_t i = 0; i < 256; ++i) file.globalTable.push_back(i * 0x9E3779u & 0xFFFFFF);
    giftest::Frame noise;
    noise.width = 400;
    noise.height = 300;
    noise.indices = giftest::Pattern(400, 300, 256, 7);
    file.frames.push_back(noise);
    giftest::Frame flat = noise;
    flat.indices.assign(flat.indices.size(), 9);
    file.frames.push_back(flat);
    EXPECT_TRUE(ExpectSameAsGiflib(giftest::Write(file), "full table"));
}

}  // namespace
