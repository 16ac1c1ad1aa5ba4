#include "platform/sdl/DisplayLoss.h"

#include <dlfcn.h>
#include <unistd.h>

#include <SDL.h>

#include <string_view>

namespace platform::sdl {
namespace {

// The X library's handler types, without its headers: SDL loads the library itself.
using IoErrorHandler = int (*)(void* display);
using SetIoErrorHandler = IoErrorHandler (*)(IoErrorHandler handler);

int EndAtOnce(void*) {
    // Nothing of the process can be trusted to finish over a dead connection: no clean-up runs.
    constexpr std::string_view kText = "Rivakel: the display went away; the portal ends.\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, kText.data(), kText.size());
    ::_exit(kDisplayLostExitCode);
}

}  // namespace

void EndProcessWhenDisplayIsLost() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::string_view(driver) != "x11") return;
    // SDL has loaded the library by now; this only finds it.
    void* library = ::dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (library == nullptr) return;
    if (auto set = reinterpret_cast<SetIoErrorHandler>(::dlsym(library, "XSetIOErrorHandler"))) set(EndAtOnce);
    // The library stays loaded with SDL; this handle only drops the count taken above.
    ::dlclose(library);
}

}  // namespace platform::sdl
