// Where a box's controls go. Templates give no positions: the kit places the controls top to
// bottom in their order, the buttons in one row at the bottom right, and the terms take what is
// left. A message box is shaped to its text.
#pragma once

#include <string>
#include <vector>

#include "core/dialogs/DialogTemplate.h"
#include "core/dialogs/DialogWidgets.h"
#include "platform/Platform.h"

namespace dialog_layout {
inline constexpr int kBorder = 2;
inline constexpr int kGap = 8;
// The widest a message box's own line of text is set before it is wrapped: the width of a
// comfortable read, well inside the window.
inline constexpr int kReadingWidth = 380;
}  // namespace dialog_layout

struct PlacedControl {
    DialogControl control;
    platform::Rect area{};  // in the box's coordinates
    // A text's lines; a ">>" button's text beside it.
    std::vector<std::string> lines;
};

struct DialogLayout {
    int width = 0, height = 0;  // the whole box, caption and border included
    std::vector<PlacedControl> controls;
};

// The template laid out in a window of that size, the box no larger than the window.
DialogLayout LayOutDialog(const DialogTemplate& description, const DialogFont& font, const DialogFont& bold,
                          int windowWidth, int windowHeight);
