#include "core/graphics/PenCache.h"

#include "core/base/Log.h"

template <class Entry>
void CEntryCache<Entry>::LogFull(const char* message) {
    Warning("%s", message);
}

template class CEntryCache<Pen>;
template class CEntryCache<Brush>;

CPenCache& CPenCache::Shared() {
    static CPenCache cache;
    return cache;
}

Pen CPenCache::Get(PenStyle style, int width, uint32_t colour) {
    return entries_.Get({style, width, colour & 0xFFFFFFu}, "Pen cache full (500 entries) in CPenCache::Get");
}

CBrushCache& CBrushCache::Shared() {
    static CBrushCache cache;
    return cache;
}

Brush CBrushCache::Get(uint32_t colour) {
    return entries_.Get({colour & 0xFFFFFFu}, "Brush cache full (500 entries) in CBrushCache::Get");
}
