#include "core/graphics/RenderTarget.h"

#include <algorithm>
#include <cstring>

#include "core/base/Log.h"
#include "core/graphics/Raster.h"
#include "core/text/TextDrawer.h"

namespace {

uint32_t Pack(uint8_t r, uint8_t g, uint8_t b) { return (uint32_t{r} << 16) | (uint32_t{g} << 8) | b; }

void CopyRowKeyed(uint32_t* __restrict out, const uint32_t* __restrict in, int count) {
    // Written as a select so the compiler turns it into vector blends.
    for (int i = 0; i < count; ++i) {
        const uint32_t v = in[i];
        out[i] = v == CRenderTarget::kColorKey ? out[i] : v;
    }
}

void GatherRow(uint32_t* __restrict out, const uint32_t* __restrict in, const int* map, int count) {
    for (int i = 0; i < count; ++i) out[i] = in[map[i]];
}

void GatherRowKeyed(uint32_t* __restrict out, const uint32_t* __restrict in, const int* map, int count) {
    for (int i = 0; i < count; ++i) {
        const uint32_t v = in[map[i]];
        out[i] = v == CRenderTarget::kColorKey ? out[i] : v;
    }
}

// One axis of a block copy between a picture and a buffer: offsets i with both ends inside.
struct BlockAxis {
    int64_t first = 0, last = 0;
};

BlockAxis ClipBlock(int64_t rectLo, int64_t rectHi, int pictureSize, int64_t bufferPos, int bufferSize) {
    BlockAxis axis;
    axis.first = std::max<int64_t>({0, -rectLo, -bufferPos});
    axis.last = std::min<int64_t>({rectHi - rectLo, pictureSize - rectLo, bufferSize - bufferPos});
    return axis;
}

size_t TextLength(const char* text, int length) {
    if (!text) return 0;
    const size_t limit = length < 0 ? SIZE_MAX : static_cast<size_t>(length);
    return strnlen(text, limit);
}

}  // namespace

CRenderTarget::CRenderTarget(int width, int height, unsigned flags) : keyed_((flags & kFlagColorKeyed) != 0) {
    background_ = keyed_ ? ColorRGB{255, 0, 255} : ColorRGB{0, 0, 0};
    backgroundBrush_ = CBrushCache::Shared().Get(background_.Value());
    SetCurColor(255, 255, 255);
    if (Resize(width, height) != 0) Error("Error creating a %dx%d picture in CRenderTarget::CRenderTarget", width, height);
}

int CRenderTarget::Resize(int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
        int64_t{width} * height > kMaxPixels) {
        return 1;
    }
    std::vector<uint32_t> store(static_cast<size_t>(width) * height, background_.Value());
    const int keepW = std::min(width, width_), keepH = std::min(height, height_);
    for (int y = 0; y < keepH; ++y) std::memcpy(&store[static_cast<size_t>(y) * width], RowPtr(y), keepW * 4u);
    pixels_.swap(store);
    width_ = width;
    height_ = height;
    return 0;
}

platform::PixelView CRenderTarget::Lock() { return {pixels_.data(), width_, height_, width_}; }

void CRenderTarget::PlotPen(int64_t x, int64_t y) {
    for (int64_t py = y; py < y + penWidth_; ++py) {
        if (py < 0 || py >= height_) continue;
        for (int64_t px = x; px < x + penWidth_; ++px) {
            if (px >= 0 && px < width_) Plot(static_cast<int>(px), static_cast<int>(py), pen_.colour);
        }
    }
}

int CRenderTarget::DrawLine(int x1, int y1, int x2, int y2) {
    if (pixels_.empty()) return 0;
    const int64_t margin = penWidth_ - 1;
    raster::VisitLine(x1, y1, x2, y2, {-margin, width_, -margin, height_},
                      [this](int64_t x, int64_t y) { PlotPen(x, y); });
    return 0;
}

int CRenderTarget::FrameRect(int l, int t, int r, int b) {
    // Drawn round the rectangle so that, with each line's last pixel left out, every corner is set.
    DrawLine(l, t, r, t);
    DrawLine(r, t, r, b);
    DrawLine(r, b, l, b);
    DrawLine(l, b, l, t);
    return 0;
}

void CRenderTarget::FillSpan(int y, int64_t x0, int64_t x1, uint32_t colour) {
    x0 = std::max<int64_t>(x0, 0);
    x1 = std::min<int64_t>(x1, width_);
    if (x0 >= x1 || y < 0 || y >= height_) return;
    std::fill(RowPtr(y) + x0, RowPtr(y) + x1, colour);
}

int CRenderTarget::FillRect(int l, int t, int r, int b) {
    if (r < l || b < t || pixels_.empty()) return 0;
    const int top = std::max(t, 0), bottom = std::min(b, height_);
    for (int y = top; y < bottom; ++y) FillSpan(y, l, r, currentBrush_.colour);
    return 0;
}

int CRenderTarget::UnsupportedOperation() {
    Warning("Unsupported operation called on CRenderTarget");
    return 2;
}

int CRenderTarget::UnsupportedTextOperation() { return 2; }

int CRenderTarget::SetCurColor(uint8_t r, uint8_t g, uint8_t b) {
    current_ = {r, g, b};
    pen_ = CPenCache::Shared().Get(PenStyle::Solid, penWidth_, current_.Value());
    currentBrush_ = CBrushCache::Shared().Get(current_.Value());
    return 0;
}

int CRenderTarget::SetTextColor(uint8_t r, uint8_t g, uint8_t b) {
    text_ = {r, g, b};
    return 0;
}

int CRenderTarget::SetBackgroundColor(uint8_t r, uint8_t g, uint8_t b) {
    background_ = {r, g, b};
    backgroundBrush_ = CBrushCache::Shared().Get(background_.Value());
    return 0;
}

int CRenderTarget::ClearToColor(uint8_t r, uint8_t g, uint8_t b) {
    const Brush brush = CBrushCache::Shared().Get(Pack(r, g, b));
    std::fill(pixels_.begin(), pixels_.end(), brush.colour);
    return 0;
}

int CRenderTarget::ClearToBackground() { return ClearToColor(background_.r, background_.g, background_.b); }

int CRenderTarget::Blit(const platform::Rect* dstRect, const CRenderTarget& source, const platform::Rect* srcRect,
                        unsigned flags) {
    if (pixels_.empty() || source.pixels_.empty()) return 0;
    const platform::Rect src = srcRect ? *srcRect : platform::Rect{0, 0, source.width_, std::min(source.height_, height_)};
    const platform::Rect dst = dstRect ? *dstRect : platform::Rect{0, 0, width_, height_};
    const raster::AxisRun cols =
        raster::MapAxis(dst.left, dst.right, src.left, src.right, width_, source.width_, (flags & kBlitMirrorX) != 0);
    if (cols.src.empty()) return 0;
    const raster::AxisRun rows =
        raster::MapAxis(dst.top, dst.bottom, src.top, src.bottom, height_, source.height_, (flags & kBlitMirrorY) != 0);
    if (rows.src.empty()) return 0;

    std::vector<uint32_t> selfCopy;
    const uint32_t* srcPixels = source.pixels_.data();
    if (&source == this) {
        selfCopy = pixels_;
        srcPixels = selfCopy.data();
    }
    const int count = cols.Count();
    for (int j = 0; j < rows.Count(); ++j) {
        uint32_t* out = RowPtr(rows.dstStart + j) + cols.dstStart;
        const uint32_t* in = srcPixels + static_cast<size_t>(rows.src[j]) * source.width_;
        if (cols.contiguous) {
            if (source.keyed_) CopyRowKeyed(out, in + cols.src[0], count);
            else std::memcpy(out, in + cols.src[0], count * sizeof(uint32_t));
        } else if (source.keyed_) {
            GatherRowKeyed(out, in, cols.src.data(), count);
        } else {
            GatherRow(out, in, cols.src.data(), count);
        }
    }
    return 0;
}

int CRenderTarget::BlitAt(const CRenderTarget& source, int x, int y, unsigned flags) {
    const int64_t right = std::min<int64_t>(int64_t{x} + source.width_, width_);
    const int64_t bottom = std::min<int64_t>(int64_t{y} + source.height_, height_);
    if (right <= x || bottom <= y) return 0;
    const platform::Rect dst{x, y, static_cast<int>(right), static_cast<int>(bottom)};
    const platform::Rect src{0, 0, static_cast<int>(right - x), static_cast<int>(bottom - y)};
    return Blit(&dst, source, &src, flags);
}

int CRenderTarget::DrawText(const TextFont& font, int x, int y, const platform::Rect& clip, const char* text,
                            int length, bool transparent) {
    const size_t len = TextLength(text, length);
    if (len == 0 || !font.font || pixels_.empty()) return 0;
    const platform::Rect box{std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, width_),
                             std::min(clip.bottom, height_)};
    if (box.Empty()) return 0;
    TextStyle style;
    style.colour = text_.Value();
    if (!transparent) style.background = background_.Value();
    style.underline = font.underline;
    style.strikeOut = font.strikeOut;
    ::DrawText(Lock(), box, {x, y}, std::string_view(text, len), *font.font, style);
    return 0;
}

int CRenderTarget::GetTextExtent(const TextFont& font, const char* text, int length, TextSize& size) const {
    size = {};
    if (!font.font) return 1;
    size.cx = TextExtent(*font.font, std::string_view(text ? text : "", TextLength(text, length)));
    size.cy = font.font->Metrics().height;
    return 0;
}

int CRenderTarget::SetThickPen() {
    penWidth_ = 2;
    pen_ = CPenCache::Shared().Get(PenStyle::Solid, penWidth_, current_.Value());
    return 0;
}

int CRenderTarget::ReplaceColors(std::span<const ColorPair> pairs) {
    if (pairs.empty()) return 0;
    for (uint32_t& pixel : pixels_) {
        if (pixel == kColorKey) continue;
        for (const ColorPair& pair : pairs) {
            if (pixel == (pair.from & 0xFFFFFFu)) {
                pixel = pair.to & 0xFFFFFFu;
                break;
            }
        }
    }
    return 0;
}

int CRenderTarget::ClearPixels(std::span<const platform::Point> points) {
    for (const platform::Point& p : points) {
        if (p.x >= 0 && p.x < width_ && p.y >= 0 && p.y < height_) Plot(p.x, p.y, 0);
    }
    return 0;
}

int CRenderTarget::SetPixels(std::span<const ColoredPoint> items) {
    for (const ColoredPoint& item : items) {
        if (item.x < 0 || item.x >= width_ || item.y < 0 || item.y >= height_) continue;
        Plot(item.x, item.y, item.colour & 0xFFFFFFu);
    }
    return 0;
}

int CRenderTarget::ReadPixels(const platform::Rect& rect, PixelBuffer& buffer, platform::Point position) const {
    if (!buffer.pixels || buffer.width <= 0 || buffer.height <= 0) return 1;
    const BlockAxis xs = ClipBlock(rect.left, rect.right, width_, position.x, buffer.width);
    const BlockAxis ys = ClipBlock(rect.top, rect.bottom, height_, position.y, buffer.height);
    if (xs.first >= xs.last) return 0;
    for (int64_t j = ys.first; j < ys.last; ++j) {
        const uint32_t* in = RowPtr(static_cast<int>(rect.top + j)) + (rect.left + xs.first);
        uint32_t* out = buffer.pixels + ((position.y + j) * buffer.width + position.x + xs.first);
        std::memcpy(out, in, static_cast<size_t>(xs.last - xs.first) * sizeof(uint32_t));
    }
    return 0;
}

int CRenderTarget::WritePixels(const platform::Rect& rect, const PixelBuffer& buffer, platform::Point position) {
    if (!buffer.pixels || buffer.width <= 0 || buffer.height <= 0) return 1;
    const BlockAxis xs = ClipBlock(rect.left, rect.right, width_, position.x, buffer.width);
    const BlockAxis ys = ClipBlock(rect.top, rect.bottom, height_, position.y, buffer.height);
    for (int64_t j = ys.first; j < ys.last; ++j) {
        uint32_t* out = RowPtr(static_cast<int>(rect.top + j));
        const uint32_t* in = buffer.pixels + (position.y + j) * buffer.width;
        for (int64_t i = xs.first; i < xs.last; ++i) {
            const uint32_t v = in[position.x + i];
            if (v != buffer.colourKey) out[rect.left + i] = v & 0xFFFFFFu;
        }
    }
    return 0;
}
