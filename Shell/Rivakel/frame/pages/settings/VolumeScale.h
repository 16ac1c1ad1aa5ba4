// The volume scale of the Settings page: where the knob sits for a volume, where a drag snaps
// it and which volume it stands for. Volumes are whole percents, 0 to 100.
#pragma once

#include <string_view>

namespace volume_scale {
inline constexpr int kLeft = 200;
inline constexpr int kRight = 400;
inline constexpr int kY = 255;
inline constexpr int kStep = 20;
}  // namespace volume_scale

int ClampVolume(int volume);
// The knob's left edge for a volume.
int KnobXForVolume(int volume, int knobWidth);
// Where a knob dragged to `x` snaps: the step mark its centre passed last, the end mark past
// either end of the track.
int SnapKnobX(int x, int knobWidth);
// The volume of a knob whose left edge is at `x`.
int VolumeForKnobX(int x, int knobWidth);
