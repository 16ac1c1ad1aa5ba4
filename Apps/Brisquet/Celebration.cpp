#include "Apps/Brisquet/Celebration.h"

#include <array>
#include <cstdlib>

namespace brisquet {

namespace {

// Yellow, red, green, blue: the order the kind is drawn in.
constexpr std::array<int, 4> kKinds = {3, 1, 4, 2};

int SpeedOf(const std::function<int()>& rand) {
    for (;;) {
        const int speed = 15 - 3 * (rand() % 10);
        if (std::abs(speed) >= 4) return speed;
    }
}

}  // namespace

Celebration::Celebration(int screen, const std::function<int()>& rand) {
    const int count = screen > 0 ? 3 * screen : 0;
    bubbles_.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        BouncingBubble bubble;
        bubble.kind = kKinds[static_cast<size_t>(rand() & 3)];
        bubble.x = rand() % 200 + 40;
        bubble.y = rand() % 200 + 40;
        bubble.dx = SpeedOf(rand);
        bubble.dy = SpeedOf(rand);
        bubbles_.push_back(bubble);
    }
}

void Celebration::Tick() { BounceStep(bubbles_, {kLeft, kRight, kTop, kBottom}); }

}  // namespace brisquet
