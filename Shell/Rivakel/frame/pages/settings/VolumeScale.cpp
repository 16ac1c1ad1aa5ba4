#include "frame/pages/settings/VolumeScale.h"

#include <algorithm>
#include <charconv>

using namespace volume_scale;

int ClampVolume(int volume) { return std::clamp(volume, 0, 100); }

int ParseVolume(std::string_view text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error == std::errc::invalid_argument || stop != end) return kDefault;
    // Out of range of the type: the sign tells which end it passed.
    if (error == std::errc::result_out_of_range) return text.front() == '-' ? 0 : 100;
    return static_cast<int>(std::clamp<long long>(value, 0, 100));
}

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
