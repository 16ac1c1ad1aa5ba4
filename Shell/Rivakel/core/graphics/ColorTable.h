// Colours handed out by the video service. With one 32-bit pixel format a colour is its own
// record: the handle carries the device value under a tag, so allocating costs nothing that
// lasts, however many colours a game asks for, and freeing has nothing to give back. A handle
// without the tag (0, a forged number) never resolves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

using ColorHandle = uint64_t;  // 0 is never a valid handle

class CColorTable {
public:
    static constexpr ColorHandle kTag = ColorHandle{1} << 32;

    ColorHandle Alloc(uint8_t r, uint8_t g, uint8_t b) const {
        return kTag | (ColorHandle{r} << 16) | (ColorHandle{g} << 8) | b;
    }
    // 0, or 4 for a handle that is not a colour.
    int Free(ColorHandle handle) const { return Lookup(handle) ? 0 : 4; }
    // The device value (0xRRGGBB); nullopt for a handle that is not a colour.
    std::optional<uint32_t> Lookup(ColorHandle handle) const {
        if ((handle & ~ColorHandle{0xFFFFFF}) != kTag) return std::nullopt;
        return static_cast<uint32_t>(handle & 0xFFFFFF);
    }
};
