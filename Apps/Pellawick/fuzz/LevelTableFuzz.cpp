// The level table over arbitrary text: the first byte picks the league, the rest is the text.
// Reading ends, stays inside the text, and gives values the game can play on; every inning
// after them does too.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Apps/Common/ResourceFile.h"
#include "Apps/Pellawick/LevelTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int league = data[0] % 3;
    const std::vector<uint8_t> text(data + 1, data + size);
    CResourceFile file(text);
    const pellawick::LevelValues values = pellawick::ReadLevelTable(file, league);
    if (!pellawick::IsPlayable(values)) __builtin_trap();
    for (int inning = 1; inning <= 9; ++inning) {
        const pellawick::LevelValues later = pellawick::ForInning(values, inning);
        if (later.totalPatience < 1 || later.customersToServe < 1 || later.minTimeBetweenCustomers < 0 ||
            !(later.throwSpeed > 0))
            __builtin_trap();
    }
    return 0;
}
