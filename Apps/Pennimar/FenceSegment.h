// One straight piece of fence: horizontal or vertical, from (x1, y1) to (x2, y2). Pieces of a ring
// run head to tail, so a segment's end is the next one's start.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace pennimar {

struct FieldPoint {
    int x = 0, y = 0;
    friend bool operator==(const FieldPoint&, const FieldPoint&) = default;
};

struct FenceSegment {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool horizontal = false;
    // Stable across captures while the segment stays whole, so that an enemy can tell whether the
    // fence it runs on still stands.
    uint32_t id = 0;

    static FenceSegment Make(FieldPoint from, FieldPoint to, uint32_t id) {
        FenceSegment s;
        s.x1 = from.x, s.y1 = from.y, s.x2 = to.x, s.y2 = to.y;
        s.minX = std::min(from.x, to.x), s.maxX = std::max(from.x, to.x);
        s.minY = std::min(from.y, to.y), s.maxY = std::max(from.y, to.y);
        s.horizontal = from.y == to.y;
        s.id = id;
        return s;
    }
    FieldPoint Start() const { return {x1, y1}; }
    FieldPoint End() const { return {x2, y2}; }
    bool IsEmpty() const { return x1 == x2 && y1 == y2; }
    bool Contains(FieldPoint p) const { return p.x >= minX && p.x <= maxX && p.y >= minY && p.y <= maxY; }
    // Distance of a point on the segment from its start.
    int DistanceFromStart(FieldPoint p) const { return horizontal ? std::abs(p.x - x1) : std::abs(p.y - y1); }
};

// A horizontal and a vertical segment touch when each one's coordinate lies within the other's span,
// ends included; parallel segments never touch.
inline bool SegmentsTouch(const FenceSegment& a, const FenceSegment& b) {
    if (a.horizontal == b.horizontal) return false;
    const FenceSegment& h = a.horizontal ? a : b;
    const FenceSegment& v = a.horizontal ? b : a;
    return v.minX >= h.minX && v.minX <= h.maxX && h.minY >= v.minY && h.minY <= v.maxY;
}

// Whether a segment meets the closed box from (left, top) to (right, bottom).
inline bool SegmentMeetsBox(const FenceSegment& s, int left, int top, int right, int bottom) {
    return s.maxX >= left && s.minX <= right && s.maxY >= top && s.minY <= bottom;
}

}  // namespace pennimar
