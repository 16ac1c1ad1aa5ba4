// The bubbles that bounce over the board after the last challenge puzzle: where each one is and
// how it moves, tick by tick.
#pragma once

#include <functional>
#include <vector>

namespace brisquet2 {

struct CelebrationBubble {
    int kind = 1;  // 1 to 4
    int x = 0;
    int y = 0;
    int dx = 0;
    int dy = 0;
};

class CCelebration {
public:
    static constexpr int kBubbles = 50;
    static constexpr int kLeft = 8, kRight = 492, kTop = 10, kBottom = 334;

    // Draws from `rand` (0 to 32767): a kind, a place and two speeds of 4 or 5 either way each.
    explicit CCelebration(const std::function<int()>& rand);

    // One 20 ms step: each bubble moves by its speeds, turning back where it would leave the box.
    void Tick();
    const std::vector<CelebrationBubble>& Bubbles() const { return bubbles_; }

private:
    std::vector<CelebrationBubble> bubbles_;
};

}  // namespace brisquet2
