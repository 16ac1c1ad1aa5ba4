#include "art/GifWriter.h"

#include <gif_lib.h>

#include <memory>


namespace art {

namespace {

int WriteToVector(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + length);
    return length;
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

std::nullopt_t Fail(std::string* error, const std::string& why) {
    if (error != nullptr) *error = why;
    return std::nullopt;
}

}  // namespace

std::optional<std::vector<uint8_t>> EncodeGif(std::span<const Canvas> frames, std::span<const int> delays, bool loop,
                                              std::string* error) {
    return EncodeGif(frames, Quantise(frames), delays, loop, error);
}

std::optional<std::vector<uint8_t>> EncodeGif(std::span<const Canvas> frames, const Quantised& q,
                                              std::span<const int> delays, bool loop, std::string* error) {
    if (frames.empty() || q.indices.size() != frames.size()) return Fail(error, "no frames");
    const int width = frames[0].Width(), height = frames[0].Height();
    for (const Canvas& f : frames)
        if (f.Width() != width || f.Height() != height) return Fail(error, "frames differ in size");
    int bits = 1;
    while ((1u << bits) < q.palette.size()) ++bits;
    std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(1 << bits, nullptr));
    if (!map) return Fail(error, "out of memory");
    for (int i = 0; i < (1 << bits); ++i) {
        const uint32_t c = static_cast<size_t>(i) < q.palette.size() ? q.palette[i] : 0;
        map->Colors[i] = {static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8), static_cast<GifByteType>(c)};
    }

    std::vector<uint8_t> out;
    int code = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&out, WriteToVector, &code));
    if (!gif) return Fail(error, GifErrorString(code));
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), width, height, bits, 0, map.get()) == GIF_ERROR)
        return Fail(error, GifErrorString(gif->Error));
    if (frames.size() > 1 && loop) {
        static const GifByteType kNetscape[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        static const GifByteType kForever[] = {1, 0, 0};
        if (EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
            EGifPutExtensionBlock(gif.get(), sizeof kNetscape, kNetscape) == GIF_ERROR ||
            EGifPutExtensionBlock(gif.get(), sizeof kForever, kForever) == GIF_ERROR ||
            EGifPutExtensionTrailer(gif.get()) == GIF_ERROR)
            return Fail(error, GifErrorString(gif->Error));
    }
    for (size_t f = 0; f < frames.size(); ++f) {
        GraphicsControlBlock control{};
        // Each frame is whole, so the area is cleared before the next one is drawn.
        control.DisposalMode = frames.size() > 1 ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT;
        control.DelayTime = f < delays.size() ? delays[f] : 10;
        control.TransparentColor = 0;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_ERROR ||
            EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr) == GIF_ERROR)
            return Fail(error, GifErrorString(gif->Error));
        std::vector<GifPixelType> row(static_cast<size_t>(width));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) row[x] = q.indices[f][static_cast<size_t>(y) * width + x];
            if (EGifPutLine(gif.get(), row.data(), width) == GIF_ERROR) return Fail(error, GifErrorString(gif->Error));
        }
    }
    GifFileType* raw = gif.release();
    if (EGifCloseFile(raw, &code) == GIF_ERROR) return Fail(error, GifErrorString(code));
    return out;
}

}  // namespace art
