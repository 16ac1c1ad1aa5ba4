// The random make-up of a duel's field: the wind, the panorama's section and the five hills.
#pragma once

#include <array>
#include <functional>
#include <vector>

namespace slorrow {

// Draws from the shell's generator: 0 to 32767.
using RandomSource = std::function<int()>;

inline constexpr int kHillKinds = 6;
inline constexpr int kHillCount = 5;
inline constexpr int kPanoramaChoices = 967;

// Sideways push on the ball per tick, from a roll of 0 to 99 (0.075 right down to -0.0735).
float WindFromRoll(int roll);

struct WindGauge {
    std::vector<int> barXs;  // each bar at (x, 28)
    bool arrowShown = false;
    bool arrowMirrored = false;  // pointing left
    int arrowX = 0;              // at (arrowX, 21)
};
WindGauge GaugeFor(float wind);

struct HillPlacement {
    int kind = 0;  // 0 to 5
    int x = 0;
    int y = 0;
};
// Back to front; every hill reaches the field's bottom.
std::array<HillPlacement, kHillCount> LayHills(const RandomSource& rand, const std::array<int, kHillKinds>& hillHeights);

// Left edge of the panorama's 500-pixel section.
int PanoramaLeft(const RandomSource& rand);

}  // namespace slorrow
