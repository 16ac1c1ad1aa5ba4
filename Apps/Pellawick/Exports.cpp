#include "Apps/Common/Applet.h"
#include "Apps/Pellawick/PellawickApplet.h"

RIVAKEL_APPLET_ENTRY_POINTS(pellawick::CPellawickApplet, pellawick::kDisplayName)
