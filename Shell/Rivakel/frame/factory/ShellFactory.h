// The session's factory, through which every game makes its pictures, sounds, timers and events.
#pragma once

#include "frame/api/IShellFactory.h"

// The factory the session creates first among its services and hands to every game. It holds
// one reference on a private shell object; the session ends it with Release().
IShellFactory* CreateShellFactory();
