#include "PellawickLook.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "PellawickPalette.h"
#include "art/Paint.h"
#include "art/Path.h"

namespace pellawick_art {

using art::Canvas;
using art::Paint;
using art::Path;

namespace {

// Colours as points of the space ColourDistance measures in.
struct Point3 {
    float r, g, b;
};

Point3 Weighted(uint32_t colour) {
    return {1.7320508f * static_cast<float>((colour >> 16) & 0xFF), 2.0f * static_cast<float>((colour >> 8) & 0xFF),
            1.4142136f * static_cast<float>(colour & 0xFF)};
}

// The squared distance from p to the segment a-b, and where along it (0 at a, 1 at b) it is nearest.
float SegmentDistance(Point3 p, Point3 a, Point3 b, float& along) {
    const Point3 ab{b.r - a.r, b.g - a.g, b.b - a.b}, ap{p.r - a.r, p.g - a.g, p.b - a.b};
    const float length = ab.r * ab.r + ab.g * ab.g + ab.b * ab.b;
    along = length > 0 ? std::clamp((ap.r * ab.r + ap.g * ab.g + ap.b * ab.b) / length, 0.0f, 1.0f) : 0;
    const Point3 d{ap.r - along * ab.r, ap.g - along * ab.g, ap.b - along * ab.b};
    return d.r * d.r + d.g * d.g + d.b * d.b;
}

// A swapped colour wins over the nearest plain one only when it is this much nearer (squared).
constexpr float kClearly = 0.25f;

}  // namespace

void SnapTo(Canvas& c, std::span<const uint32_t> plain, std::span<const TonePair> swapped) {
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            const uint32_t pixel = c.At(x, y);
            if (pixel == art::kKey) continue;
            uint32_t best = plain.front();
            for (const uint32_t colour : plain) {
                if (art::ColourDistance(pixel, colour) < art::ColourDistance(pixel, best)) best = colour;
            }
            const float plainDistance = static_cast<float>(art::ColourDistance(pixel, best));
            float bestSwapped = plainDistance * kClearly;
            for (const TonePair& pair : swapped) {
                float along = 0;
                const float d = SegmentDistance(Weighted(pixel), Weighted(pair[0]), Weighted(pair[1]), along);
                if (d < bestSwapped) {
                    bestSwapped = d;
                    best = along < 0.5f ? pair[0] : pair[1];
                }
            }
            if (best != pixel) c.Set(x, y, best);
        }
    }
}

void DrawScaled(Canvas& c, const Canvas& picture, int x, int y, int scale) {
    for (int py = 0; py < picture.Height(); ++py)
        for (int px = 0; px < picture.Width(); ++px) {
            const uint32_t colour = picture.At(px, py);
            if (colour == art::kKey) continue;
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx) c.Set(x + px * scale + dx, y + py * scale + dy, colour);
        }
}

void LightText(Canvas& c, float cx, float top, std::string_view text, int height, uint32_t colour, float shift) {
    const art::TextStyle style{height, true};
    const int width = Canvas::TextWidth(text, style);
    Canvas mask(width + 4, Canvas::TextHeight(style) + 4);
    mask.Text(2, 2, text, style, kWhite);
    const float left = cx - static_cast<float>(width) / 2 - 2 + shift;
    // One bulb per 2x2 cell that the letters cover.
    for (int y = 0; y + 1 < mask.Height(); y += 2) {
        for (int x = 0; x + 1 < mask.Width(); x += 2) {
            int lit = 0;
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) lit += mask.At(x + dx, y + dy) == kWhite ? 1 : 0;
            if (lit < 2) continue;
            const float bx = left + static_cast<float>(x) + 1, by = top + static_cast<float>(y) + 1;
            c.Fill(Path::Ellipse(bx, by, 1.1f, 1.1f), colour);
            c.Set(static_cast<int>(bx) - 1, static_cast<int>(by) - 1, art::Shade(colour, 0.6f));
        }
    }
}

void Snack(Canvas& c, int food, float x, float y, float size) {
    const float s = size / 16.0f;
    const auto P = [&](std::initializer_list<art::PointF> points) {
        std::vector<art::PointF> placed;
        for (const art::PointF p : points) placed.push_back({x + p.x * s, y + p.y * s});
        return Path::Polygon(placed);
    };
    if (food == 0) {
        // A striped carton overflowing with popcorn.
        c.Fill(P({{2.5f, 6}, {13.5f, 6}, {12, 15.5f}, {4, 15.5f}}), kInk);
        c.Fill(P({{3.5f, 7}, {12.5f, 7}, {11.2f, 14.8f}, {4.8f, 14.8f}}), kWhite);
        for (const float sx : {5.0f, 8.0f, 11.0f})
            c.Fill(P({{sx - 0.9f, 7}, {sx + 0.9f, 7}, {sx + 0.4f - (sx - 8) * 0.1f, 14.8f}, {sx - 0.9f - (sx - 8) * 0.1f, 14.8f}}),
                   kStripeRed);
        const float kernels[][2] = {{4, 5}, {6.5f, 3.5f}, {9, 4}, {11.5f, 5}, {8, 2}, {5.5f, 6}, {10.5f, 6.5f}, {3.3f, 3.5f}};
        for (const auto& k : kernels) {
            c.Fill(Path::Ellipse(x + k[0] * s, y + k[1] * s, 2.0f * s, 1.7f * s), kPopcornShade);
            c.Fill(Path::Ellipse(x + (k[0] - 0.3f) * s, y + (k[1] - 0.3f) * s, 1.5f * s, 1.3f * s), kPopcorn);
        }
        return;
    }
    if (food == 1) {
        // A paper cup of cola with a lid and a straw.
        c.Line(x + 9 * s, y + 4 * s, x + 11.5f * s, y + 0.5f * s, 1.6f * s, kStripeRed);
        c.Fill(P({{3, 4}, {13, 4}, {11.5f, 15.5f}, {4.5f, 15.5f}}), kInk);
        c.Fill(P({{4, 5}, {12, 5}, {10.8f, 14.8f}, {5.2f, 14.8f}}),
               Paint::Linear(x + 4 * s, 0, x + 12 * s, 0, {{0, kWhite}, {1, 0xD9E4F0}}));
        c.Fill(P({{4.4f, 8}, {11.6f, 8}, {11.2f, 11}, {4.8f, 11}}), kIndigo);
        c.Fill(Path::RoundRect(x + 2.5f * s, y + 3.2f * s, 11 * s, 2.2f * s, 1 * s), 0xE8EEF5);
        c.Outline(Path::RoundRect(x + 2.5f * s, y + 3.2f * s, 11 * s, 2.2f * s, 1 * s), 0.6f, kInk);
        return;
    }
    // A hot dog in its bun with a wave of mustard.
    c.Fill(Path::RoundRect(x + 0.5f * s, y + 6 * s, 15 * s, 7.5f * s, 3.5f * s), kInk);
    c.Fill(Path::RoundRect(x + 1.5f * s, y + 7 * s, 13 * s, 5.5f * s, 2.8f * s), kBun);
    c.Fill(Path::RoundRect(x + 0.8f * s, y + 5.2f * s, 14.4f * s, 3.6f * s, 1.8f * s), kSausage);
    c.Line(x + 1.8f * s, y + 5.8f * s, x + 13 * s, y + 5.8f * s, 0.6f * s, art::Shade(kSausage, 0.35f));
    Path mustard;
    mustard.MoveTo(x + 2.5f * s, y + 7 * s);
    for (int i = 0; i < 5; ++i)
        mustard.QuadTo(x + (3.7f + 2.4f * static_cast<float>(i)) * s, y + (i % 2 == 0 ? 5.6f : 8.2f) * s,
                       x + (4.9f + 2.4f * static_cast<float>(i)) * s, y + 7 * s);
    c.Outline(mustard, 1.0f * s, kMustard);
    c.Fill(Path::RoundRect(x + 2.5f * s, y + 10.5f * s, 11 * s, 1.2f * s, 0.6f * s), art::Shade(kBun, -0.2f));
}

int LabelText(Canvas& c, int x, int y, std::string_view text, int height, uint32_t fill, uint32_t edge) {
    const art::TextStyle style{height, true};
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (dx * dx + dy * dy <= 5) c.Text(x + dx, y + dy + 1, text, style, edge);
    return c.Text(x, y, text, style, fill);
}

}  // namespace pellawick_art
