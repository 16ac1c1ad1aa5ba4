#include "Apps/Common/ModuleGlobals.h"

ModuleGlobals& Globals() {
    static ModuleGlobals globals;
    return globals;
}
