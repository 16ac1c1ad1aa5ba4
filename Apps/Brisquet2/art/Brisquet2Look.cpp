#include "Brisquet2Look.h"

#include <algorithm>
#include <cmath>

#include "Brisquet2Palette.h"

namespace brisquet2_art {

const BubbleTones kBrownBubble{0x5C3A0A, 0x8F5E16, kMapMid, kMapLight, kWhite};
const BubbleTones kGrayBubble{0x4C525C, 0x858C98, 0xB4BAC4, 0xE2E6EC, kWhite};
const BubbleTones kGreenBubble{0x17521F, 0x2E8A34, 0x4CB848, 0x9BE27A, 0xF0FFE8};
const BubbleTones kMagentaBubble{0x3E1460, kMapDeepLilac, kMapLilac, 0xE9C8FF, kWhite};

void Bubble(art::Canvas& c, float cx, float cy, float rx, float ry, const BubbleTones& tones) {
    // Light from the top left and a little toward the viewer.
    const float lx = -0.5f, ly = -0.62f, lz = 0.6f;
    const float glintX = cx - rx * 0.38f, glintY = cy - ry * 0.42f;
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            const float nx = (static_cast<float>(x) + 0.5f - cx) / rx;
            const float ny = (static_cast<float>(y) + 0.5f - cy) / ry;
            const float d2 = nx * nx + ny * ny;
            if (d2 > 1.0f) continue;
            const float edge = 1.0f - std::sqrt(d2);
            if (edge * std::min(rx, ry) < 1.2f) {
                c.Set(x, y, tones.outline);
                continue;
            }
            const float nz = std::sqrt(std::max(0.0f, 1.0f - d2));
            const float lit = nx * lx + ny * ly + nz * lz;
            const float gx = (static_cast<float>(x) + 0.5f - glintX) / (rx * 0.2f);
            const float gy = (static_cast<float>(y) + 0.5f - glintY) / (ry * 0.14f);
            uint32_t tone = tones.body;
            if (gx * gx + gy * gy <= 1.0f) tone = tones.glint;
            else if (lit > 0.86f) tone = tones.light;
            else if (lit < 0.12f) tone = tones.shade;
            // A rim of reflected light low on the right.
            else if (d2 > 0.62f && nx > 0.1f && ny > 0.25f) tone = tones.light;
            c.Set(x, y, tone);
        }
    }
}

void Droplet(art::Canvas& c, float cx, float cy, float radius, const BubbleTones& tones) {
    const float r2 = radius * radius;
    const float inner = std::max(0.0f, radius - 1.0f);
    for (int y = static_cast<int>(cy - radius) - 1; y <= static_cast<int>(cy + radius) + 1; ++y) {
        for (int x = static_cast<int>(cx - radius) - 1; x <= static_cast<int>(cx + radius) + 1; ++x) {
            const float dx = static_cast<float>(x) + 0.5f - cx, dy = static_cast<float>(y) + 0.5f - cy;
            const float d2 = dx * dx + dy * dy;
            if (d2 > r2) continue;
            uint32_t tone = d2 > inner * inner ? tones.outline : tones.body;
            if (radius >= 2.0f && dx < 0 && dy < 0 && d2 < inner * inner * 0.4f) tone = tones.light;
            c.Set(x, y, tone);
        }
    }
}

float Dice::Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<float>(state_ >> 8) / static_cast<float>(1u << 24);
}

namespace {

void Ring(art::Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style, uint32_t colour, int radius) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (dx * dx + dy * dy <= radius * radius + 1) c.Text(x + dx, y + dy, text, style, colour);
}

}  // namespace

void NameLettering(art::Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style) {
    const int ring = std::max(1, style.height / 12);
    Ring(c, x + 1, y + 3, text, style, 0x0A0F2A, ring + 1);
    Ring(c, x, y, text, style, 0x0A0F2A, ring + 1);
    Ring(c, x, y, text, style, kGoldDark, ring);
    art::Canvas letters(c.Width(), c.Height());
    letters.Text(x, y, text, style, kWhite);
    const int height = art::Canvas::TextHeight(style);
    for (int py = std::max(0, y); py < std::min(c.Height(), y + height); ++py) {
        const float t = static_cast<float>(py - y) / static_cast<float>(height);
        const uint32_t tone = t < 0.45f ? art::Mix(kGoldLight, kGold, t / 0.45f) : art::Mix(kGold, 0xD98A1A, (t - 0.45f) / 0.55f);
        for (int px = 0; px < c.Width(); ++px)
            if (letters.At(px, py) != art::kKey) c.Set(px, py, tone);
    }
}

}  // namespace brisquet2_art
