#include "Apps/Common/Applet.h"
#include "Apps/Torvimble/TorvimbleApplet.h"

RIVAKEL_APPLET_ENTRY_POINTS(torvimble::CTorvimbleApplet, torvimble::kDisplayName)
