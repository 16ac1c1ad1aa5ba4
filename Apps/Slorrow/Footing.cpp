#include "Apps/Slorrow/Footing.h"

#include <algorithm>

namespace slorrow {
namespace {

constexpr int kLeftStart = 30;
constexpr int kRightStart = 435;
constexpr int kLowestGroundRow = 399;
constexpr int kMaxSkyUnderFeet = 6;

bool HasSolidRow(const GroundBuffer& ground, int x, int width) {
    for (int y = 0; y <= kLowestGroundRow; ++y) {
        if (ground.SkyCount(x, y, width) == 0) return true;
    }
    return false;
}

}  // namespace

int DropX(const GroundBuffer& ground, Side side, int width) {
    const int start = side == Side::Left ? kLeftStart : kRightStart;
    const int step = side == Side::Left ? 3 : -3;
    for (int x = start; x >= 0 && x + width <= kFieldWidth; x += step) {
        if (HasSolidRow(ground, x, width)) return x;
    }
    return start;
}

std::optional<int> RestingY(const GroundBuffer& ground, int x, int y, int width, int height, int footWidth) {
    const int bottom = y + height;
    const int footX = x + (width - footWidth) / 2;
    const int last = std::min(bottom - 3, kFieldHeight - 1);
    for (int row = bottom - 8; row <= last; ++row) {
        if (ground.SkyCount(footX, row, footWidth) < kMaxSkyUnderFeet) return row + 8 - height;
    }
    return std::nullopt;
}

}  // namespace slorrow
