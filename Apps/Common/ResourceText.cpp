#include "Apps/Common/ResourceText.h"

#include <algorithm>
#include <vector>

#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ResourceFile.h"

bool DrawResourceText(IImage& image, const char* resource, size_t maxLength, int x, int y) {
    std::vector<char> text(maxLength + 1);
    if (CResourceFile(resource).ReadQuotedString(text) != 0) return false;
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    DrawMarkupText(&image, text.data(), x, y);
    return true;
}
