// The module's two entry points: the shell starts the game with its record and stops it.
#include "Apps/Common/Applet.h"
#include "Games/Dunmoro/DunmoroApplet.h"

APPLET_EXPORT int Shell_StartApplet(AppletRecord* record) {
    return StartApplet<dunmoro::CDunmoroApplet>(record, dunmoro::kDisplayName);
}

APPLET_EXPORT int Shell_StopApplet(AppletRecord* /*record*/) { return StopApplet(); }
