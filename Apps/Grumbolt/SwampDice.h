// The shell's shared random generator as the swamp code draws from it: the screen hands in its
// utility interface's SRand and Rand, tests a ModuleRandom.
#pragma once

#include <functional>

#include "Apps/Common/ModuleRandom.h"

namespace grumbolt {

struct SwampDice {
    std::function<void(int)> seed;
    std::function<int()> next;  // 0 to 32767

    static SwampDice From(ModuleRandom& random) {
        return {[&random](int s) { random.Seed(static_cast<uint32_t>(s)); }, [&random] { return random.Next(); }};
    }
};

}  // namespace grumbolt
