#include "frame/boundary/InterfaceObject.h"

namespace {
int g_live = 0;
}

int LiveInterfaceObjects() { return g_live; }

namespace interface_detail {
void CountMade() { ++g_live; }
void CountGone() { --g_live; }
}  // namespace interface_detail
