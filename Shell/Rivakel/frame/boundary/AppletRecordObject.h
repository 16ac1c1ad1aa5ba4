// The record handed to a game at its start, which is also its utility interface.
#pragma once

#include "frame/api/AppletRecord.h"

// A record with every word null and `reserved` 0; Release on it answers 0. The game host fills
// the interface pointers and ends the record with Destroy(1).
AppletRecord* MakeAppletRecord();
