// RAII owners for every SDL object the layer makes; each is freed here and nowhere else.
#pragma once

#include <SDL.h>

#include <memory>
#include <utility>

#include "platform/sdl/DisplayLoss.h"

namespace platform::sdl {

// Windows, renderers, textures and cursors live on the display: once it has gone they are left
// to the process's end, since freeing them would reach it.
struct WindowDeleter {
    void operator()(SDL_Window* window) const { if (!DisplayGone()) SDL_DestroyWindow(window); }
};
using WindowOwner = std::unique_ptr<SDL_Window, WindowDeleter>;

struct RendererDeleter {
    void operator()(SDL_Renderer* renderer) const { if (!DisplayGone()) SDL_DestroyRenderer(renderer); }
};
using RendererOwner = std::unique_ptr<SDL_Renderer, RendererDeleter>;

struct TextureDeleter {
    void operator()(SDL_Texture* texture) const { if (!DisplayGone()) SDL_DestroyTexture(texture); }
};
using TextureOwner = std::unique_ptr<SDL_Texture, TextureDeleter>;

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfaceOwner = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

struct CursorDeleter {
    void operator()(SDL_Cursor* cursor) const { if (!DisplayGone()) SDL_FreeCursor(cursor); }
};
using CursorOwner = std::unique_ptr<SDL_Cursor, CursorDeleter>;

// Text SDL allocated for us (clipboard).
struct SdlFreeDeleter {
    void operator()(char* text) const { SDL_free(text); }
};
using SdlTextOwner = std::unique_ptr<char, SdlFreeDeleter>;

// One initialised SDL subsystem; quits it on destruction. SDL counts nested inits.
class SubsystemOwner {
public:
    SubsystemOwner() = default;
    explicit SubsystemOwner(Uint32 flags) : flags_(SDL_InitSubSystem(flags) == 0 ? flags : 0) {}
    SubsystemOwner(SubsystemOwner&& other) noexcept : flags_(std::exchange(other.flags_, 0)) {}
    SubsystemOwner& operator=(SubsystemOwner&& other) noexcept {
        if (this != &other) {
            Reset();
            flags_ = std::exchange(other.flags_, 0);
        }
        return *this;
    }
    SubsystemOwner(const SubsystemOwner&) = delete;
    SubsystemOwner& operator=(const SubsystemOwner&) = delete;
    ~SubsystemOwner() { Reset(); }

    bool Valid() const { return flags_ != 0; }
    void Reset() {
        if (flags_ != 0) SDL_QuitSubSystem(std::exchange(flags_, 0));
    }

private:
    Uint32 flags_ = 0;
};

// An open audio device; closing waits until its callback has returned.
class AudioDeviceOwner {
public:
    AudioDeviceOwner() = default;
    explicit AudioDeviceOwner(SDL_AudioDeviceID id) : id_(id) {}
    AudioDeviceOwner(AudioDeviceOwner&& other) noexcept : id_(std::exchange(other.id_, 0)) {}
    AudioDeviceOwner& operator=(AudioDeviceOwner&& other) noexcept {
        if (this != &other) {
            Reset();
            id_ = std::exchange(other.id_, 0);
        }
        return *this;
    }
    AudioDeviceOwner(const AudioDeviceOwner&) = delete;
    AudioDeviceOwner& operator=(const AudioDeviceOwner&) = delete;
    ~AudioDeviceOwner() { Reset(); }

    SDL_AudioDeviceID Get() const { return id_; }
    void Reset() {
        if (id_ != 0) SDL_CloseAudioDevice(std::exchange(id_, 0));
    }

private:
    SDL_AudioDeviceID id_ = 0;
};

// A surface of 32-bit ARGB pixels made from an 0xRRGGBB image: `colourKey` pixels become
// transparent, all others opaque. Null when SDL cannot make it.
SurfaceOwner MakeKeyedSurface(const uint32_t* pixels, int width, int height, int pitch, uint32_t colourKey);

}  // namespace platform::sdl
