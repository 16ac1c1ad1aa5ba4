#include "Apps/Common/Forwarder.h"

int NullTickThunk(intptr_t* /*args*/) { return 0; }
