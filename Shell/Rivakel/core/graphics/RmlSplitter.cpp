#include "core/graphics/RmlSplitter.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<std::string_view, char>, 3> kEntities{{{"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}}};

// The length of the entity `text` starts with and its character; {0, 0} for none.
std::pair<size_t, char> EntityAt(std::string_view text) {
    for (const auto& [spelling, character] : kEntities)
        if (text.starts_with(spelling)) return {spelling.size(), character};
    return {0, '\0'};
}

}  // namespace

RmlSplit SplitRml(std::string_view text) {
    RmlSplit split;
    size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == '<') {
            const size_t close = text.find('>', pos + 1);
            if (close == std::string_view::npos) break;
            split.runs.push_back({true, text.substr(pos + 1, close - pos - 1)});
            pos = close + 1;
            continue;
        }
        size_t stop = pos;
        while (stop < text.size() && text[stop] != '<') {
            if (text[stop] != '&') {
                ++stop;
                continue;
            }
            const size_t entity = EntityAt(text.substr(stop)).first;
            if (entity == 0) {
                split.runs.clear();
                split.badCharacter = '&';
                return split;
            }
            stop += entity;
        }
        const std::string_view run = text.substr(pos, stop - pos);
        if (!std::all_of(run.begin(), run.end(), IsRmlBlank)) split.runs.push_back({false, run});
        pos = stop;
    }
    return split;
}

std::string ReadRmlEntities(std::string_view run) {
    std::string read;
    read.reserve(run.size());
    for (size_t i = 0; i < run.size();) {
        const auto [length, character] = EntityAt(run.substr(i));
        read += length == 0 ? run[i] : character;
        i += std::max<size_t>(length, 1);
    }
    return read;
}
