// Keeps a hinted glyph inside the cell its design gives it. Hinting rounds stems and bowls
// outwards, so at small sizes a glyph designed with room on both sides can fill its whole
// advance and run into its neighbour ("00" reads as one blot).
#pragma once

#include "platform/Platform.h"

namespace platform {

// Narrows `glyph` towards `maxWidth` columns by dropping the interior columns that repeat their
// left neighbour most closely (the flat parts of bars and bowls; never a column that is some
// row's only ink, such as a lone stem), then moves it right by no more than needed to start at
// column 0 and left to end within `maxWidth` where it fits. The advance is kept.
void FitGlyphInto(Glyph& glyph, int maxWidth);

// Drops blank columns at either side of the bitmap, so that its width is the width of its ink;
// a glyph without ink keeps no bitmap.
void TrimToInk(Glyph& glyph);

}  // namespace platform
