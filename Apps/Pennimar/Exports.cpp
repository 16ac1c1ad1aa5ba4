#include "Apps/Common/Applet.h"
#include "Apps/Pennimar/PennimarApplet.h"

RIVAKEL_APPLET_ENTRY_POINTS(pennimar::CPennimarApplet, pennimar::kDisplayName)
