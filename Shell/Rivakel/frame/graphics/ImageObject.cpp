#include "frame/graphics/ImageObject.h"

#include <array>
#include <cstring>
#include <optional>

#include "core/base/Log.h"
#include "core/text/CFont.h"
#include "frame/api/AppletResults.h"
#include "frame/boundary/AppletArguments.h"
#include "frame/boundary/PixelBuffers.h"
#include "frame/graphics/FontObject.h"
#include "frame/graphics/GraphicsObjects.h"

namespace {

std::optional<platform::Rect> RectFrom(const int* rect) {
    if (rect == nullptr) return std::nullopt;
    return platform::Rect{rect[0], rect[1], rect[2], rect[3]};
}

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

// The shell's own record of a buffer a game hands back; nullopt (logged) for one it did not make.
std::optional<PixelBuffer> ShellBuffer(const AppletPixelBuffer* buffer, const char* operation) {
    const std::optional<AppletPixelBuffer> made = GamePixelBuffers().Find(buffer);
    if (!made) {
        Error("Error - a pixel buffer the shell did not make was passed to IImage::%s", operation);
        return std::nullopt;
    }
    return PixelBuffer{made->colourKey, made->width, made->height, made->pixels};
}

platform::Point PositionFrom(const int* position) {
    return position != nullptr ? platform::Point{position[0], position[1]} : platform::Point{0, 0};
}

// Particle effects pass tens of thousands of entries every tick: they are taken in blocks of
// this many, so no copy of the whole list is ever made.
constexpr int kEntryBlock = 1024;

template <class Item, class Convert, class Apply>
void InBlocks(const AppletPixelEntry* entries, int count, Convert convert, Apply apply) {
    std::array<Item, kEntryBlock> items;
    for (int first = 0; first < count; first += kEntryBlock) {
        const int n = std::min(kEntryBlock, count - first);
        for (int i = 0; i < n; ++i) items[static_cast<size_t>(i)] = convert(entries[first + i]);
        apply(std::span<const Item>(items.data(), static_cast<size_t>(n)));
    }
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

int ImageObject::SetCurColor(int r, int g, int b) {
    return image().SetCurColor(ColourChannel(r), ColourChannel(g), ColourChannel(b));
}

int ImageObject::GetCurColor(int* r, int* g, int* b) {
    StoreColor(image().GetCurColor(), r, g, b);
    return 0;
}

int ImageObject::SetTextColor(int r, int g, int b) {
    return image().SetTextColor(ColourChannel(r), ColourChannel(g), ColourChannel(b));
}

int ImageObject::GetTextColor(int* r, int* g, int* b) {
    StoreColor(image().GetTextColor(), r, g, b);
    return 0;
}

int ImageObject::SetBackgroundColor(int r, int g, int b) {
    return image().SetBackgroundColor(ColourChannel(r), ColourChannel(g), ColourChannel(b));
}

int ImageObject::GetBackgroundColor(int* r, int* g, int* b) {
    StoreColor(image().GetBackgroundColor(), r, g, b);
    return 0;
}

int ImageObject::ClearToColor(int r, int g, int b) {
    return image().ClearToColor(ColourChannel(r), ColourChannel(g), ColourChannel(b));
}

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
    image().SetFont(Unwrap<CFont>(font));
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
        CFont* chosen = font != nullptr ? Unwrap<CFont>(font) : image().GetFont();
        result = image().GetTextExtentWithFont(chosen, text, usable, extent);
    }
    if (size != nullptr) {
        size[0] = extent.cx;
        size[1] = extent.cy;
    }
    return result;
}

void ImageObject::DrawPolygon(const int* points, int count) {
    if (points == nullptr || count < 3 || !CountAccepted(count, kMaxPolygonPoints, "IImage::DrawPolygon")) return;
    std::vector<platform::Point> corners(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) corners[static_cast<size_t>(i)] = {points[2 * i], points[2 * i + 1]};
    image().DrawPolygon(corners);
}

int ImageObject::ClearPixels(const AppletPixelEntry* points, int count, int /*unused*/) {
    if (points == nullptr || count <= 0) return 0;
    if (!CountAccepted(count, kMaxPixelEntries, "IImage::ClearPixels")) return applet::kUnknownObject;
    InBlocks<platform::Point>(
        points, count, [](const AppletPixelEntry& entry) { return platform::Point{entry.x, entry.y}; },
        [this](std::span<const platform::Point> spots) { image().ClearPixels(spots); });
    return 0;
}

int ImageObject::SetPixels(const AppletPixelEntry* entries, int count, int /*unused*/) {
    if (entries == nullptr || count <= 0) return 0;
    if (!CountAccepted(count, kMaxPixelEntries, "IImage::SetPixels")) return applet::kUnknownObject;
    InBlocks<ColoredPoint>(
        entries, count, [](const AppletPixelEntry& entry) { return ColoredPoint{entry.x, entry.y, entry.colour}; },
        [this](std::span<const ColoredPoint> items) { image().SetPixels(items); });
    return 0;
}

int ImageObject::SetTransparent(bool transparent) { return image().SetTransparent(transparent); }

int ImageObject::ReplaceColors(int count, const int* pairs) {
    return ReplaceColoursIn(image(), count, pairs, "IImage::ReplaceColors");
}

int ImageObject::ReadPixels(const int* rect, AppletPixelBuffer* buffer, const int* position) {
    if (rect == nullptr || buffer == nullptr) return 1;
    std::optional<PixelBuffer> target = ShellBuffer(buffer, "ReadPixels");
    if (!target) return applet::kUnknownObject;
    return image().ReadPixels(*RectFrom(rect), *target, PositionFrom(position));
}

int ImageObject::WritePixels(const int* rect, const AppletPixelBuffer* buffer, const int* position) {
    if (rect == nullptr || buffer == nullptr) return 1;
    const std::optional<PixelBuffer> source = ShellBuffer(buffer, "WritePixels");
    if (!source) return applet::kUnknownObject;
    return image().WritePixels(*RectFrom(rect), *source, PositionFrom(position));
}

IImage* MakeImageObject(CImage* image) { return image != nullptr ? new ImageObject(image) : nullptr; }
