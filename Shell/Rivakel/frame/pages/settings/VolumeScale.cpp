#include "frame/pages/settings/VolumeScale.h"

#include <algorithm>

using namespace volume_scale;

int ClampVolume(int volume) { return std::clamp(volume, 0, 100); }

int KnobXForVolume(int volume, int knobWidth) {
    return kLeft + ClampVolume(volume) * (kRight - kLeft) / 100 - knobWidth / 2;
}

int SnapKnobX(int x, int knobWidth) {
    // A quick drag jumps past either end in one move: the knob stops at that end's mark.
    const long long offset = static_cast<long long>(knobWidth) + x - kLeft;
    const auto steps = static_cast<int>(std::clamp<long long>(offset / kStep, 0, (kRight - kLeft) / kStep));
    return kLeft + kStep * steps - knobWidth / 2;
}

int VolumeForKnobX(int x, int knobWidth) {
    const int centre = x + knobWidth / 2;
    return ClampVolume((centre - kLeft) * 100 / (kRight - kLeft));
}
