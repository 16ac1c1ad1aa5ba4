// A random generator whose state belongs to one applet module, for sequences that must come out
// the same at every start (the shell's own generator is shared with everything else).
#pragma once

#include <cstdint>

class ModuleRandom {
public:
    void Seed(uint32_t seed) { state_ = seed; }
    // 0 to 32767.
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

private:
    uint32_t state_ = 1;
};
