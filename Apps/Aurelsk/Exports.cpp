#include "Apps/Common/Applet.h"
#include "Apps/Aurelsk/AurelskApplet.h"

RIVAKEL_APPLET_ENTRY_POINTS(aurelsk::CAurelskApplet, aurelsk::kDisplayName)
