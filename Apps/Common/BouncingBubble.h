// A bubble bouncing inside a box, as the bubble games celebrate: its kind, place and speeds.
#pragma once

#include <span>

struct BouncingBubble {
    int kind = 1;  // 1 to 4
    int x = 0;
    int y = 0;
    int dx = 0;
    int dy = 0;
};

struct BounceBox {
    int left, right, top, bottom;
};

// One step: a speed turns back where the step would leave the box, then each bubble moves.
inline void BounceStep(std::span<BouncingBubble> bubbles, const BounceBox& box) {
    const auto turned = [](int position, int speed, int low, int high) {
        return position + speed < low || position + speed > high ? -speed : speed;
    };
    for (BouncingBubble& bubble : bubbles) {
        bubble.dx = turned(bubble.x, bubble.dx, box.left, box.right);
        bubble.dy = turned(bubble.y, bubble.dy, box.top, box.bottom);
        bubble.x += bubble.dx;
        bubble.y += bubble.dy;
    }
}
