#include "Apps/Brisquet2/Celebration.h"

#include <cstdlib>

namespace brisquet2 {

namespace {

int DrawSpeed(const std::function<int()>& rand) {
    int speed = 0;
    while (std::abs(speed) < 4) speed = 5 - rand() % 10;
    return speed;
}

}  // namespace

CCelebration::CCelebration(const std::function<int()>& rand) {
    bubbles_.reserve(kBubbles);
    for (int i = 0; i < kBubbles; ++i) {
        BouncingBubble bubble;
        bubble.kind = (rand() & 3) + 1;
        bubble.x = rand() % 300 + 100;
        bubble.y = rand() % 150 + 75;
        bubble.dx = DrawSpeed(rand);
        bubble.dy = DrawSpeed(rand);
        bubbles_.push_back(bubble);
    }
}

void CCelebration::Tick() { BounceStep(bubbles_, {kLeft, kRight, kTop, kBottom}); }

}  // namespace brisquet2
