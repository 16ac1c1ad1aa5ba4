#include "Apps/Glimtide/ColourTable.h"

namespace glimtide {

CColourTable::CColourTable(const std::function<AppletColor(int r, int g, int b)>& allocate)
    : entries_(std::make_unique_for_overwrite<AppletColor[]>(kEntries)) {
    AppletColor* out = entries_.get();
    for (int r = 0; r < kLevels; ++r)
        for (int g = 0; g < kLevels; ++g)
            for (int b = 0; b < kLevels; ++b) *out++ = allocate(r * 4, g * 4, b * 4);
}

}  // namespace glimtide
