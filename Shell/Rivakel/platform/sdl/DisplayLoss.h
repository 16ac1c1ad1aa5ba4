// What happens when the X server goes away under the portal. The X library's own answer is to
// call exit(), whose clean-up closes the window over the dead connection and waits for the
// server's reply for ever, burning a processor. The portal instead ends the way a termination
// signal ends it (what SetBeforeExit registered: the running game stopped, the store saved), with
// every call that would reach the display made a no-op, and then ends at once.
#pragma once

namespace platform::sdl {

// The exit code of a portal whose display went away.
inline constexpr int kDisplayLostExitCode = 3;

// Installs the guard when SDL shows its windows through X; elsewhere it does nothing. The thread
// that calls it is the one that ends the program.
void EndProcessWhenDisplayIsLost();

// True once the display has gone: nothing may reach it any more.
bool DisplayGone();

// On the thread that ends the program, once the display has gone: the end runs there (see above)
// and never returns; while that end runs, and on any other thread, nothing happens.
void EndIfDisplayGone();

}  // namespace platform::sdl
