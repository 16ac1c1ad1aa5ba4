#include "Apps/Brisquet2/Celebration.h"

#include <cstdlib>

namespace brisquet2 {

namespace {

int DrawSpeed(const std::function<int()>& rand) {
    int speed = 0;
    while (std::abs(speed) < 4) speed = 5 - rand() % 10;
    return speed;
}

// Turns the speed back when the next step would leave [low, high].
void Bounce(int position, int& speed, int low, int high) {
    if (position + speed < low || position + speed > high) speed = -speed;
}

}  // namespace

CCelebration::CCelebration(const std::function<int()>& rand) {
    bubbles_.reserve(kBubbles);
    for (int i = 0; i < kBubbles; ++i) {
        CelebrationBubble bubble;
        bubble.kind = (rand() & 3) + 1;
        bubble.x = rand() % 300 + 100;
        bubble.y = rand() % 150 + 75;
        bubble.dx = DrawSpeed(rand);
        bubble.dy = DrawSpeed(rand);
        bubbles_.push_back(bubble);
    }
}

void CCelebration::Tick() {
    for (CelebrationBubble& bubble : bubbles_) {
        Bounce(bubble.x, bubble.dx, kLeft, kRight);
        Bounce(bubble.y, bubble.dy, kTop, kBottom);
        bubble.x += bubble.dx;
        bubble.y += bubble.dy;
    }
}

}  // namespace brisquet2
