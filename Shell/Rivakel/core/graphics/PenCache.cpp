#include "core/graphics/PenCache.h"

#include <algorithm>

#include "core/base/Log.h"

CPenCache& CPenCache::Shared() {
    static CPenCache cache;
    return cache;
}

Pen CPenCache::Get(PenStyle style, int width, uint32_t colour) {
    const Pen wanted{style, width, colour & 0xFFFFFFu};
    if (auto it = std::find(entries_.begin(), entries_.end(), wanted); it != entries_.end()) return *it;
    if (entries_.size() < kCapacity) {
        entries_.push_back(wanted);
    } else if (!overflowLogged_) {
        // Drawing still gets the pen it asked for; only the caching stops.
        overflowLogged_ = true;
        Warning("Pen cache full (%zu entries) in CPenCache::Get", kCapacity);
    }
    return wanted;
}

CBrushCache& CBrushCache::Shared() {
    static CBrushCache cache;
    return cache;
}

Brush CBrushCache::Get(uint32_t colour) {
    const Brush wanted{colour & 0xFFFFFFu};
    if (auto it = std::find(entries_.begin(), entries_.end(), wanted); it != entries_.end()) return *it;
    if (entries_.size() < kCapacity) {
        entries_.push_back(wanted);
    } else if (!overflowLogged_) {
        overflowLogged_ = true;
        Warning("Brush cache full (%zu entries) in CBrushCache::Get", kCapacity);
    }
    return wanted;
}
