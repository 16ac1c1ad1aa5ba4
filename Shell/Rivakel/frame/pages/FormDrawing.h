// Drawing helpers of the form pages: the shell's strings, rich text, text the user or a game
// supplied (never read as markup), fills and the sunk box around an entry field.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Platform.h"

class CImage;
class CShell;

std::string ShellText(uint32_t id);
void DrawRml(CImage& image, std::string_view rml, int x, int y, const platform::Rect* box = nullptr);
void FillArea(CImage& image, int left, int top, int right, int bottom, uint32_t rgb);
// A field's sunk border: dark above and left, light below and right, white inside.
void DrawSunkBox(CImage& image, int left, int top, int right, int bottom);
// A title string and a body string of the string table, the body wrapped in `box`; the body.
int DrawTitleAndBody(CImage& image, uint32_t title, platform::Point titleAt, uint32_t body, platform::Point bodyAt,
                      const platform::Rect& box);
// The mascot and the Settings offer the Home and Join pages share.
void DrawMascotAndSettings(CShell& shell, CImage& image);
