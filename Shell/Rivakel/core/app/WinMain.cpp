#include "core/app/WinMain.h"

int WinMain(int, char**) { return 0; }
