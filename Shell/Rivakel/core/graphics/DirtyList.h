// The screen areas changed since the last repaint, in window coordinates.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/Platform.h"

class CDirtyList {
public:
    static constexpr std::size_t kCapacity = 10000;

    // A rectangle equal to the last one added is not stored again. When the list is full it
    // collapses into one rectangle bounding everything, so no marked area is ever forgotten.
    void Add(int x, int y, int width, int height);
    void Clear();
    bool IsDirty() const { return dirty_; }
    // Touching borders count as overlapping.
    bool Overlaps(const platform::Rect& area) const;
    const std::vector<platform::Rect>& Rects() const { return rects_; }
    // The stored rectangles cut to `bounds`, with overlapping or touching ones joined where the
    // join covers no more than the two did.
    std::vector<platform::Rect> Merged(const platform::Rect& bounds) const;

private:
    std::vector<platform::Rect> rects_;
    platform::Rect bounds_;  // bounds every stored rectangle
    bool dirty_ = false;
};
