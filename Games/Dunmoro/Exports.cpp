#include "Apps/Common/Applet.h"
#include "Games/Dunmoro/DunmoroApplet.h"

RIVAKEL_APPLET_ENTRY_POINTS(dunmoro::CDunmoroApplet, dunmoro::kDisplayName)
