#include "Apps/Common/DrawMarkupTextF.h"

#include <array>
#include <cstdarg>
#include <cstdio>

#include "Apps/Common/MarkupText.h"

int DrawMarkupTextF(IImage* canvas, int x, int y, const char* format, ...) {
    if (format == nullptr) return 0;
    std::array<char, kMarkupFormatBytes> text{};
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text.data(), text.size(), format, arguments);
    va_end(arguments);
    return DrawMarkupText(canvas, text.data(), x, y);
}
