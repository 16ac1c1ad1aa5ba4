// What happens when the X server goes away under the portal. The X library's own answer is to
// call exit(), whose clean-up closes the window over the dead connection and waits for the
// server's reply for ever, burning a processor. The portal ends at once instead.
#pragma once

namespace platform::sdl {

// The exit code of a portal whose display went away.
inline constexpr int kDisplayLostExitCode = 3;

// Installs the guard when SDL shows its windows through X; elsewhere it does nothing.
void EndProcessWhenDisplayIsLost();

}  // namespace platform::sdl
