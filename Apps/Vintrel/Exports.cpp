#include "Apps/Common/Applet.h"
#include "Apps/Vintrel/VintrelApplet.h"

RIVAKEL_APPLET_ENTRY_POINTS(vintrel::CVintrelApplet, vintrel::kDisplayName)
