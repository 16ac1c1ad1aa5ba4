// One screen as its level text gives it: a name, up to ten hint lines, and a board of at most
// 8 x 10 cells holding 0 (no bubble) or a kind from 1 to the kind count. A damaged text gives no
// level rather than a partial one.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class CResourceFile;

namespace brisquet {

inline constexpr int kMaxColumns = 8;
inline constexpr int kMaxRows = 10;
inline constexpr int kMaxKinds = 6;
inline constexpr int kMaxHints = 10;
inline constexpr size_t kMaxHintLength = 39;
inline constexpr size_t kMaxNameLength = 256;
inline constexpr size_t kMaxKindNameLength = 64;
inline constexpr int kScreenCount = 30;

struct Level {
    std::string name;
    std::vector<std::string> hints;
    int width = 0;
    int height = 0;
    int kindCount = 0;
    std::vector<int> cells;  // row by row, width x height

    int At(int column, int row) const { return cells[static_cast<size_t>(row * width + column)]; }
};

// The resource name of a screen's level text ("p-Level7.dat").
std::string LevelFileName(int screen);

// Reads from the reader's current position. Hints past the tenth are dropped and long strings
// cut to their limit; a text that ends early, an unclosed string, sides outside the board or
// kinds outside the list make it damaged.
std::optional<Level> ReadLevel(CResourceFile& file);

}  // namespace brisquet
