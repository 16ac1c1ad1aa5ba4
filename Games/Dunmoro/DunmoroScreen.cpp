#include "Games/Dunmoro/DunmoroScreen.h"

#include "Apps/Common/ModuleGlobals.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"

namespace dunmoro {

void CDunmoroScreen::Discard(ISurface* parent, ISurface*& surface) {
    if (surface == nullptr) return;
    if (parent != nullptr) parent->DetachSurface(surface);
    surface->Release();
    surface = nullptr;
}

bool CDunmoroScreen::Confirmed(const char* caption, const char* text) {
    return Globals().services->MessageBox(caption, text, kBoxOkCancel | kBoxExclamation) == applet::kBoxOk;
}

}  // namespace dunmoro
