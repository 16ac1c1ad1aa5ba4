#include "GlimtideLook.h"

#include <cmath>

#include "GlimtidePalette.h"
#include "art/Paint.h"
#include "art/Path.h"

namespace glimtide_art {

using art::Canvas;
using art::Paint;
using art::Path;

void Burst(Canvas& c, float cx, float cy, float radius, int rays, uint32_t colour, uint32_t seed) {
    Dice dice(seed);
    const uint32_t trail = art::Mix(colour, kBlack, 0.55f);
    const uint32_t head = art::Shade(colour, 0.45f);
    c.Fill(Path::Ellipse(cx, cy, radius * 0.42f, radius * 0.42f),
           Paint::Radial(cx, cy, radius * 0.42f, {{0, art::Mix(colour, kBlack, 0.7f)}, {1, kBlack}}));
    for (int i = 0; i < rays; ++i) {
        const float angle = (static_cast<float>(i) + dice.Next() * 0.6f) * 6.2831853f / static_cast<float>(rays);
        const float reach = radius * (0.7f + 0.3f * dice.Next());
        const float dx = std::cos(angle), dy = std::sin(angle);
        // Sparks droop a little as they fly.
        const float droop = reach * 0.08f;
        c.Line(cx + dx * reach * 0.2f, cy + dy * reach * 0.2f, cx + dx * reach * 0.75f, cy + dy * reach * 0.75f + droop * 0.5f,
               1.1f, trail);
        c.Line(cx + dx * reach * 0.6f, cy + dy * reach * 0.6f + droop * 0.3f, cx + dx * reach, cy + dy * reach + droop,
               1.6f, colour);
        c.Fill(Path::Ellipse(cx + dx * reach, cy + dy * reach + droop, 1.5f, 1.5f), head);
        // Every third ray throws a spark further out.
        if (i % 3 == 0)
            c.Fill(Path::Ellipse(cx + dx * reach * 1.12f, cy + dy * reach * 1.12f + droop * 1.4f, 1.0f, 1.0f), colour);
    }
    c.Fill(Path::Ellipse(cx, cy, radius * 0.09f + 1, radius * 0.09f + 1),
           Paint::Radial(cx, cy, radius * 0.09f + 1, {{0, kWhite}, {1, art::Shade(colour, 0.6f)}}));
}

void Twinkle(Canvas& c, float cx, float cy, float size, uint32_t colour) {
    const float w = size * 0.22f;
    c.Fill(Path::Polygon({{cx, cy - size}, {cx + w, cy - w}, {cx + size, cy}, {cx + w, cy + w}, {cx, cy + size},
                          {cx - w, cy + w}, {cx - size, cy}, {cx - w, cy - w}}),
           colour);
}

void Stars(Canvas& c, int left, int top, int right, int bottom, int count, uint32_t seed) {
    Dice dice(seed);
    for (int i = 0; i < count; ++i) {
        const int x = left + dice.Below(right - left);
        const int y = top + dice.Below(bottom - top);
        const float height = static_cast<float>(y - top) / static_cast<float>(bottom - top);
        const float brightness = (0.35f + 0.65f * dice.Next()) * (1.0f - 0.6f * height);
        const uint32_t tint = dice.Next() < 0.3f ? 0xCFE0FF : 0xFFF4DD;
        if (brightness > 0.8f && dice.Next() < 0.5f)
            Twinkle(c, static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f, 3, tint);
        else
            c.Set(x, y, art::Mix(kBlack, tint, brightness));
    }
}

namespace {

void Ring(Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style, uint32_t colour, int radius) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (dx * dx + dy * dy <= radius * radius + 1) c.Text(x + dx, y + dy, text, style, colour);
}

}  // namespace

void NameLettering(Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style) {
    Ring(c, x + 1, y + 2, text, style, kVioletDark, 3);
    Ring(c, x, y, text, style, kVioletDark, 3);
    Ring(c, x, y, text, style, kRoseDark, 1);
    // Gold letters, light at the top and deep at the bottom.
    Canvas letters(c.Width(), c.Height());
    letters.Text(x, y, text, style, kWhite);
    const int height = Canvas::TextHeight(style);
    for (int py = std::max(0, y); py < std::min(c.Height(), y + height); ++py) {
        const float t = static_cast<float>(py - y) / static_cast<float>(height);
        const uint32_t tone = t < 0.5f ? art::Mix(kGoldLight, kGold, t * 2) : art::Mix(kGold, kGoldDark, (t - 0.5f) * 1.6f);
        for (int px = 0; px < c.Width(); ++px)
            if (letters.At(px, py) != art::kKey) c.Set(px, py, tone);
    }
}

void Windows(Canvas& c, float left, float top, float right, float bottom, float cell, uint32_t seed) {
    Dice dice(seed);
    const float size = std::max(1.0f, cell * 0.45f);
    for (float y = top + cell * 0.4f; y + size <= bottom; y += cell) {
        for (float x = left + cell * 0.35f; x + size <= right; x += cell) {
            const float roll = dice.Next();
            if (roll < 0.4f) continue;
            c.Fill(Path::Rect(std::floor(x), std::floor(y), std::ceil(size), std::ceil(size * 1.2f)),
                   roll < 0.85f ? kWindow : kWindowDim);
        }
    }
}

}  // namespace glimtide_art
