#include "Apps/Tallimo/TruckMotion.h"

#include <algorithm>

#include "Apps/Tallimo/Conveyor.h"

namespace tallimo {
namespace {

// Pixels covered after t, the move being `distance` over kDriveMs; never more than `distance`.
int Covered(int64_t t, int distance) {
    return static_cast<int>(std::clamp<int64_t>(t, 0, kDriveMs) * distance / kDriveMs);
}

}  // namespace

int ArrivingTruckX(int64_t t, int stopX) { return std::max(kScreenRight - Covered(t, kScreenRight), stopX); }

int ArrivingBeltX(int64_t t) { return Covered(t, kBeltLength) - kBeltLength; }

int LeavingTruckX(int64_t t, int leftEdge) {
    return leftEdge + static_cast<int>(std::max<int64_t>(t, 0) * kScreenRight / kDriveMs);
}

bool TruckGone(int64_t t, int leftEdge) { return LeavingTruckX(t, leftEdge) > kScreenRight; }

}  // namespace tallimo
