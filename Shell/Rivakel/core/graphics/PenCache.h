// Program-wide caches of pens and brushes. Drawing takes its colours from these entries; an
// entry is never removed, and a request beyond the capacity is answered without caching it.
#pragma once

#include <algorithm>
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

// The first equal entry, else the wanted one, appended while there is room.
template <class Entry>
class CEntryCache {
public:
    static constexpr std::size_t kCapacity = 500;

    // `fullMessage` is logged once, when the first request finds no room.
    Entry Get(const Entry& wanted, const char* fullMessage) {
        if (auto it = std::find(entries_.begin(), entries_.end(), wanted); it != entries_.end()) return *it;
        if (entries_.size() < kCapacity) {
            entries_.push_back(wanted);
        } else if (!overflowLogged_) {
            // Drawing still gets what it asked for; only the caching stops.
            overflowLogged_ = true;
            LogFull(fullMessage);
        }
        return wanted;
    }
    std::size_t Size() const { return entries_.size(); }

private:
    static void LogFull(const char* message);

    std::vector<Entry> entries_;
    bool overflowLogged_ = false;
};

class CPenCache {
public:
    static constexpr std::size_t kCapacity = CEntryCache<Pen>::kCapacity;

    // The process's cache, used by every render target.
    static CPenCache& Shared();

    Pen Get(PenStyle style, int width, uint32_t colour);
    std::size_t Size() const { return entries_.Size(); }

private:
    CEntryCache<Pen> entries_;
};

class CBrushCache {
public:
    static constexpr std::size_t kCapacity = CEntryCache<Brush>::kCapacity;

    static CBrushCache& Shared();

    Brush Get(uint32_t colour);
    std::size_t Size() const { return entries_.Size(); }

private:
    CEntryCache<Brush> entries_;
};
