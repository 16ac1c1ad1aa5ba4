// How a game's text buttons look: the label in bold Arial, underlined unless told otherwise, in
// the normal colour on the left half of the button's picture and in the hot colour (shown under
// the mouse) on the right half.
#pragma once

#include <cstdint>
#include <optional>

struct TextButtonStyle {
    std::optional<uint32_t> fill;  // 0xRRGGBB behind the label; none leaves the fresh picture
    bool keyed = false;            // the picture is colour-keyed
    uint32_t normalText = 0;
    uint32_t hotText = 0xFFFFFF;
    bool underline = true;
    bool closeTags = false;        // switch bold and underline off again on the picture
    int padding = 0;               // pixels of fill around the label on every side
};
