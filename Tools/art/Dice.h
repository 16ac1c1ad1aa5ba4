// A small deterministic generator for recipes, so that every picture comes out the same each build.
#pragma once

#include <cstdint>

namespace art {

class Dice {
public:
    explicit Dice(uint32_t seed) : state_(seed) {}
    // 0 to 1.
    float Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<float>(state_ % 100000u) / 100000.0f;
    }
    int Below(int n) { return static_cast<int>(Next() * static_cast<float>(n)) % (n > 0 ? n : 1); }

private:
    uint32_t state_;
};

}  // namespace art
