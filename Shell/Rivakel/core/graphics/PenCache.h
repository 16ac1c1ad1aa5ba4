// Program-wide caches of pens and brushes. Drawing takes its colours from these entries; an
// entry is never removed, and a request beyond the capacity is answered without caching it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

enum class PenStyle : int { Solid = 0 };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    uint32_t colour = 0;  // 0xRRGGBB
    bool operator==(const Pen&) const = default;
};

struct Brush {
    uint32_t colour = 0;  // 0xRRGGBB
    bool operator==(const Brush&) const = default;
};

class CPenCache {
public:
    static constexpr std::size_t kCapacity = 500;

    // The process's cache, used by every render target.
    static CPenCache& Shared();

    // The first equal entry, else a new one appended while there is room.
    Pen Get(PenStyle style, int width, uint32_t colour);
    std::size_t Size() const { return entries_.size(); }

private:
    std::vector<Pen> entries_;
    bool overflowLogged_ = false;
};

class CBrushCache {
public:
    static constexpr std::size_t kCapacity = 500;

    static CBrushCache& Shared();

    Brush Get(uint32_t colour);
    std::size_t Size() const { return entries_.size(); }

private:
    std::vector<Brush> entries_;
    bool overflowLogged_ = false;
};
