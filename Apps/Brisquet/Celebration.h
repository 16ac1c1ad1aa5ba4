// The bubbles that bounce over the board after a cleared screen, three for every screen passed:
// where each one is and how it moves, tick by tick. They go with the board.
#pragma once

#include <functional>
#include <vector>

#include "Apps/Common/BouncingBubble.h"

namespace brisquet {

class Celebration {
public:
    static constexpr int kLeft = 24, kRight = 292, kTop = 42, kBottom = 378;

    // Draws from `rand` (0 to 32767): a kind, a place and two speeds of at least 4 either way.
    Celebration(int screen, const std::function<int()>& rand);

    // One 30 ms step: each bubble moves by its speeds, turning back where it would leave the box.
    void Tick();
    const std::vector<BouncingBubble>& Bubbles() const { return bubbles_; }

private:
    std::vector<BouncingBubble> bubbles_;
};

}  // namespace brisquet
