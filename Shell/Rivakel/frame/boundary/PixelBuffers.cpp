#include "frame/boundary/PixelBuffers.h"

#include <new>

AppletPixelBuffer* PixelBufferTable::Create(int width, int height, const void* owner) {
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    auto owned = std::make_unique<Owned>();
    owned->pixels.reset(new (std::nothrow) uint32_t[count]());
    if (!owned->pixels) return nullptr;
    owned->made = AppletPixelBuffer{0xFF00FF, width, height, owned->pixels.get()};
    owned->record = owned->made;
    owned->owner = owner;
    AppletPixelBuffer* record = &owned->record;
    buffers_.emplace(record, std::move(owned));
    return record;
}

bool PixelBufferTable::Free(const AppletPixelBuffer* buffer) { return buffers_.erase(buffer) > 0; }

void PixelBufferTable::FreeAllOf(const void* owner) {
    std::erase_if(buffers_, [owner](const auto& entry) { return entry.second->owner == owner; });
}

std::optional<AppletPixelBuffer> PixelBufferTable::Find(const AppletPixelBuffer* buffer) const {
    const auto found = buffers_.find(buffer);
    if (found == buffers_.end()) return std::nullopt;
    AppletPixelBuffer trusted = found->second->made;
    trusted.colourKey = found->second->record.colourKey;
    return trusted;
}

PixelBufferTable& GamePixelBuffers() {
    static PixelBufferTable table;
    return table;
}
