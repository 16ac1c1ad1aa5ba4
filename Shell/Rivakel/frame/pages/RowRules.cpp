#include "frame/pages/RowRules.h"

#include <strings.h>

namespace rows {

namespace {

int Step(int index, int count, bool backward) { return backward ? (index + count - 1) % count : (index + 1) % count; }

bool Named(std::span<const RowFacts> table, int index, const char* name) { return table[index].name == name; }

}  // namespace

int SelectFeatured(std::span<const RowFacts> table, int index, bool backward) {
    const int count = static_cast<int>(table.size());
    if (count == 0) return -1;
    index = ((index % count) + count) % count;
    for (int tries = 0; tries < count; ++tries) {
        if (!table[index].installed && !Named(table, index, "UltraHexavon") && !Named(table, index, "DunmoroSilver"))
            return index;
        index = Step(index, count, backward);
    }
    return count - 1;
}

int StepFeatured(std::span<const RowFacts> table, int index, bool backward) {
    const int count = static_cast<int>(table.size());
    if (count == 0) return -1;
    index = Step(((index % count) + count) % count, count, backward);
    if (strcasecmp(table[index].name.c_str(), "DunmoroSilver") == 0) index = Step(index, count, backward);
    return index;
}

int NextLogo(std::span<const RowFacts> table, int index, bool ultraHexavonFound) {
    const int count = static_cast<int>(table.size());
    if (count == 0) return -1;
    const auto hidden = [&](int row) {
        return Named(table, row, "DunmoroSilver") ||
               (Named(table, row, "UltraHexavon") ? !ultraHexavonFound
                                                   : Named(table, row, "Plimsey") && ultraHexavonFound);
    };
    // Passing over one hidden row may land on another (DunmoroSilver, then Plimsey).
    index = Step(((index % count) + count) % count, count, false);
    for (int tries = 0; tries < count && hidden(index); ++tries) index = Step(index, count, false);
    return index;
}

platform::Point ToGetTilePosition(int n) { return {12 + 92 * (n % 5), 79 + 73 * (n / 5)}; }

}  // namespace rows
