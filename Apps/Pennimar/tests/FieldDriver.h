// Drives a field as a farmer would: walks, lays trails and closes them, from a seeded generator,
// and checks the field against references of its own.
#pragma once

#include <algorithm>
#include <cstdint>
#include <random>

#include "Apps/Pennimar/FenceField.h"

namespace pennimar::testing {

// Twice the area inside the ring, by the shoelace formula.
inline int64_t RingArea(const FenceList& ring) {
    int64_t twice = 0;
    for (const FenceSegment& s : ring.Segments())
        twice += static_cast<int64_t>(s.x1) * s.y2 - static_cast<int64_t>(s.x2) * s.y1;
    return (twice < 0 ? -twice : twice) / 2;
}

// Whether (x, y), never on a fence line, lies inside the ring (a ray cast to the right).
inline bool InsideRing(const FenceList& ring, int x, int y) {
    bool inside = false;
    for (const FenceSegment& s : ring.Segments())
        if (!s.horizontal && s.x1 > x && y > s.minY && y < s.maxY) inside = !inside;
    return inside;
}

// No two segments share a point unless they are neighbours meeting head to tail.
inline bool RingIsSimple(const FenceList& ring) {
    const size_t n = ring.Count();
    for (size_t i = 0; i < n; ++i)
        for (size_t j = i + 1; j < n; ++j) {
            const FenceSegment& a = ring[i];
            const FenceSegment& b = ring[j];
            const bool overlap = a.maxX >= b.minX && b.maxX >= a.minX && a.maxY >= b.minY && b.maxY >= a.minY;
            if (!overlap) continue;
            const bool neighbours = ring.Next(i) == j || ring.Next(j) == i;
            if (!neighbours) return false;
            if (a.horizontal == b.horizontal) {
                // Collinear neighbours share only their joint.
                const int shared = a.horizontal ? std::min(a.maxX, b.maxX) - std::max(a.minX, b.minX)
                                                : std::min(a.maxY, b.maxY) - std::max(a.minY, b.minY);
                if (shared > 0) return false;
            }
        }
    return true;
}

class FieldDriver {
public:
    explicit FieldDriver(uint32_t seed) : random_(seed) { field.BuildFieldBorder(); }

    // One action: a walk along the fence or a whole trail attempt. True when it captured.
    bool Act() {
        const auto direction = static_cast<Direction>(Pick(4) + 1);
        if (Pick(3) != 0) {
            for (int i = Pick(30); i > 0; --i) field.WalkAlongFence(direction, 4);
            return false;
        }
        MoveOutcome outcome = field.StartTrail(direction, 4);
        Direction heading = direction;
        for (int steps = 0; steps < 400 && field.IsLaying(); ++steps) {
            if (Pick(6) == 0) heading = static_cast<Direction>(Pick(4) + 1);
            const FieldPoint d = StepOf(heading, 4);
            outcome = field.MovePlayer(heading, d.x, d.y);
        }
        if (field.IsLaying()) field.AbandonTrail();
        return outcome.kind == MoveKind::Captured;
    }

    int Pick(int modulo) { return static_cast<int>(random_() % static_cast<uint32_t>(modulo)); }

    FenceField field;

private:
    std::mt19937 random_;
};

}  // namespace pennimar::testing
