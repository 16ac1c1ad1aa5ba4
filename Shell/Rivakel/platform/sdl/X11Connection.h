// The X connection under SDL's windows, for waiting on it directly: one poll on its descriptor
// instead of SDL's wait, which reads the connection over and over on every wake-up.
#pragma once

#include <SDL.h>

#include <optional>

namespace platform::sdl {

// A function of the X library that SDL has loaded, without its headers; null when it is not loaded.
void* FindX11Function(const char* name);

class X11Connection {
public:
    // The connection `window` is shown through; nullopt when it is not an X window.
    static std::optional<X11Connection> Of(SDL_Window* window);

    int Descriptor() const { return descriptor_; }
    // Whether the library has read events that SDL has not taken yet (reads nothing itself).
    bool HoldsEvents() const;
    // Sends what is buffered for the server.
    void Flush() const;

private:
    using Queued = int (*)(void* display, int mode);
    using FlushFunction = int (*)(void* display);

    void* display_ = nullptr;
    int descriptor_ = -1;
    Queued queued_ = nullptr;
    FlushFunction flush_ = nullptr;
};

}  // namespace platform::sdl
