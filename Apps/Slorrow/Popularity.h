// The meter between the candidates: each hit moves it a notch toward the thrower; three win.
#pragma once

#include <optional>

#include "Apps/Slorrow/Footing.h"

namespace slorrow {

inline constexpr int kWinningLead = 3;

class Popularity {
public:
    void HitOn(Side hit) { value_ += hit == Side::Left ? 1 : -1; }
    int Value() const { return value_; }
    std::optional<Side> Winner() const {
        if (value_ <= -kWinningLead) return Side::Left;
        if (value_ >= kWinningLead) return Side::Right;
        return std::nullopt;
    }
    // Where the pointer stands on the strip.
    int PointerX() const { return 226 + 50 * value_; }

private:
    int value_ = 0;
};

}  // namespace slorrow
