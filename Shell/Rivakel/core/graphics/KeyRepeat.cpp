#include "core/graphics/KeyRepeat.h"

#include "platform/Platform.h"

namespace {

// Modifiers and lock keys do not repeat.
bool Repeats(int virtualKey) {
    switch (virtualKey) {
    case platform::VkShift:
    case platform::VkControl:
    case platform::VkMenu:
    case platform::VkCapital:
    case platform::VkNumLock:
    case platform::VkScroll:
        return false;
    default:
        return true;
    }
}

}  // namespace

void CKeyRepeat::Press(int virtualKey, uint32_t nowMs) {
    if (!Repeats(virtualKey)) return;
    key_ = virtualKey;
    character_.reset();
    next_ = nowMs + kDelayMs;
    held_ = true;
}

void CKeyRepeat::Typed(uint8_t character) {
    if (held_ && !character_) character_ = character;
}

void CKeyRepeat::Release(int virtualKey) {
    if (held_ && virtualKey == key_) held_ = false;
}

uint32_t CKeyRepeat::DueInMs(uint32_t nowMs) const {
    const auto wait = static_cast<int32_t>(next_ - nowMs);
    return wait > 0 ? static_cast<uint32_t>(wait) : 0;
}

std::optional<CKeyRepeat::Repeat> CKeyRepeat::Poll(uint32_t nowMs) {
    if (!held_ || static_cast<int32_t>(nowMs - next_) < 0) return std::nullopt;
    next_ = nowMs + kIntervalMs;
    return Repeat{key_, character_};
}
