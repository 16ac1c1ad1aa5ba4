// Set when the session starts to stop. Read by code on other threads (the audio mixer, HTTP
// workers) and by walks that must not go on calling out once the session is going away.
#pragma once

bool ShutdownRequested();
void SetShutdownRequested(bool requested);
