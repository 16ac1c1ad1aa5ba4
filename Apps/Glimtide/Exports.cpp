#include "Apps/Common/Applet.h"
#include "Apps/Glimtide/GlimtideApplet.h"

RIVAKEL_APPLET_ENTRY_POINTS(glimtide::CGlimtideApplet, glimtide::kDisplayName)
