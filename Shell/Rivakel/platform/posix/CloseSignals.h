// What the backends need of the close signals: whether one came since they last asked.
#pragma once

namespace platform {

// True once for every run of SIGTERM, SIGINT and SIGHUP since the last call, after
// `CatchCloseSignals` (Host.h). Each backend hands it out as a SessionEnding event.
bool TakeCloseSignal();
// Whether one came that has not been taken yet.
bool CloseSignalPending();

// Wakes the process's backend from its wait for events (Backend.cpp); nothing without one.
void WakeBackend();

}  // namespace platform
