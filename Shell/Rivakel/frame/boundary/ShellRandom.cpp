#include "frame/boundary/ShellRandom.h"

#include <cstdint>

#include "core/base/CSubsystem_Clock.h"

namespace {

uint32_t g_seed = 1;

constexpr int kSeedFromClock = -1;

uint32_t WallClockMs() {
    uint32_t elapsed = 0;
    if (CSubsystem_Clock* clock = ClockService()) clock->GetElapsedMs(elapsed);
    return elapsed;
}

}  // namespace

void ShellSRand(int seed) { g_seed = seed == kSeedFromClock ? WallClockMs() : static_cast<uint32_t>(seed); }

int ShellRand() {
    g_seed = g_seed * 214013u + 2531011u;
    return static_cast<int>((g_seed >> 16) & 0x7FFF);
}
