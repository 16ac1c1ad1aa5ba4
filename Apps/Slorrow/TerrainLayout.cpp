#include "Apps/Slorrow/TerrainLayout.h"

#include <algorithm>

#include "Apps/Slorrow/GroundBuffer.h"

namespace slorrow {

float WindFromRoll(int roll) { return 0.075f - 0.075f * (static_cast<float>(roll) * 0.01f) * 2.0f; }

WindGauge GaugeFor(float wind) {
    WindGauge gauge;
    const int strength = static_cast<int>(wind * 2000.0f);
    int d = 0;
    if (strength >= 15) {
        for (d = 298; d <= 298 + strength; d += 6) gauge.barXs.push_back(d);
        gauge.arrowShown = true;
        gauge.arrowX = d - 6;
    } else if (strength < -14) {
        for (d = 200; d >= 200 + strength; d -= 6) gauge.barXs.push_back(d);
        gauge.arrowShown = true;
        gauge.arrowMirrored = true;
        gauge.arrowX = d - 3;
    }
    return gauge;
}

std::array<HillPlacement, kHillCount> LayHills(const RandomSource& rand, const std::array<int, kHillKinds>& hillHeights) {
    std::array<HillPlacement, kHillCount> hills{};
    for (int i = 0; i < kHillCount; ++i) {
        const int n = 2000 - 500 * i;
        HillPlacement& hill = hills[static_cast<size_t>(i)];
        hill.kind = rand() % kHillKinds;
        hill.x = n / 4 - 120;
        hill.y = std::max(rand() % 200 + 100, kFieldHeight - hillHeights[static_cast<size_t>(hill.kind)]);
    }
    return hills;
}

int PanoramaLeft(const RandomSource& rand) { return rand() % kPanoramaChoices + 100; }

}  // namespace slorrow
