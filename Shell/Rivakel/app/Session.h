// The session: the life of the service singletons between the splash and the end of the loop.
#pragma once

#include <span>
#include <string>

// Creates the singletons in their fixed order and runs the start-up duties. 0, or the exit code
// of a start that cannot go on (the session is then torn down again).
int SetSessionGUID(std::span<const std::string> args);

// Asks the session to stop: the stopping flag is set at once, the teardown runs when control is
// back in the main loop (or at the end of the start-up step that asked), never inside a callback.
void StopSession();
// True from the stop request on. Read by the window procedure and the loop.
bool SessionStopping();
// Runs the teardown when a stop was requested and has not run yet.
void RunPendingSessionStop();
// Ends the session at once, wherever it is called from: the running game is stopped and the
// session torn down in its order (the store saved when installed), as at a close. For a
// process that is about to end (every ExitProcess runs it first) or a start-up step that ends
// the session; outside a session nothing happens, and inside its teardown the store is saved as
// it is. Game code still on the stack is never returned to, so the caller must not go back into
// a loop or a game.
void EndSessionNow();

// Exit code of a start whose data folder cannot be written.
inline constexpr int kExitDataFolderUnwritable = 2;
