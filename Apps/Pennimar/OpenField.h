// The part of the field not yet fenced in, as a union of rectangles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pennimar {

struct FieldRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int64_t Area() const { return static_cast<int64_t>(right - left) * (bottom - top); }
    friend bool operator==(const FieldRect&, const FieldRect&) = default;
};

class OpenField {
public:
    static constexpr size_t kMaxRectangles = 1000;

    void Reset(const FieldRect& whole) { rectangles_.assign(1, whole); }
    void Assign(std::vector<FieldRect> rectangles) { rectangles_ = std::move(rectangles); }
    std::span<const FieldRect> Rectangles() const { return rectangles_; }
    // Inside or on the edge of any rectangle.
    bool Contains(int x, int y) const;
    int64_t Area() const;

private:
    std::vector<FieldRect> rectangles_;
};

}  // namespace pennimar
