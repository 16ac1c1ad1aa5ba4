// Device colours of every colour the fireworks can take, looked up without asking the shell:
// 64 levels per channel, built once per start.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "frame/api/IImage.h"

namespace glimtide {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

class CColourTable {
public:
    static constexpr int kLevels = 64;
    static constexpr int kEntries = kLevels * kLevels * kLevels;

    // Asks `allocate` for (r6 x 4, g6 x 4, b6 x 4) of every entry, red outermost.
    explicit CColourTable(const std::function<AppletColor(int r, int g, int b)>& allocate);

    AppletColor Lookup(Rgb c) const { return entries_[Index(c)]; }
    static int Index(Rgb c) { return (c.r >> 2) * kLevels * kLevels + (c.g >> 2) * kLevels + (c.b >> 2); }

private:
    std::unique_ptr<AppletColor[]> entries_;
};

}  // namespace glimtide
