#include "core/graphics/KeyStateTable.h"

#include "platform/Platform.h"

namespace {

// Generic Shift and Control stand for either side; the layer reports the generic keys.
bool IsToggleKey(int virtualKey) {
    return virtualKey == platform::VkCapital || virtualKey == platform::VkNumLock || virtualKey == platform::VkScroll;
}

}  // namespace

void CKeyStateTable::Press(int virtualKey) {
    if (!InRange(virtualKey)) return;
    if (!down_[virtualKey] && IsToggleKey(virtualKey)) toggled_[virtualKey] = !toggled_[virtualKey];
    down_[virtualKey] = true;
}

void CKeyStateTable::Release(int virtualKey) {
    if (InRange(virtualKey)) down_[virtualKey] = false;
}

void CKeyStateTable::ReleaseAll() { down_.fill(false); }

int16_t CKeyStateTable::GetKeyState(int virtualKey) const {
    if (!InRange(virtualKey)) return 0;
    int16_t state = down_[virtualKey] ? kDown : 0;
    if (toggled_[virtualKey]) state = static_cast<int16_t>(state | kToggled);
    return state;
}
