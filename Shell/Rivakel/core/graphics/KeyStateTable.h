// The shell's own record of which keys are down, fed by the window's key events, answering as
// the Windows key-state query does: the high bit while down, the low bit for the lock toggles.
#pragma once

#include <array>
#include <cstdint>

class CKeyStateTable {
public:
    static constexpr int16_t kDown = static_cast<int16_t>(0xFF80);
    static constexpr int16_t kToggled = 1;

    void Press(int virtualKey);
    void Release(int virtualKey);
    // Focus went elsewhere: no key counts as held any more (the toggles stay).
    void ReleaseAll();
    int16_t GetKeyState(int virtualKey) const;
    bool IsDown(int virtualKey) const { return GetKeyState(virtualKey) < 0; }

private:
    static bool InRange(int virtualKey) { return virtualKey >= 0 && virtualKey < 256; }
    std::array<bool, 256> down_{};
    std::array<bool, 256> toggled_{};
};
