#include "frame/pages/settings/VolumeScale.h"

#include <algorithm>

using namespace volume_scale;

int ClampVolume(int volume) { return std::clamp(volume, 0, 100); }

int KnobXForVolume(int volume, int knobWidth) {
    return kLeft + ClampVolume(volume) * (kRight - kLeft) / 100 - knobWidth / 2;
}

std::optional<int> SnapKnobX(int x, int knobWidth) {
    if (x < kLeft - 2 * knobWidth || x >= kRight) return std::nullopt;
    // Left of the first mark the offset is negative: it must round toward zero (to the first
    // mark), never down to a mark before the scale.
    const int offset = knobWidth + x - kLeft;
    const int steps = offset < 0 ? 0 : offset / kStep;
    return kLeft + kStep * steps - knobWidth / 2;
}

int VolumeForKnobX(int x, int knobWidth) {
    const int centre = x + knobWidth / 2;
    return ClampVolume((centre - kLeft) * 100 / (kRight - kLeft));
}
