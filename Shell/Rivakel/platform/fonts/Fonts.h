// The two font engines behind `Backend::OpenFont`.
#pragma once

#include <memory>

#include "platform/Platform.h"

namespace platform {

// fontconfig picks the face ("Arial" resolves to Liberation Sans); FreeType draws it without
// anti-aliasing. Null when no face can be found.
std::unique_ptr<Font> OpenSystemFont(const FontRequest& request);

// A deterministic bitmap font for exact layout tests: the same metrics and glyphs on every
// machine, scaled from the request's height; never null.
std::unique_ptr<Font> OpenBitmapFont(const FontRequest& request);

}  // namespace platform
