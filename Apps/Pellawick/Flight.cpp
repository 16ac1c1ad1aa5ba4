#include "Apps/Pellawick/Flight.h"

#include <cmath>
#include <numbers>

namespace pellawick {
namespace {

constexpr float kPixelsPerFactor = 344.0f;
// The picture is placed by its top-left corner, a little up and left of the path.
constexpr float kPictureOffset = 2.0f;

}  // namespace

Flight::Flight(PointF start, PointF end, float factor, float peakHeight, int now)
    : from_(start), to_(end), peak_(peakHeight), start_(now) {
    const float seconds = std::fabs(end.x - start.x) * factor / kPixelsPerFactor;
    duration_ = static_cast<int>(std::lround(1000.0f * seconds));
}

PointF Flight::At(int now) const {
    const int t = now - start_;
    if (t >= duration_) return {to_.x - kPictureOffset, to_.y - kPictureOffset};
    const float share = static_cast<float>(t) / static_cast<float>(duration_);
    const float arc = std::cos((2 * share - 1) * std::numbers::pi_v<float> / 2) * peak_;
    return {from_.x + share * (to_.x - from_.x) - kPictureOffset,
            from_.y - arc + share * (to_.y - from_.y) - kPictureOffset};
}

}  // namespace pellawick
