// The area inside a closed rectilinear polygon, by a sweep from top to bottom over its horizontal
// segments, with the rectangles that tile it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "Apps/Pennimar/FenceSegment.h"
#include "Apps/Pennimar/OpenField.h"

namespace pennimar {

inline constexpr size_t kMaxSweepIntervals = 1000;

// The area, with `rectangles` replaced by the tiling; nullopt when the sweep would need more than
// kMaxSweepIntervals open intervals at once.
std::optional<int64_t> CaptureArea(std::span<const FenceSegment> polygon, std::vector<FieldRect>& rectangles);

}  // namespace pennimar
