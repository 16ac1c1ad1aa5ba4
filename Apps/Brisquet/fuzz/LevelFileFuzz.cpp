// The level reader over arbitrary text: it ends, stays inside the text, and gives either no
// level or one the board can hold.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "Apps/Brisquet/BrisquetBoard.h"
#include "Apps/Brisquet/LevelFile.h"
#include "Apps/Common/ResourceFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CResourceFileOld file(std::span(data, size));
    const std::optional<brisquet::Level> level = brisquet::ReadLevel(file);
    if (!level) return 0;
    if (level->width < 1 || level->width > brisquet::kMaxColumns || level->height < 1 ||
        level->height > brisquet::kMaxRows || level->name.size() > brisquet::kMaxNameLength ||
        level->hints.size() > static_cast<size_t>(brisquet::kMaxHints))
        __builtin_trap();
    for (const int cell : level->cells) {
        if (cell < 0 || cell > level->kindCount) __builtin_trap();
    }
    brisquet::BrisquetBoard board(*level, 1);
    for (int r = 0; r < level->height; ++r) {
        for (int c = 0; c < level->width; ++c) board.Click(c, r);
    }
    board.EndPop();
    board.CheckBoardState();
    return 0;
}
