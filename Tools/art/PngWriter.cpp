#include "art/PngWriter.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace art {

namespace {

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void PutBe32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void Chunk(std::vector<uint8_t>& out, std::string_view type, const std::vector<uint8_t>& body) {
    PutBe32(out, static_cast<uint32_t>(body.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), body.begin(), body.end());
    PutBe32(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

}  // namespace

std::vector<uint8_t> EncodePng(const Canvas& canvas) {
    const auto width = static_cast<uint32_t>(canvas.Width()), height = static_cast<uint32_t>(canvas.Height());
    std::vector<uint8_t> raw;
    raw.reserve((width * 3 + 1) * height);
    for (uint32_t y = 0; y < height; ++y) {
        raw.push_back(0);  // no filter
        for (uint32_t x = 0; x < width; ++x) {
            const uint32_t c = canvas.At(static_cast<int>(x), static_cast<int>(y));
            raw.insert(raw.end(), {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c)});
        }
    }
    std::vector<uint8_t> zlib{0x78, 0x01};
    uint32_t a = 1, b = 0;
    for (const uint8_t byte : raw) a = (a + byte) % 65521, b = (b + a) % 65521;
    for (size_t at = 0; at < raw.size() || at == 0; at += 65535) {
        const size_t length = std::min<size_t>(65535, raw.size() - at);
        const bool last = at + length >= raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.insert(zlib.end(), {static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8),
                                 static_cast<uint8_t>(~length), static_cast<uint8_t>(~length >> 8)});
        zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                    raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        if (last) break;
    }
    PutBe32(zlib, (b << 16) | a);

    std::vector<uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutBe32(header, width);
    PutBe32(header, height);
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
    Chunk(out, "IHDR", header);
    Chunk(out, "IDAT", zlib);
    Chunk(out, "IEND", {});
    return out;
}

}  // namespace art
