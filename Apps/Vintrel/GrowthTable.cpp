#include "Apps/Vintrel/GrowthTable.h"

#include <algorithm>
#include <array>

namespace vintrel {

namespace {

constexpr std::array<int, 10> MakeThresholds() {
    constexpr std::array<int, 9> steps{7, 10, 13, 18, 23, 30, 35, 40, 45};
    std::array<int, 10> t{};
    t[0] = 5;
    for (int k = 1; k < 10; ++k) {
        t[k] = t[k - 1] + (k + 1) * steps[k - 1];
    }
    return t;
}

constexpr std::array<int, 10> kThresholds = MakeThresholds();

}  // namespace

int SpritePixels(int size) { return 4 * std::clamp(size, 1, kMaxBaddieSize) + 7; }

int GrowthThreshold(int index) { return kThresholds[std::clamp(index, 0, 9)]; }

}  // namespace vintrel
