// Plain text laid out for a box that does not wrap on its own (the window system's message box).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// `text` with a line break put in at the last blank of every line longer than `columns`
// characters: the blanks there go, the line breaks the text has stay, and a word longer than a
// line is cut at the line's end. Columns are bytes (cp1252); 0 counts as 1.
std::string WrapToColumns(std::string_view text, size_t columns);

}  // namespace platform
