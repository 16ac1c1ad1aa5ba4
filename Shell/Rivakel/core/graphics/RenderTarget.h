// The pixel store and drawing operations behind one picture: 32-bit 0xRRGGBB pixels in memory.
//
// Every operation clips exactly to the picture whatever coordinates it is given (negative,
// inverted, INT_MIN/INT_MAX): a clipped shape has the same pixels as the unclipped one would
// have inside the picture. Rectangles have exclusive right and bottom edges.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/graphics/ColorConversion.h"
#include "core/graphics/PenCache.h"
#include "core/graphics/PixelBuffer.h"
#include "platform/Platform.h"

struct ColorPair {
    uint32_t from = 0, to = 0;  // 0xRRGGBB
};

struct ColoredPoint {
    int x = 0, y = 0;
    uint32_t colour = 0;  // 0xRRGGBB; higher bits are ignored
};

struct TextSize {
    int cx = 0, cy = 0;
};

// A platform font with the style bits that the text drawer renders itself.
struct TextFont {
    platform::Font* font = nullptr;
    bool underline = false;
    bool strikeOut = false;
};

class CRenderTarget {
public:
    static constexpr uint32_t kColorKey = 0xFF00FF;
    static constexpr unsigned kFlagColorKeyed = 1;
    static constexpr unsigned kBlitMirrorX = 1;
    static constexpr unsigned kBlitMirrorY = 2;
    // Largest side and pixel count a picture may have.
    static constexpr int kMaxSide = 32768;
    static constexpr int64_t kMaxPixels = int64_t{1} << 26;

    // A size that cannot be had leaves a 0x0 picture on which every operation does nothing.
    CRenderTarget(int width, int height, unsigned flags);
    CRenderTarget(const CRenderTarget&) = delete;
    CRenderTarget& operator=(const CRenderTarget&) = delete;

    // Lines leave out their last pixel; thick pens draw two pixels wide.
    int DrawLine(int x1, int y1, int x2, int y2);
    // Outlines columns l..r and rows t..b.
    int FrameRect(int l, int t, int r, int b);
    // Fills [l, r) x [t, b) in the current colour when r >= l and b >= t.
    int FillRect(int l, int t, int r, int b);
    int UnsupportedOperation();  // 2

    int SetCurColor(uint8_t r, uint8_t g, uint8_t b);
    ColorRGB GetCurColor() const { return current_; }
    int SetTextColor(uint8_t r, uint8_t g, uint8_t b);
    ColorRGB GetTextColor() const { return text_; }
    int SetBackgroundColor(uint8_t r, uint8_t g, uint8_t b);
    ColorRGB GetBackgroundColor() const { return background_; }
    int ClearToColor(uint8_t r, uint8_t g, uint8_t b);
    int ClearToBackground();

    // Copies `srcRect` of `source` (null: all of it, no taller than this picture) onto `dstRect`
    // (null: this whole picture), stretching nearest-neighbour when the sizes differ. Keyed sources
    // leave out their key pixels; flags mirror left-right and up-down. A rectangle that is empty
    // or inverted draws nothing. `source` may be this picture.
    int Blit(const platform::Rect* dstRect, const CRenderTarget& source, const platform::Rect* srcRect,
             unsigned flags);
    int BlitAt(const CRenderTarget& source, int x, int y, unsigned flags);

    // `length` is cut at the text's end; a negative length means the whole text.
    int DrawText(const TextFont& font, int x, int y, const platform::Rect& clip, const char* text, int length,
                 bool transparent);
    int GetTextExtent(const TextFont& font, const char* text, int length, TextSize& size) const;
    int UnsupportedTextOperation();  // 2

    int SetThickPen();
    // The ellipse inscribed in [l, r) x [t, b): outline in the pen, inside in the background colour.
    int DrawEllipse(int l, int t, int r, int b);
    // Outline in the pen; inside (even-odd) in the background colour or the current colour.
    int DrawPolygonBackground(std::span<const platform::Point> points);
    int DrawPolygon(std::span<const platform::Point> points);

    // Key pixels are left alone; the first matching pair wins.
    int ReplaceColors(std::span<const ColorPair> pairs);
    int ClearPixels(std::span<const platform::Point> points);
    int SetPixels(std::span<const ColoredPoint> items);
    // Copy `rect` of this picture to `buffer` at `position`, or back. Both are clipped to the
    // picture and the buffer; a write leaves out buffer pixels equal to the buffer's key.
    int ReadPixels(const platform::Rect& rect, PixelBuffer& buffer, platform::Point position) const;
    int WritePixels(const platform::Rect& rect, const PixelBuffer& buffer, platform::Point position);

    int GetPitch() const { return width_ * 4; }  // bytes per row
    int GetDepth() const { return 32; }
    platform::PixelView Lock();
    void Unlock() {}
    int Width() const { return width_; }
    int Height() const { return height_; }
    // 0; 1 (old store kept) for a size that cannot be had.
    int Resize(int width, int height);
    bool IsColorKeyed() const { return keyed_; }
    const Pen& CurrentPen() const { return pen_; }

    const uint32_t* Pixels() const { return pixels_.data(); }
    uint32_t Pixel(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

private:
    void Plot(int x, int y, uint32_t colour) { pixels_[static_cast<size_t>(y) * width_ + x] = colour; }
    void PlotPen(int64_t x, int64_t y);
    void FillSpan(int y, int64_t x0, int64_t x1, uint32_t colour);
    void FillPolygon(std::span<const platform::Point> points, uint32_t colour);
    void DrawPolyline(std::span<const platform::Point> points);
    uint32_t* RowPtr(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const uint32_t* RowPtr(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }

    int width_ = 0, height_ = 0;
    bool keyed_ = false;
    ColorRGB background_;
    ColorRGB current_{255, 255, 255};
    ColorRGB text_;
    Pen pen_;
    Brush currentBrush_;
    Brush backgroundBrush_;
    int penWidth_ = 1;
    std::vector<uint32_t> pixels_;
};
