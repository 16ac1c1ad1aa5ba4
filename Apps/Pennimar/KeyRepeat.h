// A held arrow key: one step when pressed, then one every tick once held longer than 100 ms.
#pragma once

namespace pennimar {

class KeyRepeat {
public:
    static constexpr long long kDelayMs = 100;
    // Whether the key moves the farmer on this tick.
    bool Poll(bool down, long long now) {
        if (!down) {
            held_ = false;
            return false;
        }
        if (!held_) {
            held_ = true;
            pressedAt_ = now;
            return true;
        }
        return now - pressedAt_ > kDelayMs;
    }

private:
    bool held_ = false;
    long long pressedAt_ = 0;
};

}  // namespace pennimar
