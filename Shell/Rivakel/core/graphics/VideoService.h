// The video service: the connection between the shell's pictures and the main window.
//
// Made once per session by `CreateVideoService` in the kind that matches the window's renderer:
// `CSubsystem_Video_Accelerated` when the window presents through the accelerated renderer,
// else `CSubsystem_Video_Software`. Both keep the dirty rectangles of the repaint pipeline,
// and the applets' pixel buffers; they differ only in the window drag.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/graphics/ColorConversion.h"
#include "core/graphics/DirtyList.h"
#include "core/graphics/PixelBuffer.h"
#include "core/graphics/RenderTarget.h"
#include "platform/Platform.h"

// What the service asks of other services. Empty functions are skipped.
struct VideoHooks {
    std::function<void(int stockCursor)> selectStockCursor;  // 3 open hand, 4 closed hand
    std::function<void(int x, int y)> mouseMove;              // a mouse move through the event service
    std::function<void(int left, int top)> dragEnded;         // store "WindowXLoc" and "WindowYLoc"
    std::function<void()> repaint;                            // ask the shell frame to repaint
};

class CSubsystem_Video {
public:
    static constexpr int kOpenHandCursor = 3;
    static constexpr int kClosedHandCursor = 4;
    static constexpr int kOffWindow = -1000;

    CSubsystem_Video(platform::Window& window, VideoHooks hooks);
    virtual ~CSubsystem_Video() = default;
    CSubsystem_Video(const CSubsystem_Video&) = delete;
    CSubsystem_Video& operator=(const CSubsystem_Video&) = delete;

    virtual platform::Renderer Kind() const = 0;

    int RealizePalette() { return 0; }
    bool UsesPalette() const { return false; }
    // The depth is always 32 here: the new screen size is recorded and everything presented again.
    void OnDisplayChange(int depth, int width, int height);
    uint8_t ColorToIndex(uint8_t r, uint8_t g, uint8_t b) const { return ::ColorToIndex(r, g, b, palette_); }
    uint32_t ColorTo16(uint8_t r, uint8_t g, uint8_t b) const { return ::ColorTo16(r, g, b, kLayout555); }
    bool GetPaletteEntry(int index, ColorRGB& out) const { return ::GetPaletteEntry(index, palette_, out); }
    ColorRGB Unpack16(uint32_t value) const { return ::Unpack16(value, kLayout555); }
    int GetColorKey(uint32_t& key) const;

    // While dragging: the window follows the pointer, keeping the point grabbed at BeginDrag under it.
    void MoveWindowTo(int x, int y);
    virtual void BeginDrag(int x, int y);
    virtual void EndDrag();
    bool Dragging() const { return dragging_; }

    std::unique_ptr<CRenderTarget> CreateRenderTarget(int width, int height, unsigned flags) const;

    // Shows the dirty parts of `image` (the root surface's current image) in the window; all of it
    // after a display change or a renderer reset.
    int Present(CRenderTarget& image);
    void OnRendererReset() { presentAll_ = true; }
    void Minimize();
    void Hide();

    void ClearDirty() { dirty_.Clear(); }
    bool IsAreaDirty(const platform::Rect& area) const { return dirty_.Overlaps(area); }
    int AddDirty(int x, int y, int width, int height);
    bool IsDirty() const { return dirty_.IsDirty(); }
    const CDirtyList& DirtyList() const { return dirty_; }

    // 0; 1 for a size of 0 or less or beyond the picture limits; 3 when memory runs out.
    int CreatePixelBuffer(PixelBuffer*& out, int width, int height);
    // 0; 4 for null or a buffer this service did not make.
    int FreePixelBuffer(PixelBuffer* buffer);

    int Depth() const { return 32; }
    platform::Point ScreenSize() const { return screen_; }

protected:
    platform::Window& window_;
    VideoHooks hooks_;

private:
    struct OwnedBuffer {
        PixelBuffer record;
        std::vector<uint32_t> pixels;
    };

    Palette palette_;
    platform::Point screen_{};
    platform::Point anchor_{};
    bool dragging_ = false;
    bool presentAll_ = true;
    CDirtyList dirty_;
    std::vector<std::unique_ptr<OwnedBuffer>> buffers_;
};

// Presenting through the accelerated renderer: the drag shows the closed and open hands and is remembered.
class CSubsystem_Video_Accelerated final : public CSubsystem_Video {
public:
    using CSubsystem_Video::CSubsystem_Video;
    platform::Renderer Kind() const override { return platform::Renderer::Accelerated; }
    void BeginDrag(int x, int y) override;
    void EndDrag() override;
};

// Presenting through the software renderer: the drag only captures the mouse and is not remembered.
class CSubsystem_Video_Software final : public CSubsystem_Video {
public:
    using CSubsystem_Video::CSubsystem_Video;
    platform::Renderer Kind() const override { return platform::Renderer::Software; }
};

// The service matching `window`'s renderer; null (logged) without a window.
std::unique_ptr<CSubsystem_Video> CreateVideoService(platform::Window* window, VideoHooks hooks);

// Opens a window through the accelerated renderer when it can be had, else the software one.
std::unique_ptr<platform::Window> CreateVideoWindow(platform::WindowParams params);
