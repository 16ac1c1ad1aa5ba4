#include "Apps/Pennimar/CaptureArea.h"

#include <algorithm>

namespace pennimar {

namespace {

struct Interval {
    int xLow, xHigh, yStart;
};

}  // namespace

std::optional<int64_t> CaptureArea(std::span<const FenceSegment> polygon, std::vector<FieldRect>& rectangles) {
    rectangles.clear();
    std::vector<const FenceSegment*> edges;
    for (const FenceSegment& s : polygon)
        if (s.minY == s.maxY && s.minX < s.maxX) edges.push_back(&s);
    std::sort(edges.begin(), edges.end(), [](const FenceSegment* a, const FenceSegment* b) { return a->minY < b->minY; });

    int64_t area = 0;
    std::vector<Interval> open, next;
    for (const FenceSegment* s : edges) {
        const int y = s->minY;
        bool overlapped = false;
        next.clear();
        for (const Interval& l : open) {
            const bool apart = l.xHigh <= s->minX || s->maxX <= l.xLow;
            if (apart) {
                next.push_back(l);
                continue;
            }
            overlapped = true;
            // A piece that ends where it starts covers nothing and would only blur the open field.
            if (y > l.yStart) {
                rectangles.push_back({l.xLow, l.yStart, l.xHigh, y});
                area += rectangles.back().Area();
            }
            if (l.xLow < s->minX) next.push_back({l.xLow, s->minX, y});
            if (s->maxX < l.xHigh) next.push_back({s->maxX, l.xHigh, y});
        }
        if (!overlapped) next.push_back({s->minX, s->maxX, y});
        if (next.size() > kMaxSweepIntervals) return std::nullopt;
        std::swap(open, next);
    }
    return area;
}

}  // namespace pennimar
