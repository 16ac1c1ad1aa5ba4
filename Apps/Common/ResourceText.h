// A text of the game's resources drawn as one line of markup: its first quoted string, line ends
// taken as blanks (the markup breaks lines with its own tags).
#pragma once

#include <cstddef>

class IImage;

// False when the text could not be read; nothing is drawn then.
bool DrawResourceText(IImage& image, const char* resource, size_t maxLength, int x, int y);
