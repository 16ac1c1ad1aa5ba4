// Key repeat done by the shell: after a key has been held for the delay, its key-down (and the
// character it typed) come again at the repeat rate until it is released or another key is
// pressed. Driven by the caller's millisecond readings, so it can be tested without a clock.
#pragma once

#include <cstdint>
#include <optional>

class CKeyRepeat {
public:
    static constexpr uint32_t kDelayMs = 250;
    static constexpr uint32_t kIntervalMs = 33;

    struct Repeat {
        int virtualKey = 0;
        std::optional<uint8_t> character;
    };

    void Press(int virtualKey, uint32_t nowMs);
    // The character the last pressed key typed; repeated with it.
    void Typed(uint8_t character);
    void Release(int virtualKey);
    void Cancel() { held_ = false; }
    bool Holding() const { return held_; }
    // Milliseconds until the next repeat is due (0 when due now); only meaningful while holding.
    uint32_t DueInMs(uint32_t nowMs) const;
    // The next repeat when one is due at `nowMs`; one at a time, so a late tick does not burst.
    std::optional<Repeat> Poll(uint32_t nowMs);

private:
    int key_ = 0;
    std::optional<uint8_t> character_;
    uint32_t next_ = 0;
    bool held_ = false;
};
