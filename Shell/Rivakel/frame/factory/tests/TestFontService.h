// The bitmap font service for the factory's tests. Its own file: the core's font header and the
// applet headers both name the style bits, so no file includes both.
#pragma once

#include <cstddef>

class CSubsystem_Font;

CSubsystem_Font* CreateTestFontService();
void DestroyTestFontService(CSubsystem_Font* fonts);
size_t CachedFontCount(const CSubsystem_Font& fonts);
