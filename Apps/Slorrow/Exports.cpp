#include "Apps/Common/Applet.h"
#include "Apps/Slorrow/SlorrowApplet.h"

RIVAKEL_APPLET_ENTRY_POINTS(slorrow::CSlorrowApplet, slorrow::kDisplayName)
