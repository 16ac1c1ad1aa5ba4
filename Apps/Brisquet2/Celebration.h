// The bubbles that bounce over the board after the last challenge puzzle: where each one is and
// how it moves, tick by tick.
#pragma once

#include <functional>
#include <vector>

#include "Apps/Common/BouncingBubble.h"

namespace brisquet2 {

class CCelebration {
public:
    static constexpr int kBubbles = 50;
    static constexpr int kLeft = 8, kRight = 492, kTop = 10, kBottom = 334;

    // Draws from `rand` (0 to 32767): a kind, a place and two speeds of 4 or 5 either way each.
    explicit CCelebration(const std::function<int()>& rand);

    // One 20 ms step: each bubble moves by its speeds, turning back where it would leave the box.
    void Tick();
    const std::vector<BouncingBubble>& Bubbles() const { return bubbles_; }

private:
    std::vector<BouncingBubble> bubbles_;
};

}  // namespace brisquet2
