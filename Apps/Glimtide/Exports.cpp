// The module's two entry points: the shell starts the game with its record and stops it.
#include "Apps/Common/Applet.h"
#include "Apps/Glimtide/GlimtideApplet.h"

APPLET_EXPORT int Shell_StartApplet(AppletRecord* record) {
    return StartApplet<glimtide::CGlimtideApplet>(record, glimtide::kDisplayName);
}

APPLET_EXPORT int Shell_StopApplet(AppletRecord* /*record*/) { return StopApplet(); }
