#include "core/graphics/VideoService.h"

#include <algorithm>
#include <new>

#include "core/base/Log.h"

CSubsystem_Video::CSubsystem_Video(platform::Window& window, VideoHooks hooks)
    : window_(window), hooks_(std::move(hooks)), palette_(CubePalette(Palette{})) {
    if (platform::Backend* backend = platform::GetBackend()) screen_ = backend->ScreenSize();
}

void CSubsystem_Video::OnDisplayChange(int /*depth*/, int width, int height) {
    screen_ = {width, height};
    presentAll_ = true;
    if (hooks_.repaint) hooks_.repaint();
}

int CSubsystem_Video::GetColorKey(uint32_t& key) const {
    key = DeviceColorKey(Depth(), kLayout555, palette_);
    return 0;
}

void CSubsystem_Video::MoveWindowTo(int x, int y) {
    const std::optional<platform::Point> at = window_.GetPosition();
    if (!at) return;
    const int64_t left = int64_t{at->x} + x - anchor_.x, top = int64_t{at->y} + y - anchor_.y;
    window_.SetPosition({static_cast<int>(std::clamp<int64_t>(left, INT32_MIN, INT32_MAX)),
                         static_cast<int>(std::clamp<int64_t>(top, INT32_MIN, INT32_MAX))});
}

void CSubsystem_Video::BeginDrag(int x, int y) {
    window_.SetMouseCapture(true);
    anchor_ = {x, y};
    dragging_ = true;
}

void CSubsystem_Video::EndDrag() {
    window_.SetMouseCapture(false);
    dragging_ = false;
}

void CSubsystem_Video_Accelerated::BeginDrag(int x, int y) {
    CSubsystem_Video::BeginDrag(x, y);
    if (hooks_.selectStockCursor) hooks_.selectStockCursor(kClosedHandCursor);
}

void CSubsystem_Video_Accelerated::EndDrag() {
    CSubsystem_Video::EndDrag();
    if (hooks_.selectStockCursor) hooks_.selectStockCursor(kOpenHandCursor);
    // A window system that keeps positions to itself has nothing to remember.
    if (const std::optional<platform::Point> at = window_.GetPosition(); at && hooks_.dragEnded) {
        hooks_.dragEnded(at->x, at->y);
    }
}

std::unique_ptr<CRenderTarget> CSubsystem_Video::CreateRenderTarget(int width, int height, unsigned flags) const {
    return std::make_unique<CRenderTarget>(width, height, flags);
}

int CSubsystem_Video::Present(CRenderTarget& image) {
    const platform::PixelView view = image.Lock();
    const platform::Rect whole{0, 0, view.width, view.height};
    if (presentAll_) {
        window_.Present(view, std::span<const platform::Rect>(&whole, 1));
        presentAll_ = false;
    } else {
        const std::vector<platform::Rect> rects = dirty_.Merged(whole);
        window_.Present(view, rects);
    }
    image.Unlock();
    return 0;
}

void CSubsystem_Video::Minimize() {
    if (hooks_.mouseMove) hooks_.mouseMove(kOffWindow, kOffWindow);
    window_.Minimize();
}

void CSubsystem_Video::Hide() {
    if (hooks_.mouseMove) hooks_.mouseMove(kOffWindow, kOffWindow);
    window_.Hide();
}

int CSubsystem_Video::AddDirty(int x, int y, int width, int height) {
    dirty_.Add(x, y, width, height);
    return 0;
}

int CSubsystem_Video::CreatePixelBuffer(PixelBuffer*& out, int width, int height) {
    out = nullptr;
    if (width <= 0 || height <= 0 || width > CRenderTarget::kMaxSide || height > CRenderTarget::kMaxSide ||
        int64_t{width} * height > CRenderTarget::kMaxPixels) {
        return 1;
    }
    auto buffer = std::make_unique<OwnedBuffer>();
    try {
        buffer->pixels.assign(static_cast<size_t>(width) * height, 0);
    } catch (const std::bad_alloc&) {
        Error("Out of memory for a %dx%d pixel buffer in CSubsystem_Video::CreatePixelBuffer", width, height);
        return 3;
    }
    buffer->record = {CRenderTarget::kColorKey, width, height, buffer->pixels.data()};
    out = &buffer->record;
    buffers_.push_back(std::move(buffer));
    return 0;
}

int CSubsystem_Video::FreePixelBuffer(PixelBuffer* buffer) {
    const auto it = std::find_if(buffers_.begin(), buffers_.end(),
                                 [buffer](const std::unique_ptr<OwnedBuffer>& owned) { return &owned->record == buffer; });
    if (!buffer || it == buffers_.end()) return 4;
    buffers_.erase(it);
    return 0;
}

std::unique_ptr<CSubsystem_Video> CreateVideoService(platform::Window* window, VideoHooks hooks) {
    if (!window) {
        Error("Error calling CreateVideoService in InitVideo (no main window)");
        return nullptr;
    }
    if (window->RendererInUse() == platform::Renderer::Accelerated) {
        return std::make_unique<CSubsystem_Video_Accelerated>(*window, std::move(hooks));
    }
    return std::make_unique<CSubsystem_Video_Software>(*window, std::move(hooks));
}

std::unique_ptr<platform::Window> CreateVideoWindow(platform::WindowParams params) {
    platform::Backend* backend = platform::GetBackend();
    if (!backend) return nullptr;
    std::unique_ptr<platform::Window> window = backend->CreateWindow(params);
    if (!window && params.preferAccelerated) {
        Warning("Error calling CreateWindow in InitVideo (accelerated renderer); using the software renderer");
        params.preferAccelerated = false;
        window = backend->CreateWindow(params);
    }
    return window;
}
