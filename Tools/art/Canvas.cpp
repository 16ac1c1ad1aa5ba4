#include "art/Canvas.h"

#include <algorithm>
#include <cmath>

#include "art/FontCache.h"

namespace art {

namespace {

constexpr int kSubRows = 4;

struct Crossing {
    float x;
    int direction;
};

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)),
      pixels_(static_cast<size_t>(width_) * height_, kKey) {}

void Canvas::Set(int x, int y, uint32_t colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    if ((colour & 0xFFFFFF) == kKey) ++faults_;
    pixels_[static_cast<size_t>(y) * width_ + x] = colour & 0xFFFFFF;
}

void Canvas::Clear(uint32_t colour) {
    if ((colour & 0xFFFFFF) != kKey) std::fill(pixels_.begin(), pixels_.end(), colour & 0xFFFFFF);
    else std::fill(pixels_.begin(), pixels_.end(), kKey);
}

void Canvas::Put(int x, int y, uint32_t colour, float coverage) {
    uint32_t& pixel = pixels_[static_cast<size_t>(y) * width_ + x];
    if (pixel == kKey) {
        if (coverage >= 0.5f) pixel = colour;
        return;
    }
    uint32_t mixed = coverage >= 0.999f ? colour : Mix(pixel, colour, coverage);
    if (mixed == kKey) mixed = 0xFE00FE;
    pixel = mixed;
}

void Canvas::Rasterise(const Path& path, FillRule rule, const Paint& paint, Mode mode) {
    std::vector<float> coverage(static_cast<size_t>(width_) + 2);
    std::vector<Crossing> crossings;
    float top = 1e9f, bottom = -1e9f;
    for (const auto& figure : path.Figures())
        for (const PointF& p : figure) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    const int firstRow = std::max(0, static_cast<int>(std::floor(top)));
    const int lastRow = std::min(height_ - 1, static_cast<int>(std::ceil(bottom)));
    for (int y = firstRow; y <= lastRow; ++y) {
        std::fill(coverage.begin(), coverage.end(), 0.0f);
        float spanLeft = 1e9f, spanRight = -1e9f;
        for (int sub = 0; sub < kSubRows; ++sub) {
            const float sy = static_cast<float>(y) + (static_cast<float>(sub) + 0.5f) / kSubRows;
            crossings.clear();
            for (const auto& figure : path.Figures()) {
                for (size_t i = 0; i < figure.size(); ++i) {
                    const PointF a = figure[i], b = figure[(i + 1) % figure.size()];
                    if ((a.y <= sy) == (b.y <= sy)) continue;
                    const float t = (sy - a.y) / (b.y - a.y);
                    crossings.push_back({a.x + t * (b.x - a.x), b.y > a.y ? 1 : -1});
                }
            }
            std::sort(crossings.begin(), crossings.end(), [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
            int winding = 0;
            for (size_t i = 0; i + 1 < crossings.size(); ++i) {
                winding += rule == FillRule::EvenOdd ? 1 : crossings[i].direction;
                const bool inside = rule == FillRule::EvenOdd ? (winding & 1) != 0 : winding != 0;
                if (!inside) continue;
                const float x0 = std::clamp(crossings[i].x, 0.0f, static_cast<float>(width_));
                const float x1 = std::clamp(crossings[i + 1].x, 0.0f, static_cast<float>(width_));
                if (x1 <= x0) continue;
                spanLeft = std::min(spanLeft, x0), spanRight = std::max(spanRight, x1);
                const int c0 = static_cast<int>(x0), c1 = static_cast<int>(x1);
                if (c0 == c1) {
                    coverage[c0] += (x1 - x0) / kSubRows;
                    continue;
                }
                coverage[c0] += (static_cast<float>(c0 + 1) - x0) / kSubRows;
                for (int c = c0 + 1; c < c1; ++c) coverage[c] += 1.0f / kSubRows;
                coverage[c1] += (x1 - static_cast<float>(c1)) / kSubRows;
            }
        }
        if (spanRight < spanLeft) continue;
        const int from = static_cast<int>(spanLeft), to = std::min(width_ - 1, static_cast<int>(spanRight));
        for (int x = from; x <= to; ++x) {
            const float c = std::min(coverage[x], 1.0f);
            if (c <= 0.001f) continue;
            if (mode == Mode::Erase) {
                if (c >= 0.5f) pixels_[static_cast<size_t>(y) * width_ + x] = kKey;
                continue;
            }
            uint32_t colour = paint.At(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            if (colour == kKey) {
                // A gradient passing through the key is moved off it; a solid key is a mistake.
                if (paint.IsKey()) {
                    ++faults_;
                } else {
                    colour = 0xFE00FE;
                }
            }
            Put(x, y, colour, c);
        }
    }
}

void Canvas::Fill(const Path& path, const Paint& paint, FillRule rule) { Rasterise(path, rule, paint, Mode::Paint); }

void Canvas::Erase(const Path& path) { Rasterise(path, FillRule::NonZero, Paint::Solid(0), Mode::Erase); }

void Canvas::Line(float x0, float y0, float x1, float y1, float width, uint32_t colour) {
    Path p;
    p.MoveTo(x0, y0);
    p.LineTo(x1, y1);
    Outline(p, width, colour);
}

void Canvas::Draw(const Canvas& other, int x, int y, int scale) {
    for (int sy = 0; sy < other.height_; ++sy)
        for (int sx = 0; sx < other.width_; ++sx) {
            const uint32_t c = other.At(sx, sy);
            if (c == kKey) continue;
            for (int ry = 0; ry < scale; ++ry)
                for (int rx = 0; rx < scale; ++rx) {
                    const int dx = x + sx * scale + rx, dy = y + sy * scale + ry;
                    if (dx < 0 || dy < 0 || dx >= width_ || dy >= height_) continue;
                    pixels_[static_cast<size_t>(dy) * width_ + dx] = c;
                }
        }
}

int Canvas::Text(int x, int y, std::string_view text, const TextStyle& style, uint32_t colour) {
    platform::Font* font = FontCache::Get(style);
    if (font == nullptr) return 0;
    const int ascent = font->Metrics().ascent;
    int pen = x;
    for (const char ch : text) {
        const platform::Glyph& g = font->GetGlyph(static_cast<uint8_t>(ch));
        const int gx = pen + g.left, gy = y + ascent - g.top;
        for (int row = 0; row < g.height; ++row)
            for (int col = 0; col < g.width; ++col)
                if (g.bits[static_cast<size_t>(row) * g.width + col] != 0) Set(gx + col, gy + row, colour);
        pen += g.advance;
    }
    return pen - x;
}

int Canvas::OutlinedText(int x, int y, std::string_view text, const TextStyle& style, uint32_t colour, uint32_t outline) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx != 0 || dy != 0) Text(x + dx, y + dy, text, style, outline);
    return Text(x, y, text, style, colour);
}

int Canvas::TextWidth(std::string_view text, const TextStyle& style) {
    platform::Font* font = FontCache::Get(style);
    if (font == nullptr) return 0;
    int width = 0;
    for (const char ch : text) width += font->GetGlyph(static_cast<uint8_t>(ch)).advance;
    return width;
}

int Canvas::TextHeight(const TextStyle& style) {
    platform::Font* font = FontCache::Get(style);
    return font == nullptr ? 0 : font->Metrics().height;
}

}  // namespace art
