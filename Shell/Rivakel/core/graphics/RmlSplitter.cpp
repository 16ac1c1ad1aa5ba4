#include "core/graphics/RmlSplitter.h"

#include <algorithm>

RmlSplit SplitRml(std::string_view text) {
    RmlSplit split;
    size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '&') {
            split.runs.clear();
            split.badCharacter = c;
            return split;
        }
        if (c == '<') {
            const size_t close = text.find('>', pos + 1);
            if (close == std::string_view::npos) break;
            split.runs.push_back({true, text.substr(pos + 1, close - pos - 1)});
            pos = close + 1;
            continue;
        }
        const size_t stop = std::min(text.find_first_of("<&", pos), text.size());
        const std::string_view run = text.substr(pos, stop - pos);
        if (!std::all_of(run.begin(), run.end(), IsRmlBlank)) split.runs.push_back({false, run});
        pos = stop;
    }
    return split;
}
