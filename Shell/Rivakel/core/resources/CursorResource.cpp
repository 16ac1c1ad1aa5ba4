#include "core/resources/CursorResource.h"

#include <cstring>

#include "core/resources/ResourceFormat.h"

namespace resources {

std::optional<CursorResource> ParseCursorResource(std::span<const uint8_t> data) {
    if (data.size() <= kCursorHeaderSize || std::memcmp(data.data(), "RCUR", 4) != 0) return std::nullopt;
    return CursorResource{ReadLe16(data.data() + 4), ReadLe16(data.data() + 6), data.subspan(kCursorHeaderSize)};
}

std::vector<uint8_t> MakeCursorResource(int hotX, int hotY, std::span<const uint8_t> gif) {
    std::vector<uint8_t> out{'R', 'C', 'U', 'R'};
    for (const int v : {hotX, hotY}) {
        out.push_back(static_cast<uint8_t>(v & 0xFF));
        out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
    }
    out.insert(out.end(), gif.begin(), gif.end());
    return out;
}

}  // namespace resources
