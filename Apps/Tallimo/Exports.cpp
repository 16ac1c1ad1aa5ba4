#include "Apps/Common/Applet.h"
#include "Apps/Tallimo/TallimoApplet.h"

RIVAKEL_APPLET_ENTRY_POINTS(tallimo::CTallimoApplet, tallimo::kDisplayName)
