#include "platform/sdl/X11Connection.h"

#include <SDL_syswm.h>
#include <dlfcn.h>

namespace platform::sdl {

void* FindX11Function(const char* name) {
    // SDL has loaded the library by now; this only finds it. The library stays loaded with SDL,
    // so the handle only drops the count taken here.
    void* library = ::dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (library == nullptr) return nullptr;
    void* function = ::dlsym(library, name);
    ::dlclose(library);
    return function;
}

std::optional<X11Connection> X11Connection::Of(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
    using Number = int (*)(void* display);
    const auto number = reinterpret_cast<Number>(FindX11Function("XConnectionNumber"));
    X11Connection connection;
    connection.display_ = info.info.x11.display;
    connection.queued_ = reinterpret_cast<Queued>(FindX11Function("XEventsQueued"));
    connection.flush_ = reinterpret_cast<FlushFunction>(FindX11Function("XFlush"));
    if (number == nullptr || connection.queued_ == nullptr || connection.flush_ == nullptr) return std::nullopt;
    connection.descriptor_ = number(connection.display_);
    if (connection.descriptor_ < 0) return std::nullopt;
    return connection;
}

bool X11Connection::HoldsEvents() const {
    constexpr int kQueuedAlready = 0;
    return queued_(display_, kQueuedAlready) > 0;
}

void X11Connection::Flush() const { flush_(display_); }

}  // namespace platform::sdl
