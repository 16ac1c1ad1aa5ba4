// Where the glyphs of one run of text go.
#pragma once

#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace platform {

// Fills `origins` with one pen position per character of `cp1252`, relative to the run's start:
// its glyph's bitmap is drawn at origin + `Glyph::left`. The run measures the sum of its advances,
// and a font with a design places each glyph's ink where the design puts it within that width.
// Rounding to whole pixels keeps every gap at a blank wider than any gap inside a word, keeps
// neighbouring digits apart, and keeps the ink inside the measured width, short of a trailing blank.
// Without a design the pen moves by whole advances.
void LayOutRun(Font& font, std::string_view cp1252, std::vector<int>& origins);

}  // namespace platform
