#include "Apps/Pennimar/Enemy.h"

#include <algorithm>
#include <cmath>

namespace pennimar {

std::optional<Enemy> Enemy::Place(const FenceList& ring, size_t playerSegment, bool forward) {
    if (ring.Count() == 0) return std::nullopt;
    Enemy e;
    e.index_ = (playerSegment + ring.Count() / 2) % ring.Count();
    const FenceSegment& s = ring[e.index_];
    e.segmentId_ = s.id;
    e.forward_ = forward;
    const auto middle = [](int low, int high) { return std::clamp((low + high) / 2 / 4 * 4, low, high); };
    e.x_ = static_cast<float>(s.horizontal ? middle(s.minX, s.maxX) : s.x1);
    e.y_ = static_cast<float>(s.horizontal ? s.y1 : middle(s.minY, s.maxY));
    return e;
}

bool Enemy::Advance(const FenceList& ring, float pixels) {
    if (index_ >= ring.Count() || ring[index_].id != segmentId_) {
        const long found = ring.Find(segmentId_);
        if (found < 0) return false;
        index_ = static_cast<size_t>(found);
    }
    // Once round the ring at most, however far it is asked to run.
    for (size_t hops = 0; hops <= ring.Count() && pixels > 0; ++hops) {
        const FenceSegment& s = ring[index_];
        const FieldPoint target = forward_ ? s.End() : s.Start();
        const float dx = static_cast<float>(target.x) - x_, dy = static_cast<float>(target.y) - y_;
        const float distance = std::abs(dx) + std::abs(dy);
        if (pixels < distance) {
            x_ += dx / distance * pixels;
            y_ += dy / distance * pixels;
            return true;
        }
        x_ = static_cast<float>(target.x), y_ = static_cast<float>(target.y);
        pixels -= distance;
        index_ = forward_ ? ring.Next(index_) : ring.Previous(index_);
        segmentId_ = ring[index_].id;
    }
    return true;
}

bool Enemy::Catches(FieldPoint player) const {
    const auto px = static_cast<float>(player.x), py = static_cast<float>(player.y);
    return px >= x_ - 6 && px < x_ + 6 && py >= y_ - 6 && py < y_ + 6;
}

}  // namespace pennimar
