// The system font engine behind `Backend::OpenFont` (the bitmap font is in Platform.h).
#pragma once

#include <memory>

#include "platform/Platform.h"

namespace platform {

// fontconfig picks the face ("Arial" resolves to Liberation Sans); FreeType draws it without
// anti-aliasing. Null when no face can be found.
std::unique_ptr<Font> OpenSystemFont(const FontRequest& request);

}  // namespace platform
