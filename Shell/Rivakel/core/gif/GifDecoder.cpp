#include "core/gif/GifDecoder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "core/base/Log.h"
#include "core/gif/GifLzw.h"

namespace {

// Bounded reads over the file's bytes; a read past the end fails and consumes nothing.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

    size_t Left() const { return data_.size() - pos_; }
    const uint8_t* Peek() const { return data_.data() + pos_; }

    bool Take(size_t count, const uint8_t*& bytes) {
        if (count > Left()) return false;
        bytes = data_.data() + pos_;
        pos_ += count;
        return true;
    }
    bool Byte(uint8_t& value) {
        if (Left() < 1) return false;
        value = data_[pos_++];
        return true;
    }
    bool Word(int& value) {
        if (Left() < 2) return false;
        value = data_[pos_] | (data_[pos_ + 1] << 8);
        pos_ += 2;
        return true;
    }

    // Skips data sub-blocks through their zero terminator; false when the data ends first.
    bool SkipSubBlocks() {
        for (;;) {
            uint8_t size = 0;
            const uint8_t* bytes = nullptr;
            if (!Byte(size)) return false;
            if (size == 0) return true;
            if (!Take(size, bytes)) return false;
        }
    }

    // Appends the sub-blocks' contents to `into`; false when the data ends before the terminator
    // (what was there is still appended).
    bool JoinSubBlocks(std::vector<uint8_t>& into) {
        for (;;) {
            uint8_t size = 0;
            if (!Byte(size)) return false;
            if (size == 0) return true;
            const size_t n = std::min<size_t>(size, Left());
            into.insert(into.end(), Peek(), Peek() + n);
            pos_ += n;
            if (n < size) return false;
        }
    }

private:
    std::span<const uint8_t> data_;
    size_t pos_ = 0;
};

struct GraphicControl {
    int disposal = 0;
    bool transparent = false;
    int delay = 0;
    int transparentIndex = 0;
};

constexpr std::string_view kLoopAppId = "NETSCAPE2.0";

class GifParser {
public:
    GifParser(std::span<const uint8_t> data, GifImage& out, std::string_view name,
              std::span<const GifColourPair> colourMap, const GifLimits& limits)
        : in_(data), out_(out), name_(name), colourMap_(colourMap), limits_(limits) {}

    int Run() {
        const uint8_t* bytes = nullptr;
        if (!in_.Take(6, bytes) || (std::memcmp(bytes, "GIF87a", 6) != 0 && std::memcmp(bytes, "GIF89a", 6) != 0)) {
            Error("Invalid GIF signature for file '%s' in CImageSeq::LoadGIF", name_.c_str());
            return kGifBadData;
        }
        int width = 0, height = 0;
        uint8_t packed = 0, background = 0, aspect = 0;
        if (!in_.Word(width) || !in_.Word(height) || !in_.Byte(packed) || !in_.Byte(background) || !in_.Byte(aspect))
            return Bad("truncated screen descriptor");
        if (width <= 0 || height <= 0 || width > limits_.maxSide || height > limits_.maxSide ||
            static_cast<int64_t>(width) * height > limits_.maxScreenPixels)
            return Bad("screen size out of range");
        out_.width = width;
        out_.height = height;
        if ((packed & 0x80) != 0 && !ReadColourTable(2 << (packed & 7), globalTable_)) return Bad("truncated colour table");

        for (;;) {
            uint8_t block = 0;
            if (!in_.Byte(block)) return Bad("no trailer");
            int result = kGifOk;
            if (block == 0x3B) return kGifOk;
            if (block == 0x21) {
                result = ReadExtension();
            } else if (block == 0x2C) {
                result = ReadImage();
            } else {
                LogUnknownBlock(block);
                result = kGifBadData;
            }
            if (result != kGifOk) return result;
        }
    }

private:
    int Bad(const char* why) {
        Error("Bad GIF data for file '%s' in CImageSeq::LoadGIF: %s", name_.c_str(), why);
        return kGifBadData;
    }

    void LogUnknownBlock(uint8_t block) {
        const size_t n = std::min<size_t>(4, in_.Left());
        uint32_t next = 0;
        for (size_t i = 0; i < n; ++i) next |= static_cast<uint32_t>(in_.Peek()[i]) << (8 * i);
        Error("Unrecognized extension (%d) encountered in GIF code (Image #%d, next DWORD = 0x%0*x)", block,
              static_cast<int>(out_.frames.size()), static_cast<int>(2 * n), next);
    }

    // Entries beyond the file's table stay black, so every 8-bit index has a colour.
    bool ReadColourTable(int entries, std::array<uint32_t, 256>& table) {
        const uint8_t* rgb = nullptr;
        if (!in_.Take(static_cast<size_t>(entries) * 3, rgb)) return false;
        table.fill(0);
        for (int i = 0; i < entries; ++i, rgb += 3) {
            uint32_t colour = (static_cast<uint32_t>(rgb[0]) << 16) | (rgb[1] << 8) | rgb[2];
            for (const GifColourPair& pair : colourMap_) {
                if ((pair.from & 0xFFFFFF) == colour) {
                    colour = pair.to & 0xFFFFFF;
                    break;
                }
            }
            table[static_cast<size_t>(i)] = colour;
        }
        return true;
    }

    int ReadExtension() {
        uint8_t label = 0;
        if (!in_.Byte(label)) return Bad("truncated extension");
        if (label == 0xF9) return ReadGraphicControl();
        if (label == 0xFF) return ReadApplication();
        return in_.SkipSubBlocks() ? kGifOk : Bad("truncated extension");
    }

    int ReadGraphicControl() {
        uint8_t size = 0;
        const uint8_t* bytes = nullptr;
        if (!in_.Byte(size) || !in_.Take(size, bytes)) return Bad("truncated graphic control");
        uint8_t fields[4] = {0, 0, 0, 0};
        std::memcpy(fields, bytes, std::min<size_t>(size, 4));
        control_.disposal = (fields[0] >> 2) & 7;
        control_.transparent = (fields[0] & 1) != 0;
        control_.delay = fields[1] | (fields[2] << 8);
        control_.transparentIndex = fields[3];
        return in_.SkipSubBlocks() ? kGifOk : Bad("truncated graphic control");
    }

    int ReadApplication() {
        uint8_t size = 0;
        const uint8_t* id = nullptr;
        if (!in_.Byte(size) || !in_.Take(size, id)) return Bad("truncated application extension");
        if (size < kLoopAppId.size() || std::memcmp(id, kLoopAppId.data(), kLoopAppId.size()) != 0)
            return in_.SkipSubBlocks() ? kGifOk : Bad("truncated application extension");
        out_.loops = true;
        for (;;) {
            uint8_t subSize = 0;
            const uint8_t* data = nullptr;
            if (!in_.Byte(subSize)) return Bad("truncated application extension");
            if (subSize == 0) return kGifOk;
            if (subSize == 5) {
                Error("GIF code does not handle buffered subblocks yet");
                return kGifBadData;
            }
            if (subSize != 3) {
                Error("Unrecognized netscape extension data subblock (%d)                                            "
                      "encountered in GIF code",
                      subSize);
                return kGifBadData;
            }
            if (!in_.Take(3, data)) return Bad("truncated application extension");
            out_.loopCount = data[1] | (data[2] << 8);
        }
    }

    int ReadImage() {
        GifFrameTarget target;
        uint8_t packed = 0;
        if (!in_.Word(target.left) || !in_.Word(target.top) || !in_.Word(target.width) || !in_.Word(target.height) ||
            !in_.Byte(packed))
            return Bad("truncated image descriptor");
        const std::array<uint32_t, 256>* palette = &globalTable_;
        if ((packed & 0x80) != 0) {
            if (!ReadColourTable(2 << (packed & 7), localTable_)) return Bad("truncated colour table");
            palette = &localTable_;
        }
        uint8_t codeSize = 0;
        if (!in_.Byte(codeSize)) return Bad("truncated image data");
        if (codeSize < 1 || codeSize > 8) return Bad("code size out of range");

        const int64_t screenPixels = static_cast<int64_t>(out_.width) * out_.height;
        const int64_t framePixels = static_cast<int64_t>(target.width) * target.height;
        usedBytes_ += screenPixels * 4;
        framePixels_ += framePixels;
        if (static_cast<int>(out_.frames.size()) >= limits_.maxFrames || usedBytes_ > limits_.maxTotalBytes ||
            framePixels > limits_.maxFramePixels || framePixels_ > limits_.maxTotalFramePixels)
            return Bad("frames exceed the size limits");

        codes_.clear();
        const bool terminated = in_.JoinSubBlocks(codes_);

        GifFrame& frame = out_.frames.emplace_back();
        frame.left = target.left;
        frame.top = target.top;
        frame.width = target.width;
        frame.height = target.height;
        frame.interlaced = (packed & 0x40) != 0;
        frame.keyed = control_.transparent;
        frame.disposal = control_.disposal;
        frame.frameTimeMs = (control_.delay == 0 ? 10 : control_.delay) * 10;
        Compose(frame);

        target.screen = frame.pixels.data();
        target.screenWidth = out_.width;
        target.screenHeight = out_.height;
        target.interlaced = frame.interlaced;
        target.palette = palette;
        target.transparentIndex = control_.transparent ? control_.transparentIndex : -1;
        const GifLzwStatus status = DecodeGifLzw(target, codeSize, codes_);

        previousDisposal_ = control_.disposal;
        control_ = GraphicControl{};
        if (status == GifLzwStatus::Corrupt) return Bad("corrupt image data");
        if (!terminated) return Bad("truncated image data");
        return kGifOk;
    }

    // The starting picture of a frame, from the previous frame's disposal.
    void Compose(GifFrame& frame) {
        const size_t count = static_cast<size_t>(out_.width) * static_cast<size_t>(out_.height);
        const size_t index = out_.frames.size() - 1;
        const bool keepPrevious = index > 0 && (previousDisposal_ <= 1 || previousDisposal_ == 3);
        if (keepPrevious) {
            frame.pixels = out_.frames[index - 1].pixels;
        } else {
            frame.pixels.assign(count, frame.keyed ? kGifColourKey : 0u);
        }
    }

    ByteReader in_;
    GifImage& out_;
    std::string name_;
    std::span<const GifColourPair> colourMap_;
    const GifLimits& limits_;
    std::array<uint32_t, 256> globalTable_{};
    std::array<uint32_t, 256> localTable_{};
    GraphicControl control_;
    int previousDisposal_ = 0;
    int64_t usedBytes_ = 0;
    int64_t framePixels_ = 0;
    std::vector<uint8_t> codes_;
};

}  // namespace

std::vector<GifColourPair> GifColourMapFromWords(std::span<const int32_t> words) {
    std::vector<GifColourPair> pairs;
    if (words.empty() || words[0] <= 0) return pairs;
    const size_t count = std::min<size_t>(static_cast<size_t>(words[0]), (words.size() - 1) / 2);
    pairs.reserve(count);
    for (size_t i = 0; i < count; ++i)
        pairs.push_back({static_cast<uint32_t>(words[1 + 2 * i]) & 0xFFFFFF,
                         static_cast<uint32_t>(words[2 + 2 * i]) & 0xFFFFFF});
    return pairs;
}

GifLimits GifLimitsToShow(int width, int height, int frames) {
    const int64_t pixels = int64_t{std::max(width, 1)} * std::max(height, 1);
    GifLimits limits;
    limits.maxSide = std::max({width, height, 1});
    limits.maxScreenPixels = pixels;
    limits.maxFramePixels = pixels;
    limits.maxFrames = std::max(frames, 1);
    limits.maxTotalBytes = pixels * 4 * limits.maxFrames;
    limits.maxTotalFramePixels = pixels * limits.maxFrames;
    return limits;
}

int DecodeGif(std::span<const uint8_t> data, GifImage& out, std::string_view name,
              std::span<const GifColourPair> colourMap, const GifLimits& limits) {
    out = GifImage{};
    return GifParser(data, out, name, colourMap, limits).Run();
}
