// Text on the portal's information pages: the shell's own strings, and rich text whose links
// reach the shell window's link dispatcher.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/Platform.h"

class CImage;
class CShell;

// The shell's string `id`, cut to `maxLength` bytes; empty when missing.
std::string ShellString(int id, size_t maxLength);
bool HasShellString(int id);

// Rich text on the shell's page surface at (x, y), wrapped inside `box`; its links call
// CShell::OnHyperLink with their number. 0, or the renderer's error.
int DrawPageRml(CShell& shell, std::string_view rml, int x, int y, const platform::Rect& box);
// The same without links and wrapping box (the whole page).
int DrawPageRml(CShell& shell, std::string_view rml, int x, int y);
// How far rich text reaches to the right when drawn from x 0 on one line.
int RmlWidth(std::string_view rml);
