// Typed swamp numbers and stored levels over arbitrary text: the results stay playable.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Apps/Grumbolt/SwampMode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto number = grumbolt::ParseSwampNumber(text);
    if (number && (*number < 1 || *number > 50000)) __builtin_trap();
    const int level = grumbolt::LevelFromStored(text);
    if (level < 1 || level > 150) __builtin_trap();
    const grumbolt::SwampMode mode(0, level, 0);
    if (mode.Number() != level) __builtin_trap();
    return 0;
}
