// Colour records handed out by the video service. A record is known only by its handle, which
// carries the slot and the slot's generation, so a freed, stale or forged handle never resolves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

using ColorHandle = uint64_t;  // 0 is never a valid handle

class CColorTable {
public:
    // Null handle when the table cannot grow any further.
    ColorHandle Alloc(uint8_t r, uint8_t g, uint8_t b);
    // 0, or 4 for a handle that is not live.
    int Free(ColorHandle handle);
    // The record's device value (0xRRGGBB); nullopt for a handle that is not live.
    std::optional<uint32_t> Lookup(ColorHandle handle) const {
        const uint64_t index = (handle & 0xFFFFFFFFu);
        if (index == 0 || index > slots_.size()) return std::nullopt;
        const Slot& slot = slots_[index - 1];
        if (!slot.live || slot.generation != static_cast<uint32_t>(handle >> 32)) return std::nullopt;
        return slot.value;
    }
    std::size_t LiveCount() const { return live_; }

private:
    struct Slot {
        uint32_t value = 0;
        uint32_t generation = 0;
        bool live = false;
    };
    std::vector<Slot> slots_;
    std::vector<uint32_t> freeSlots_;
    std::size_t live_ = 0;
};
