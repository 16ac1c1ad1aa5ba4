#include "platform/sdl/DisplayLoss.h"

#include <pthread.h>
#include <unistd.h>

#include <SDL.h>

#include <atomic>
#include <string_view>

#include "platform/Host.h"
#include "platform/sdl/X11Connection.h"

namespace platform::sdl {
namespace {

// The X library's handler types, without its headers: SDL loads the library itself.
using IoErrorHandler = int (*)(void* display);
using SetIoErrorHandler = IoErrorHandler (*)(IoErrorHandler handler);

std::atomic<bool> g_gone = false;
std::atomic<bool> g_ending = false;
pid_t g_process = 0;
pthread_t g_owner{};

void Say(std::string_view text) { [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text.data(), text.size()); }

[[noreturn]] void End() {
    g_ending = true;
    ExitProcessAtOnce(kDisplayLostExitCode);
}

// The X library must never get control back: returning from here ends the process through exit().
int OnDisplayLost(void*) {
    // A fork's copy of the handler (the window system's box has its own connection): only that
    // process ends.
    if (::getpid() != g_process) ::_exit(kDisplayLostExitCode);
    if (!g_gone.exchange(true)) Say("Rivakel: the display went away; the portal saves what it holds and ends.\n");
    // A second loss inside the end (something still reached the display) can only cut it short.
    if (g_ending) ::_exit(kDisplayLostExitCode);
    // Another thread (a wake-up posted to the display) stops here for good: the owner's next call
    // on the display, or on the backend, ends the program.
    if (!pthread_equal(pthread_self(), g_owner)) {
        for (;;) ::pause();
    }
    End();
}

}  // namespace

void EndProcessWhenDisplayIsLost() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::string_view(driver) != "x11") return;
    g_process = ::getpid();
    g_owner = pthread_self();
    if (auto set = reinterpret_cast<SetIoErrorHandler>(FindX11Function("XSetIOErrorHandler"))) set(OnDisplayLost);
}

bool DisplayGone() { return g_gone.load(std::memory_order_relaxed); }

void EndIfDisplayGone() {
    if (g_gone && !g_ending && g_process == ::getpid() && pthread_equal(pthread_self(), g_owner)) End();
}

}  // namespace platform::sdl
