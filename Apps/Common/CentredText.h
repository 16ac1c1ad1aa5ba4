// Lines of plain Arial measured and centred in a span of the canvas, as the games' panels,
// buttons and messages place them.
#pragma once

#include <cstdint>
#include <string_view>

#include "Apps/Common/ShellRef.h"
#include "frame/api/IFont.h"

class IImage;
class IShellFactory;

struct TextSpan {
    int left;
    int width;
};

// Arial of `pointSize`, bold when asked.
ShellRef<IFont> ArialFont(IShellFactory& fonts, int pointSize, bool bold);

// The width of `text` on `canvas` in `font`.
int TextWidth(IImage& canvas, IFont* font, std::string_view text);
// The width of `text` on `canvas` in Arial of `pointSize` (bold when asked).
int TextWidth(IImage& canvas, IShellFactory& fonts, std::string_view text, int pointSize, bool bold);

// Where a line `width` wide starts when centred in `span`.
inline int CentredX(TextSpan span, int width) { return span.left + (span.width - width) / 2; }

// `text` in Arial of `pointSize` (bold when asked) and colour 0xRRGGBB, its top at y.
void DrawCentredText(IImage& canvas, IShellFactory& fonts, std::string_view text, int pointSize, bool bold,
                     uint32_t colour, TextSpan span, int y);
