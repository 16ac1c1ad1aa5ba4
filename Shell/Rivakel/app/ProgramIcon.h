// The program's icon, "RivIcon", for the splash and the main window.
#pragma once

#include <optional>

#include "platform/Platform.h"

// Decoded once from the shell's resources and kept for the process; nothing when it is missing.
std::optional<platform::PixelView> ProgramIcon();
