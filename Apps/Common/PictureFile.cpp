#include "Apps/Common/PictureFile.h"

#include "Apps/Common/ModuleGlobals.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"

IImage* LoadPicture(const char* name) {
    IShellFactory* factory = Globals().factory;
    if (factory == nullptr || name == nullptr) return nullptr;
    ISurface* surface = factory->CreateSurfaceFromFile(name, 0);
    if (surface == nullptr) return nullptr;
    IImage* image = nullptr;
    surface->GetImage(&image);
    surface->Release();
    return image;
}
