// What the main window shows before the shell frame draws it: the portal's colours, so a
// person can see the program run.
#pragma once

#include <cstdint>

#include "app/WindowSizeTable.h"
#include "platform/Platform.h"

inline constexpr uint32_t kPortalTeal = 0x99CCCC;
inline constexpr uint32_t kPortalIndigo = 0x333399;
inline constexpr int kPlainBandHeight = 24;

// A teal window under an indigo title band.
void PresentPlainBackground(platform::Window& window, const WindowSizeTable& sizes);
