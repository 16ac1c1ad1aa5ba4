#include "frame/graphics/ImageObject.h"

#include <cstring>
#include <optional>

#include "core/graphics/SurfaceServices.h"
#include "core/graphics/VideoService.h"
#include "core/text/CFontWin32.h"
#include "frame/graphics/FontObject.h"
#include "frame/graphics/GraphicsObjects.h"

namespace {

std::optional<platform::Rect> RectFrom(const int* rect) {
    if (rect == nullptr) return std::nullopt;
    return platform::Rect{rect[0], rect[1], rect[2], rect[3]};
}

uint8_t Channel(int value) { return static_cast<uint8_t>(value); }

void StoreColor(ColorRGB colour, int* r, int* g, int* b) {
    StoreInt(r, colour.r);
    StoreInt(g, colour.g);
    StoreInt(b, colour.b);
}

// The text an applet means: at most `length` characters and never past the terminator.
int UsableLength(const char* text, int length) {
    if (text == nullptr || length <= 0) return 0;
    return static_cast<int>(strnlen(text, static_cast<size_t>(length)));
}

PixelBuffer CoreBuffer(const AppletPixelBuffer& buffer) {
    return PixelBuffer{buffer.colourKey, buffer.width, buffer.height, buffer.pixels};
}

platform::Point PositionFrom(const int* position) {
    return position != nullptr ? platform::Point{position[0], position[1]} : platform::Point{0, 0};
}

const CColorTable& LiveColors() {
    static const CColorTable none;
    const CSubsystem_Video* video = CurrentSurfaceServices().video;
    return video != nullptr ? video->Colors() : none;
}

// Reused between calls: particle effects pass tens of thousands of entries every tick.
template <class T>
std::vector<T>& Scratch(size_t size) {
    thread_local std::vector<T> items;
    items.resize(size);
    return items;
}

}  // namespace

int ImageObject::DrawLine(int x1, int y1, int x2, int y2) { return image().DrawLine(x1, y1, x2, y2); }

int ImageObject::FrameRect(int left, int top, int right, int bottom) {
    return image().FrameRect(left, top, right, bottom);
}

int ImageObject::FillRect(int left, int top, int right, int bottom) {
    return image().FillRect(left, top, right, bottom);
}

int ImageObject::DrawRML(const char* rml, int x, int y) {
    if (rml != nullptr) image().DrawRML(rml, x, y, nullptr, 0, nullptr);
    return 0;
}

int ImageObject::DrawText(const char* text, int length, int x, int y) {
    const int usable = UsableLength(text, length);
    if (usable == 0) return 0;
    return image().DrawText(text, usable, x, y);
}

int ImageObject::SetCurColor(int r, int g, int b) { return image().SetCurColor(Channel(r), Channel(g), Channel(b)); }

int ImageObject::GetCurColor(int* r, int* g, int* b) {
    StoreColor(image().GetCurColor(), r, g, b);
    return 0;
}

int ImageObject::SetTextColor(int r, int g, int b) { return image().SetTextColor(Channel(r), Channel(g), Channel(b)); }

int ImageObject::GetTextColor(int* r, int* g, int* b) {
    StoreColor(image().GetTextColor(), r, g, b);
    return 0;
}

int ImageObject::SetBackgroundColor(int r, int g, int b) {
    return image().SetBackgroundColor(Channel(r), Channel(g), Channel(b));
}

int ImageObject::GetBackgroundColor(int* r, int* g, int* b) {
    StoreColor(image().GetBackgroundColor(), r, g, b);
    return 0;
}

int ImageObject::ClearToColor(int r, int g, int b) { return image().ClearToColor(Channel(r), Channel(g), Channel(b)); }

int ImageObject::ClearToBackground() { return image().ClearToBackground(); }

int ImageObject::Draw(const int* dstRect, IImage* src, const int* srcRect) { return DrawEx(dstRect, src, srcRect, 0); }

int ImageObject::DrawAt(IImage* src, int x, int y) { return DrawAtEx(src, x, y, 0); }

int ImageObject::DrawEx(const int* dstRect, IImage* src, const int* srcRect, int flags) {
    const CImage* source = Unwrap<CImage>(src);
    if (source == nullptr) return 1;
    const std::optional<platform::Rect> dst = RectFrom(dstRect);
    const std::optional<platform::Rect> from = RectFrom(srcRect);
    return image().Draw(dst ? &*dst : nullptr, *source, from ? &*from : nullptr, static_cast<unsigned>(flags) & 3u);
}

int ImageObject::DrawAtEx(IImage* src, int x, int y, int flags) {
    const CImage* source = Unwrap<CImage>(src);
    if (source == nullptr) return 1;
    return image().DrawAt(*source, x, y, static_cast<unsigned>(flags) & 3u);
}

int ImageObject::TargetQuery(int /*query*/) { return image().GetRenderTarget().UnsupportedTextOperation(); }

int ImageObject::SetFont(IFont* font) {
    image().SetFont(Unwrap<CFontWin32>(font));
    return 0;
}

int ImageObject::GetFont(IFont** out) {
    StoreFound<FontObject>(out, image().GetFont());
    return 0;
}

int ImageObject::GetSize(int* width, int* height) {
    int w = 0, h = 0;
    image().GetSize(w, h);
    StoreInt(width, w);
    StoreInt(height, h);
    return 0;
}

int ImageObject::Resize(int width, int height) { return image().Resize(width, height); }

int ImageObject::GetTextExtent(IFont* font, const char* text, int length, int* size) {
    TextSize extent;
    int result = 0;
    const int usable = UsableLength(text, length);
    if (usable > 0) {
        CFontWin32* chosen = font != nullptr ? Unwrap<CFontWin32>(font) : image().GetFont();
        result = image().GetTextExtentWithFont(chosen, text, usable, extent);
    }
    if (size != nullptr) {
        size[0] = extent.cx;
        size[1] = extent.cy;
    }
    return result;
}

void ImageObject::DrawPolygon(const int* points, int count) {
    if (points == nullptr || count < 3) return;
    std::vector<platform::Point>& corners = Scratch<platform::Point>(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) corners[static_cast<size_t>(i)] = {points[2 * i], points[2 * i + 1]};
    image().DrawPolygon(corners);
}

int ImageObject::ClearPixels(const AppletPixelEntry* points, int count, int /*unused*/) {
    if (points == nullptr || count <= 0) return 0;
    std::vector<platform::Point>& spots = Scratch<platform::Point>(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) spots[static_cast<size_t>(i)] = {points[i].x, points[i].y};
    return image().ClearPixels(spots);
}

int ImageObject::SetPixels(const AppletPixelEntry* entries, int count, int /*unused*/) {
    if (entries == nullptr || count <= 0) return 0;
    std::vector<ColoredPoint>& items = Scratch<ColoredPoint>(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) items[static_cast<size_t>(i)] = {entries[i].x, entries[i].y, entries[i].colour};
    return image().SetPixels(items, LiveColors());
}

int ImageObject::SetTransparent(bool transparent) { return image().SetTransparent(transparent); }

int ImageObject::ReplaceColors(int count, const int* pairs) {
    const std::vector<ColorPair> list = ColorPairsFrom(count, pairs);
    if (list.empty()) return 0;
    return image().ReplaceColors(list);
}

int ImageObject::ReadPixels(const int* rect, AppletPixelBuffer* buffer, const int* position) {
    if (rect == nullptr || buffer == nullptr) return 1;
    PixelBuffer target = CoreBuffer(*buffer);
    return image().ReadPixels(*RectFrom(rect), target, PositionFrom(position));
}

int ImageObject::WritePixels(const int* rect, const AppletPixelBuffer* buffer, const int* position) {
    if (rect == nullptr || buffer == nullptr) return 1;
    return image().WritePixels(*RectFrom(rect), CoreBuffer(*buffer), PositionFrom(position));
}

IImage* MakeImageObject(CImage* image) { return image != nullptr ? new ImageObject(image) : nullptr; }
