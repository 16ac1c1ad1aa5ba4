// Keeps a hinted glyph inside the cell its design gives it. Hinting rounds stems and bowls
// outwards, so at small sizes a glyph designed with room on both sides can fill its whole
// advance and run into its neighbour ("00" reads as one blot).
#pragma once

#include "platform/Platform.h"

namespace platform {

// Narrows `glyph` to at most `maxWidth` columns by dropping the interior columns that repeat
// their left neighbour most closely (the flat parts of bars and bowls, never a stem's only
// column when another can go), then moves it right by no more than needed to start at column 0
// and left to end within `maxWidth`. The advance is kept.
void FitGlyphInto(Glyph& glyph, int maxWidth);

}  // namespace platform
