// RAII owners for the FreeType and fontconfig handles; every handle is created and freed here.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include <fontconfig/fontconfig.h>

#include <memory>

namespace platform::fonts {

struct FtLibraryDeleter {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
using FtLibraryOwner = std::unique_ptr<FT_LibraryRec_, FtLibraryDeleter>;

struct FtFaceDeleter {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FtFaceOwner = std::unique_ptr<FT_FaceRec_, FtFaceDeleter>;

struct FcPatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using FcPatternOwner = std::unique_ptr<FcPattern, FcPatternDeleter>;

struct FcConfigDeleter {
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
using FcConfigOwner = std::unique_ptr<FcConfig, FcConfigDeleter>;

}  // namespace platform::fonts
