// The review sheet of a module: every picture (all frames of an animation, side by side) with
// its name and size under it; transparent pixels show as a grey checkerboard.
#pragma once

#include <string>
#include <vector>

#include "art/Canvas.h"

namespace art {

struct SheetItem {
    std::string name;
    const std::vector<Canvas>* frames = nullptr;
};

Canvas MakeContactSheet(const std::vector<SheetItem>& items, int maxWidth = 1000);

}  // namespace art
