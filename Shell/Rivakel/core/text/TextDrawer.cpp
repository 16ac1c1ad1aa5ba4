#include "core/text/TextDrawer.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "platform/TextLayout.h"

namespace {

using platform::Rect;

int ClampToInt(int64_t value) { return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX)); }

// Fills [left, right) x [top, bottom), given in 64 bits so that no position can overflow.
void FillClipped(platform::PixelView target, const Rect& clip, int64_t left, int64_t top, int64_t right,
                 int64_t bottom, uint32_t colour) {
    const int x0 = ClampToInt(std::max<int64_t>(left, clip.left));
    const int x1 = ClampToInt(std::min<int64_t>(right, clip.right));
    const int y0 = ClampToInt(std::max<int64_t>(top, clip.top));
    const int y1 = ClampToInt(std::min<int64_t>(bottom, clip.bottom));
    if (x0 >= x1 || y0 >= y1) return;
    for (int y = y0; y < y1; ++y) std::fill(target.Row(y) + x0, target.Row(y) + x1, colour);
}

void DrawGlyph(platform::PixelView target, const Rect& clip, int64_t originX, int64_t originY,
               const platform::Glyph& glyph, uint32_t colour) {
    const int64_t gx = originX + glyph.left;
    const int64_t gy = originY - glyph.top;
    const int x0 = ClampToInt(std::max<int64_t>(0, clip.left - gx));
    const int x1 = ClampToInt(std::min<int64_t>(glyph.width, clip.right - gx));
    const int y0 = ClampToInt(std::max<int64_t>(0, clip.top - gy));
    const int y1 = ClampToInt(std::min<int64_t>(glyph.height, clip.bottom - gy));
    if (x0 >= x1 || y0 >= y1) return;
    // From here gx + x and gy + y lie inside the clip, so they fit in int.
    for (int y = y0; y < y1; ++y) {
        const uint8_t* bits = glyph.bits.data() + static_cast<size_t>(y) * glyph.width;
        uint32_t* row = target.Row(static_cast<int>(gy + y)) + static_cast<int>(gx);
        for (int x = x0; x < x1; ++x) {
            if (bits[x] != 0) row[x] = colour;
        }
    }
}

}  // namespace

int TextExtent(platform::Font& font, std::string_view cp1252) {
    int64_t width = 0;
    for (char ch : cp1252) width += font.GetGlyph(static_cast<uint8_t>(ch)).advance;
    return ClampToInt(width);
}

void DrawText(platform::PixelView target, platform::Rect clip, platform::Point cell, std::string_view cp1252,
              platform::Font& font, const TextStyle& style) {
    if (target.pixels == nullptr || cp1252.empty()) return;
    const Rect bounds{std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, target.width),
                      std::min(clip.bottom, target.height)};
    if (bounds.Empty()) return;

    const platform::FontMetrics& metrics = font.Metrics();
    const int64_t top = cell.y;
    const int64_t baseline = top + metrics.ascent;
    const int64_t left = cell.x;
    int64_t right = left;
    if (style.background || style.underline || style.strikeOut) right += TextExtent(font, cp1252);
    if (style.background) FillClipped(target, bounds, left, top, right, top + metrics.height, *style.background);

    std::vector<int> origins;
    platform::LayOutRun(font, cp1252, origins);
    for (size_t i = 0; i < cp1252.size(); ++i) {
        const platform::Glyph& glyph = font.GetGlyph(static_cast<uint8_t>(cp1252[i]));
        const int64_t pen = left + origins[i];
        if (pen + glyph.left + glyph.width > bounds.left && pen + glyph.left < bounds.right) {
            DrawGlyph(target, bounds, pen, baseline, glyph, style.colour);
        }
    }

    const int thickness = std::max(1, metrics.underlineThickness);
    if (style.underline) {
        const int64_t y = baseline + metrics.underlinePosition;
        FillClipped(target, bounds, left, y, right, y + thickness, style.colour);
    }
    if (style.strikeOut) {
        const int64_t y = baseline - metrics.strikeOutPosition;
        FillClipped(target, bounds, left, y, right, y + thickness, style.colour);
    }
}
