// Where the truck and the belt stand while they drive in, slide in and drive out (t in ms since
// the move began).
#pragma once

#include <cstdint>

namespace tallimo {

inline constexpr int kDriveMs = 2000;
inline constexpr int kScreenRight = 500;

// Drives in from the right until its left edge reaches `stopX`.
int ArrivingTruckX(int64_t t, int stopX);
// Slides in from the left until it reaches 0.
int ArrivingBeltX(int64_t t);
// Drives out to the right from `leftEdge`; gone once past the screen's right.
int LeavingTruckX(int64_t t, int leftEdge);
bool TruckGone(int64_t t, int leftEdge);

}  // namespace tallimo
