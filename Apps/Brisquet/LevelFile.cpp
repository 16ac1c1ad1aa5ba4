#include "Apps/Brisquet/LevelFile.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "Apps/Common/ResourceFile.h"

namespace brisquet {

namespace {

bool IsEndSection(const std::string& text) {
    static constexpr std::string_view kEnd = "endsection";
    return text.size() == kEnd.size() && std::equal(text.begin(), text.end(), kEnd.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

// The whole string is consumed up to its closing quote, whatever its length, so the reader stays
// in step after a string that is too long; only `limit` bytes are kept.
bool ReadString(CResourceFile& file, size_t limit, std::string& out) {
    out.clear();
    int more = 1;
    char c = 0;
    do {
        c = file.NextChar(&more);
        if (more == 0) return false;
    } while (c != '"');
    for (;;) {
        c = file.NextChar(&more);
        if (more == 0) return false;
        if (c == '"') return true;
        if (c != '\0' && out.size() < limit) out.push_back(c);
    }
}

// A number that is missing because the text has ended is damage, not a zero.
bool ReadNumber(CResourceFile& file, int low, int high, int& value) {
    return file.ReadPresentInt(&value) && value >= low && value <= high;
}

}  // namespace

std::string LevelFileName(int screen) { return "p-Level" + std::to_string(screen) + ".dat"; }

std::optional<Level> ReadLevel(CResourceFile& file) {
    Level level;
    if (!ReadString(file, kMaxNameLength, level.name)) return std::nullopt;

    std::string hint;
    for (;;) {
        if (!ReadString(file, kMaxHintLength, hint)) return std::nullopt;
        if (IsEndSection(hint)) break;
        if (static_cast<int>(level.hints.size()) < kMaxHints) level.hints.push_back(hint);
    }

    if (!ReadNumber(file, 1, kMaxColumns, level.width) || !ReadNumber(file, 1, kMaxRows, level.height) ||
        !ReadNumber(file, 0, kMaxKinds, level.kindCount))
        return std::nullopt;
    std::string kindName;
    for (int i = 0; i < level.kindCount; ++i) {
        if (!ReadString(file, kMaxKindNameLength, kindName)) return std::nullopt;
    }

    level.cells.resize(static_cast<size_t>(level.width * level.height));
    for (int& cell : level.cells) {
        if (!ReadNumber(file, 0, level.kindCount, cell)) return std::nullopt;
    }
    return level;
}

}  // namespace brisquet
