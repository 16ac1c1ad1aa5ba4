#include "Apps/Common/Applet.h"
#include "Apps/Grumbolt/GrumboltApplet.h"

RIVAKEL_APPLET_ENTRY_POINTS(grumbolt::CGrumboltApplet, grumbolt::kDisplayName)
