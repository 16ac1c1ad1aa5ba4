#include <algorithm>

#include "platform/headless/HeadlessBackend.h"

namespace platform::headless {

HeadlessCursor::HeadlessCursor(PixelView image, Point hotSpot, uint32_t colourKey)
    : width_(image.width), height_(image.height), hotSpot_(hotSpot), colourKey_(colourKey) {
    pixels_.reserve(static_cast<size_t>(width_) * static_cast<size_t>(height_));
    for (int y = 0; y < height_; ++y) {
        const uint32_t* row = image.Row(y);
        pixels_.insert(pixels_.end(), row, row + width_);
    }
}

HeadlessWindow::HeadlessWindow(HeadlessBackend& backend, const WindowParams& params, Point position)
    : backend_(backend),
      title_(params.title),
      width_(params.width),
      height_(params.height),
      position_(position),
      splash_(params.splash),
      renderer_(params.preferAccelerated && backend.acceleratedAvailable_ ? Renderer::Accelerated
                                                                            : Renderer::Software),
      hasIcon_(params.icon.has_value()),
      frame_(static_cast<size_t>(params.width) * static_cast<size_t>(params.height), 0) {
    backend_.Register(this);
}

HeadlessWindow::~HeadlessWindow() { backend_.Unregister(this); }

void HeadlessWindow::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    Event event;
    event.type = active ? EventType::Activated : EventType::Deactivated;
    backend_.PushEvent(event);
}

void HeadlessWindow::Show() {
    if (visible_) return;
    visible_ = true;
    backend_.PushEvent(Event{.type = EventType::Exposed});
    // A splash never takes the focus; a shown window does when nothing else has it.
    if (!splash_ && !minimized_ && backend_.ActiveWindow() == nullptr) backend_.MakeActive(this);
}

void HeadlessWindow::Hide() {
    if (!visible_) return;
    visible_ = false;
    if (active_) backend_.MakeActive(nullptr);
}

void HeadlessWindow::Minimize() {
    if (minimized_) return;
    minimized_ = true;
    if (active_) backend_.MakeActive(nullptr);
}

void HeadlessWindow::Restore() {
    if (!minimized_) return;
    minimized_ = false;
    if (!visible_) return;
    backend_.PushEvent(Event{.type = EventType::Exposed});
    if (!splash_) backend_.MakeActive(this);
}

void HeadlessWindow::Raise() {
    if (visible_ && !minimized_ && !splash_) backend_.MakeActive(this);
}

bool HeadlessWindow::SetPosition(Point topLeft) {
    if (backend_.PositionsRefused()) return false;
    position_ = topLeft;
    return true;
}

std::optional<Point> HeadlessWindow::GetPosition() const {
    if (backend_.PositionsRefused()) return std::nullopt;
    return position_;
}

void HeadlessWindow::Present(PixelView image, std::span<const Rect> dirty) {
    ++presentCount_;
    lastDirty_.clear();
    const Rect bounds{0, 0, std::min(width_, image.width), std::min(height_, image.height)};
    for (const Rect& given : dirty) {
        const Rect r = given.ClippedTo(bounds);
        if (r.Empty()) continue;
        lastDirty_.push_back(r);
        for (int y = r.top; y < r.bottom; ++y) {
            const uint32_t* from = image.Row(y) + r.left;
            std::copy(from, from + r.Width(), frame_.begin() + static_cast<std::ptrdiff_t>(y) * width_ + r.left);
        }
    }
}

uint32_t HeadlessWindow::FramePixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return frame_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

void HeadlessWindow::UserActivate() {
    if (visible_ && minimized_) {
        Restore();
        return;
    }
    if (visible_) backend_.MakeActive(this);
}

void HeadlessWindow::UserDeactivate() {
    if (active_) backend_.MakeActive(nullptr);
}

}  // namespace platform::headless
