// The font opener of the running shell: the platform backend's fonts.
#pragma once

#include "core/text/CSubsystem_Font.h"

CSubsystem_Font::FontOpener BackendFontOpener();
