#include "frame/factory/FactoryFonts.h"

#include "core/base/Log.h"
#include "core/graphics/SurfaceServices.h"
#include "core/text/CSubsystem_Font.h"
#include "frame/graphics/GraphicsObjects.h"

IFont* NewFontObject(std::string_view face, int size, int style) {
    CSubsystem_Font* fonts = CurrentSurfaceServices().fonts;
    if (fonts == nullptr) {
        Error("Error - no font service in IShellFactory::CreateFont");
        return nullptr;
    }
    CFont* font = fonts->CreateFont(face, size, style);
    IFont* object = MakeFontObject(font);
    fonts->DeleteFont(font);
    return object;
}
