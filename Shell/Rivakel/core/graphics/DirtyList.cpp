#include "core/graphics/DirtyList.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

int ClampToInt(int64_t value) { return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX)); }

platform::Rect Bounding(const platform::Rect& a, const platform::Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

int64_t Area(const platform::Rect& r) { return int64_t{r.right - r.left} * (r.bottom - r.top); }

bool Touch(const platform::Rect& a, const platform::Rect& b) {
    return a.right >= b.left && b.right >= a.left && a.bottom >= b.top && b.bottom >= a.top;
}

// Beyond this many pieces one bounding rectangle is cheaper to present than the search.
constexpr size_t kMergeLimit = 64;

}  // namespace

void CDirtyList::Add(int x, int y, int width, int height) {
    const platform::Rect rect{x, y, ClampToInt(int64_t{x} + width), ClampToInt(int64_t{y} + height)};
    if (!rects_.empty() && rects_.back() == rect) return;
    bounds_ = rects_.empty() ? rect : Bounding(bounds_, rect);
    if (rects_.size() >= kCapacity) {
        rects_.assign(1, bounds_);
    } else {
        rects_.push_back(rect);
    }
    dirty_ = true;
}

void CDirtyList::Clear() {
    rects_.clear();
    bounds_ = {};
    dirty_ = false;
}

bool CDirtyList::Overlaps(const platform::Rect& area) const {
    // Most areas a repaint asks about lie away from everything marked.
    if (rects_.empty() || !Touch(bounds_, area)) return false;
    return std::any_of(rects_.begin(), rects_.end(), [&](const platform::Rect& r) { return Touch(r, area); });
}

std::vector<platform::Rect> CDirtyList::Merged(const platform::Rect& bounds) const {
    std::vector<platform::Rect> out;
    for (const platform::Rect& r : rects_) {
        const platform::Rect cut{std::max(r.left, bounds.left), std::max(r.top, bounds.top),
                                 std::min(r.right, bounds.right), std::min(r.bottom, bounds.bottom)};
        if (!cut.Empty()) out.push_back(cut);
    }
    if (out.size() > kMergeLimit) {
        platform::Rect all = out.front();
        for (const platform::Rect& r : out) all = Bounding(all, r);
        return {all};
    }
    for (bool joined = true; joined;) {
        joined = false;
        for (size_t i = 0; i < out.size() && !joined; ++i) {
            for (size_t j = i + 1; j < out.size(); ++j) {
                const platform::Rect both = Bounding(out[i], out[j]);
                if (Touch(out[i], out[j]) && Area(both) <= Area(out[i]) + Area(out[j])) {
                    out[i] = both;
                    out.erase(out.begin() + static_cast<std::ptrdiff_t>(j));
                    joined = true;
                    break;
                }
            }
        }
    }
    return out;
}
