// Markup drawn from a printf-style format: names and numbers go in as arguments, never as the
// format itself, so a '%' in a stored name is drawn as it stands.
#pragma once

class IImage;

// The formatted text, cut at this many bytes with its terminator.
inline constexpr int kMarkupFormatBytes = 5000;

// Formats the arguments and draws the result with DrawMarkupText at (x, y). Always 0.
int DrawMarkupTextF(IImage* canvas, int x, int y, const char* format, ...) __attribute__((format(printf, 4, 5)));
