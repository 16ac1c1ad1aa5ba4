// The fence ring: segments head to tail, the last one linked back to the first. Segments are
// addressed by their place in the ring; a capture rebuilds the ring, so places never outlive it,
// and anything that must survive a capture holds a segment's id instead.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "Apps/Pennimar/FenceSegment.h"

namespace pennimar {

class FenceList {
public:
    static constexpr size_t kMaxSegments = 10000;

    void Clear() { segments_.clear(); }
    // False, with the ring unchanged, when it is full.
    bool Add(const FenceSegment& segment);
    void Assign(std::vector<FenceSegment> segments) { segments_ = std::move(segments); }

    size_t Count() const { return segments_.size(); }
    const FenceSegment& operator[](size_t index) const { return segments_[index]; }
    std::span<const FenceSegment> Segments() const { return segments_; }
    size_t Next(size_t index) const { return index + 1 < segments_.size() ? index + 1 : 0; }
    size_t Previous(size_t index) const { return index > 0 ? index - 1 : segments_.size() - 1; }
    // The place of the segment with this id, or -1 when it is no longer part of the ring.
    long Find(uint32_t id) const;
    // Whether the segments run head to tail all the way round.
    bool IsClosed() const;

private:
    std::vector<FenceSegment> segments_;
};

}  // namespace pennimar
