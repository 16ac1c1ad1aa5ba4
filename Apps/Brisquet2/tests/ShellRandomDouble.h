// The shell's generator for tests: the same sequence the shell's SRand and Rand give.
#pragma once

#include "Apps/Brisquet2/Puzzle.h"
#include "Apps/Common/ModuleRandom.h"

namespace brisquet2::test {

struct ShellRandomDouble {
    ModuleRandom generator;
    ShellRandom Random() {
        return {[this](int seed) { generator.Seed(static_cast<uint32_t>(seed)); }, [this] { return generator.Next(); }};
    }
};

}  // namespace brisquet2::test
