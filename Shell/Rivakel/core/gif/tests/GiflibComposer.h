// Reference composition built on giflib's decoder with the shell's composition rules, for the
// comparison test and the benchmark. giflib is linked only into those executables.
#pragma once

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

#include "core/gif/GifDecoder.h"

namespace giftest {

struct MemoryInput {
    std::span<const uint8_t> data;
    size_t pos = 0;
};

inline int ReadMemory(GifFileType* gif, GifByteType* into, int count) {
    auto* in = static_cast<MemoryInput*>(gif->UserData);
    const size_t n = std::min(static_cast<size_t>(std::max(count, 0)), in->data.size() - in->pos);
    // An empty input has no data pointer to copy from.
    if (n > 0) std::memcpy(into, in->data.data() + in->pos, n);
    in->pos += n;
    return static_cast<int>(n);
}

inline bool HasLoopBlock(const ExtensionBlock* blocks, int count) {
    for (int i = 0; i < count; ++i)
        if (blocks[i].Function == APPLICATION_EXT_FUNC_CODE && blocks[i].ByteCount >= 11 &&
            std::memcmp(blocks[i].Bytes, "NETSCAPE2.0", 11) == 0)
            return true;
    return false;
}

// nullopt when giflib refuses the data.
inline std::optional<GifImage> ComposeWithGiflib(std::span<const uint8_t> data) {
    MemoryInput input{data};
    int error = 0;
    GifFileType* gif = DGifOpen(&input, ReadMemory, &error);
    if (gif == nullptr) return std::nullopt;
    if (DGifSlurp(gif) != GIF_OK || gif->SWidth <= 0 || gif->SHeight <= 0) {
        DGifCloseFile(gif, &error);
        return std::nullopt;
    }
    GifImage out;
    out.width = gif->SWidth;
    out.height = gif->SHeight;
    out.loops = HasLoopBlock(gif->ExtensionBlocks, gif->ExtensionBlockCount);
    const size_t count = static_cast<size_t>(out.width) * static_cast<size_t>(out.height);
    int previousDisposal = 0;
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        out.loops = out.loops || HasLoopBlock(image.ExtensionBlocks, image.ExtensionBlockCount);
        GraphicsControlBlock gcb{};
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        DGifSavedExtensionToGCB(gif, i, &gcb);
        GifFrame& frame = out.frames.emplace_back();
        frame.keyed = gcb.TransparentColor != NO_TRANSPARENT_COLOR;
        frame.disposal = gcb.DisposalMode;
        frame.frameTimeMs = (gcb.DelayTime == 0 ? 10 : gcb.DelayTime) * 10;
        if (i > 0 && (previousDisposal <= 1 || previousDisposal == 3))
            frame.pixels = out.frames[static_cast<size_t>(i) - 1].pixels;
        else
            frame.pixels.assign(count, frame.keyed ? kGifColourKey : 0u);
        previousDisposal = gcb.DisposalMode;

        std::array<uint32_t, 256> palette{};
        const ColorMapObject* map = image.ImageDesc.ColorMap != nullptr ? image.ImageDesc.ColorMap : gif->SColorMap;
        for (int c = 0; map != nullptr && c < map->ColorCount && c < 256; ++c)
            palette[static_cast<size_t>(c)] = (static_cast<uint32_t>(map->Colors[c].Red) << 16) |
                                              (map->Colors[c].Green << 8) | map->Colors[c].Blue;
        const GifImageDesc& d = image.ImageDesc;
        for (int y = 0; y < d.Height; ++y) {
            const int sy = d.Top + y;
            if (sy >= out.height) break;
            for (int x = 0; x < d.Width && d.Left + x < out.width; ++x) {
                const int index = image.RasterBits[static_cast<size_t>(y) * static_cast<size_t>(d.Width) + static_cast<size_t>(x)];
                if (index == gcb.TransparentColor) continue;
                frame.pixels[static_cast<size_t>(sy) * static_cast<size_t>(out.width) + static_cast<size_t>(d.Left + x)] =
                    palette[static_cast<size_t>(index)];
            }
        }
    }
    DGifCloseFile(gif, &error);
    return out;
}

}  // namespace giftest
