#include "platform/sdl/SdlWindow.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Cp1252.h"
#include "platform/sdl/DisplayLoss.h"

namespace platform::sdl {
namespace {

// Where the window system will not let programs place windows, positions are its own.
bool PositionsAllowed() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver == nullptr || std::strcmp(driver, "wayland") != 0;
}

// Without a GPU the accelerated renderer is the GL driver's software rasteriser, which costs
// tens of megabytes (its code generator) for what the software renderer does as well for a
// software-drawn frame. RIVAKEL_RENDERER ("software" or "accelerated") overrides the guess.
bool GpuPresent() {
    if (const char* asked = std::getenv("RIVAKEL_RENDERER"); asked != nullptr && *asked != '\0') {
        return std::strcmp(asked, "software") != 0;
    }
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("renderD", 0) == 0 && ::access(entry.path().c_str(), R_OK | W_OK) == 0) return true;
    }
    return false;
}

RendererOwner MakeRenderer(SDL_Window* window, bool preferAccelerated, Renderer& kind) {
    if (preferAccelerated && GpuPresent()) {
        RendererOwner accelerated(SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED));
        SDL_RendererInfo info;
        if (accelerated != nullptr && SDL_GetRendererInfo(accelerated.get(), &info) == 0 &&
            (info.flags & SDL_RENDERER_SOFTWARE) == 0) {
            kind = Renderer::Accelerated;
            return accelerated;
        }
    }
    kind = Renderer::Software;
    // The window's own pixels, not a GL texture standing in for them.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    return RendererOwner(SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE));
}

TextureOwner MakeTexture(SDL_Renderer* renderer, int width, int height) {
    TextureOwner texture(SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height));
    if (texture == nullptr) return nullptr;
    // Black until the first present, not whatever the memory held.
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture.get(), nullptr, &pixels, &pitch) == 0) {
        for (int y = 0; y < height; ++y) std::memset(static_cast<uint8_t*>(pixels) + static_cast<ptrdiff_t>(y) * pitch, 0, static_cast<size_t>(width) * 4);
        SDL_UnlockTexture(texture.get());
    }
    return texture;
}

}  // namespace

std::unique_ptr<SdlWindow> SdlWindow::Create(SdlWindowHost& host, const WindowParams& params, Rect usableArea,
                                             std::string* reason) {
    auto fail = [reason](std::string_view what) {
        if (reason != nullptr) *reason = std::string(what) + ": " + SDL_GetError();
        return nullptr;
    };
    if (params.width <= 0 || params.height <= 0) {
        if (reason != nullptr) *reason = "window size is not positive";
        return nullptr;
    }
    Point at = params.position.value_or(Point{usableArea.left + (usableArea.Width() - params.width) / 2,
                                              usableArea.top + (usableArea.Height() - params.height) / 2});
    // Both are pop-ups: the shell draws the main window's frame itself.
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
    if (params.splash) flags |= SDL_WINDOW_SKIP_TASKBAR;
    WindowOwner window(SDL_CreateWindow(Cp1252ToUtf8(params.title).c_str(), at.x, at.y, params.width, params.height, flags));
    if (window == nullptr) return fail("SDL_CreateWindow");
    Renderer kind = Renderer::Software;
    RendererOwner renderer = MakeRenderer(window.get(), params.preferAccelerated, kind);
    if (renderer == nullptr) return fail("SDL_CreateRenderer");
    auto made = std::make_unique<SdlWindow>(Key{}, host, std::move(window), std::move(renderer), kind, params);
    if (made->texture_ == nullptr) return fail("SDL_CreateTexture");
    if (params.icon.has_value()) {
        const PixelView& icon = *params.icon;
        if (SurfaceOwner surface = MakeKeyedSurface(icon.pixels, icon.width, icon.height, icon.pitch, 0xFF00FF)) {
            SDL_SetWindowIcon(made->window_.get(), surface.get());
        }
    }
    if (params.visible) made->Show();
    return made;
}

SdlWindow::SdlWindow(Key, SdlWindowHost& host, WindowOwner window, RendererOwner renderer, Renderer kind,
                     const WindowParams& params)
    : host_(host),
      window_(std::move(window)),
      sdlRenderer_(std::move(renderer)),
      texture_(MakeTexture(sdlRenderer_.get(), params.width, params.height)),
      renderer_(kind),
      id_(SDL_GetWindowID(window_.get())),
      width_(params.width),
      height_(params.height),
      splash_(params.splash) {}

SdlWindow::~SdlWindow() { host_.Forget(id_); }

void SdlWindow::Show() {
    if (!DisplayGone()) SDL_ShowWindow(window_.get());
}

void SdlWindow::Hide() {
    if (!DisplayGone()) SDL_HideWindow(window_.get());
}

void SdlWindow::Minimize() {
    if (!DisplayGone()) SDL_MinimizeWindow(window_.get());
}

void SdlWindow::Restore() {
    if (!DisplayGone()) SDL_RestoreWindow(window_.get());
}

void SdlWindow::Raise() {
    if (!DisplayGone()) SDL_RaiseWindow(window_.get());
}

bool SdlWindow::IsActive() const { return (SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_INPUT_FOCUS) != 0; }

bool SdlWindow::IsMinimized() const { return (SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_MINIMIZED) != 0; }

bool SdlWindow::SetPosition(Point topLeft) {
    if (!PositionsAllowed() || DisplayGone()) return false;
    SDL_SetWindowPosition(window_.get(), topLeft.x, topLeft.y);
    return true;
}

std::optional<Point> SdlWindow::GetPosition() const {
    if (!PositionsAllowed()) return std::nullopt;
    Point at;
    SDL_GetWindowPosition(window_.get(), &at.x, &at.y);
    return at;
}

void SdlWindow::SetTitle(std::string_view cp1252) {
    if (!DisplayGone()) SDL_SetWindowTitle(window_.get(), Cp1252ToUtf8(cp1252).c_str());
}

void SdlWindow::Present(PixelView image, std::span<const Rect> dirty) {
    if (DisplayGone()) return;
    if (texture_ == nullptr) RecreateTexture();
    if (texture_ == nullptr || image.pixels == nullptr) return;
    const Rect bounds{0, 0, std::min(width_, image.width), std::min(height_, image.height)};
    std::vector<SDL_Rect> areas;
    for (const Rect& given : dirty) {
        const Rect r = given.ClippedTo(bounds);
        if (r.Empty()) continue;
        areas.push_back({r.left, r.top, r.Width(), r.Height()});
        SDL_UpdateTexture(texture_.get(), &areas.back(), image.Row(r.top) + r.left, image.pitch * 4);
    }
    if (areas.empty()) return;
    // The software renderer draws into the window's own pixels, which keep what was shown: only
    // the changed areas are copied. A GPU's back buffer holds nothing after a present.
    if (renderer_ != Renderer::Software) {
        Repaint();
        return;
    }
    for (const SDL_Rect& area : areas) SDL_RenderCopy(sdlRenderer_.get(), texture_.get(), &area, &area);
    // Only those areas go to the display, not the whole window on every frame of an animation.
    if (SDL_RenderFlush(sdlRenderer_.get()) != 0 ||
        SDL_UpdateWindowSurfaceRects(window_.get(), areas.data(), static_cast<int>(areas.size())) != 0) {
        SDL_RenderPresent(sdlRenderer_.get());
    }
}

void SdlWindow::Repaint() {
    if (texture_ == nullptr || DisplayGone()) return;
    SDL_RenderCopy(sdlRenderer_.get(), texture_.get(), nullptr, nullptr);
    SDL_RenderPresent(sdlRenderer_.get());
}

void SdlWindow::RecreateTexture() {
    if (DisplayGone()) return;
    texture_.reset();
    texture_ = MakeTexture(sdlRenderer_.get(), width_, height_);
}

std::vector<uint32_t> SdlWindow::ReadBack() {
    if (texture_ == nullptr || DisplayGone()) return {};
    SDL_RenderCopy(sdlRenderer_.get(), texture_.get(), nullptr, nullptr);
    std::vector<uint32_t> pixels(static_cast<size_t>(width_) * static_cast<size_t>(height_));
    if (SDL_RenderReadPixels(sdlRenderer_.get(), nullptr, SDL_PIXELFORMAT_RGB888, pixels.data(), width_ * 4) != 0) {
        return {};
    }
    for (uint32_t& pixel : pixels) pixel &= 0xFFFFFFu;
    return pixels;
}

void SdlWindow::SetMouseCapture(bool captured) {
    if (!DisplayGone()) SDL_CaptureMouse(captured ? SDL_TRUE : SDL_FALSE);
}

void SdlWindow::SetCursor(const Cursor* cursor) {
    SDL_Cursor* chosen = cursor != nullptr ? static_cast<const SdlCursor*>(cursor)->Get() : host_.ArrowCursor();
    if (chosen != nullptr && !DisplayGone()) SDL_SetCursor(chosen);
}

void SdlWindow::SetDragBorder(int pixels) {
    dragBorder_ = std::max(pixels, 0);
    if (DisplayGone()) return;
    SDL_SetWindowHitTest(window_.get(), dragBorder_ > 0 ? &SdlWindow::HitTest : nullptr, this);
}

SDL_HitTestResult SdlWindow::HitTest(SDL_Window*, const SDL_Point* area, void* self) {
    const auto& window = *static_cast<const SdlWindow*>(self);
    const int border = window.dragBorder_;
    const bool inBorder = area->x < border || area->y < border || area->x >= window.width_ - border ||
                          area->y >= window.height_ - border;
    return inBorder ? SDL_HITTEST_DRAGGABLE : SDL_HITTEST_NORMAL;
}

}  // namespace platform::sdl
