#include "Apps/Pennimar/CaptureArea.h"

#include <algorithm>
#include <iterator>

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

    // The open intervals never overlap, so kept in order of x they are found by bisection.
    int64_t area = 0;
    std::vector<Interval> open;
    for (const FenceSegment* s : edges) {
        const int y = s->minY;
        const auto first = std::partition_point(open.begin(), open.end(),
                                                [&](const Interval& l) { return l.xHigh <= s->minX; });
        auto last = first;
        while (last != open.end() && last->xLow < s->maxX) ++last;
        if (first == last) {
            if (open.size() >= kMaxSweepIntervals) return std::nullopt;
            open.insert(first, {s->minX, s->maxX, y});
            continue;
        }
        Interval pieces[2];
        int count = 0;
        // The parts of the intervals that the segment does not cover go on from here.
        if (first->xLow < s->minX) pieces[count++] = {first->xLow, s->minX, y};
        if (s->maxX < (last - 1)->xHigh) pieces[count++] = {s->maxX, (last - 1)->xHigh, y};
        for (auto l = first; l != last; ++l) {
            // A piece that ends where it starts covers nothing and would only blur the open field.
            if (y > l->yStart) {
                rectangles.push_back({l->xLow, l->yStart, l->xHigh, y});
                area += rectangles.back().Area();
            }
        }
        const auto at = open.erase(first, last);
        open.insert(at, pieces, pieces + count);
        if (open.size() > kMaxSweepIntervals) return std::nullopt;
    }
    return area;
}

}  // namespace pennimar
