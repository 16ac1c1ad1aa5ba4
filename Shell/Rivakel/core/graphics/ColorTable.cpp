#include "core/graphics/ColorTable.h"

namespace {
// Keeps the slot number inside the handle's low 32 bits.
constexpr std::size_t kMaxSlots = 0xFFFFFFF0u;
}  // namespace

ColorHandle CColorTable::Alloc(uint8_t r, uint8_t g, uint8_t b) {
    uint32_t index;
    if (!freeSlots_.empty()) {
        index = freeSlots_.back();
        freeSlots_.pop_back();
    } else {
        if (slots_.size() >= kMaxSlots) return 0;
        slots_.emplace_back();
        index = static_cast<uint32_t>(slots_.size() - 1);
    }
    Slot& slot = slots_[index];
    slot.value = (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
    slot.live = true;
    ++live_;
    return (static_cast<ColorHandle>(slot.generation) << 32) | (index + 1u);
}

int CColorTable::Free(ColorHandle handle) {
    if (!Lookup(handle)) return 4;
    const uint32_t index = static_cast<uint32_t>(handle & 0xFFFFFFFFu) - 1;
    Slot& slot = slots_[index];
    slot.live = false;
    ++slot.generation;
    freeSlots_.push_back(index);
    --live_;
    return 0;
}
