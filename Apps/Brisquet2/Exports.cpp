#include "Apps/Brisquet2/Brisquet2Applet.h"
#include "Apps/Common/Applet.h"

RIVAKEL_APPLET_ENTRY_POINTS(brisquet2::CBrisquet2Applet, brisquet2::kDisplayName)
