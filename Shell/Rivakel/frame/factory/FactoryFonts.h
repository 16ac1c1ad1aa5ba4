// Fonts for the factory.
#pragma once

#include <string_view>

class IFont;

// The cached font of that face, size and style as a new interface object; the font service
// holds the size to 1..256 and the face to 31 characters. Null without a font service (logged).
IFont* NewFontObject(std::string_view face, int size, int style);
