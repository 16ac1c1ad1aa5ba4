#include "Apps/Brisquet/BrisquetApplet.h"
#include "Apps/Common/Applet.h"

RIVAKEL_APPLET_ENTRY_POINTS(brisquet::CBrisquetApplet, brisquet::kDisplayName)
