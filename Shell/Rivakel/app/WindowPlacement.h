// Where the main window opens: where the user last dragged it, kept on the screen.
#pragma once

#include <optional>

#include "app/WindowSizeTable.h"
#include "platform/Platform.h"

class RdtNode;

// The stored "WindowXLoc" and "WindowYLoc" of `user`, moved so the whole window lies in
// `usable` (its top-left corner when the window is larger). Nothing when either is missing:
// the window is then centred.
std::optional<platform::Point> StoredWindowPosition(const RdtNode* user, const platform::Rect& usable,
                                                    const WindowSizeTable& sizes);

// Records `topLeft` in `user` (null: nothing) where StoredWindowPosition finds it next time.
void StoreWindowPosition(RdtNode* user, platform::Point topLeft);
