// The font opener of the running shell: the platform backend's fonts.
#pragma once

#include "core/text/CSubsystem_Font_Win32.h"

CSubsystem_Font_Win32::FontOpener BackendFontOpener();
