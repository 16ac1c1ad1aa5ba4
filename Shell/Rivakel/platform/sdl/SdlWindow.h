// A window with a streaming texture of the shell's 32-bit image. Once the display has gone, every
// call that would reach it does nothing (DisplayLoss.h).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Platform.h"
#include "platform/sdl/SdlOwners.h"

namespace platform::sdl {

class SdlCursor final : public Cursor {
public:
    explicit SdlCursor(CursorOwner cursor) : cursor_(std::move(cursor)) {}
    SDL_Cursor* Get() const { return cursor_.get(); }

private:
    CursorOwner cursor_;
};

// What a window needs of its backend.
class SdlWindowHost {
public:
    virtual void Forget(Uint32 windowId) = 0;  // the window is going away
    virtual SDL_Cursor* ArrowCursor() = 0;

protected:
    ~SdlWindowHost() = default;
};

class SdlWindow final : public Window {
    struct Key {};  // only Create makes windows

public:
    // Null with `reason` set when SDL cannot make the window or any renderer for it.
    static std::unique_ptr<SdlWindow> Create(SdlWindowHost& host, const WindowParams& params, Rect usableArea,
                                             std::string* reason);
    SdlWindow(Key, SdlWindowHost& host, WindowOwner window, RendererOwner renderer, Renderer kind,
              const WindowParams& params);
    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    Renderer RendererInUse() const override { return renderer_; }
    void Show() override;
    void Hide() override;
    void Minimize() override;
    void Restore() override;
    void Raise() override;
    bool IsActive() const override;
    bool IsMinimized() const override;
    bool SetPosition(Point topLeft) override;
    std::optional<Point> GetPosition() const override;
    void SetTitle(std::string_view cp1252) override;
    void Present(PixelView image, std::span<const Rect> dirty) override;
    void SetMouseCapture(bool captured) override;
    void SetCursor(const Cursor* cursor) override;
    void SetDragBorder(int pixels) override;

    Uint32 Id() const { return id_; }
    bool IsSplash() const { return splash_; }
    // Shows the texture again (the window system lost what was on the screen).
    void Repaint();
    // The device lost its textures: make the texture again, black until the next present.
    void RecreateTexture();
    // Reads back what the texture holds, as 0xRRGGBB rows of the window's width; empty when the
    // renderer cannot read. For tests.
    std::vector<uint32_t> ReadBack();

private:
    static SDL_HitTestResult HitTest(SDL_Window* window, const SDL_Point* area, void* self);

    SdlWindowHost& host_;
    WindowOwner window_;
    RendererOwner sdlRenderer_;
    TextureOwner texture_;
    Renderer renderer_;
    Uint32 id_;
    int width_, height_;
    bool splash_;
    int dragBorder_ = 0;
};

}  // namespace platform::sdl
