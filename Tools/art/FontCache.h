// The fonts the art tool draws with, opened once per style for the tool's run.
#pragma once

#include "platform/Platform.h"

namespace art {

struct TextStyle;

class FontCache {
public:
    // The system font for the style; the project's bitmap font when the system has none, so
    // that art is made (if plainer) on a machine without the fonts. Never null.
    static platform::Font* Get(const TextStyle& style);
};

}  // namespace art
