#include "PennimarLook.h"

#include <cmath>

#include "PennimarPalette.h"

namespace pennimar_art {

using art::Canvas;
using art::Path;

namespace {

struct AnimalLook {
    uint32_t coat, edge, light, muzzle, hoof;
};

constexpr AnimalLook kLooks[4] = {
    {0xF4F1EA, 0x3B3B3B, 0xFFFFFF, 0xF2A7A0, 0x3B3B3B},  // cow
    {0xF4A6B4, 0xA4506A, 0xFFD0DA, 0xE57F98, 0x8A3E55},  // pig
    {0xDCD0BA, 0x6E5F48, 0xF2EAD9, 0xC9B79A, 0x4E4232},  // goat
    {0xA8602E, 0x4E2810, 0xCC8450, 0x8A4A22, 0x2E1808},  // horse
};

}  // namespace

void Part(Canvas& c, const Path& path, uint32_t colour, uint32_t edge) {
    c.Fill(path.Stroke(1.6f), edge);
    c.Fill(path, colour);
}

Canvas Mirror(const Canvas& c) {
    Canvas out(c.Width(), c.Height());
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.At(x, y) != art::kKey) out.Set(c.Width() - 1 - x, y, c.At(x, y));
    return out;
}

void DrawAnimal(Canvas& c, int kind, float phase, bool resting) {
    const AnimalLook& look = kLooks[kind];
    const auto w = static_cast<float>(c.Width()), h = static_cast<float>(c.Height());
    const float bodyY = resting ? 0.64f * h : 0.48f * h;
    const float headX = (kind == 3 ? 0.78f : 0.80f) * w;
    const float headY = resting ? 0.56f * h : (kind == 1 ? 0.46f * h : (kind == 3 ? 0.2f : 0.30f) * h);
    const float head = (kind == 3 ? 0.13f : 0.15f) * w;

    // Tail first, so the body covers its root.
    const float sway = std::sin(phase * 6.2832f) * 1.5f;
    if (kind == 1) {
        c.Outline(Path::Ellipse(0.11f * w, bodyY - 0.08f * h, 2.2f, 2.0f), 1.2f, look.edge);
    } else {
        const uint32_t tail = kind == 3 ? 0x3A1E0C : look.edge;
        c.Line(0.16f * w, bodyY - 0.1f * h, 0.07f * w + sway, bodyY + 0.18f * h, kind == 3 ? 3.0f : 1.4f, tail);
    }
    // Legs: far pair darker, swinging opposite the near pair.
    if (!resting) {
        const float hip = bodyY + 0.1f * h, foot = h - 1.5f;
        const float swing = std::sin(phase * 6.2832f) * 0.05f * w;
        const float legs[4][2] = {{0.26f, swing}, {0.36f, -swing}, {0.60f, -swing}, {0.70f, swing}};
        for (int i = 0; i < 4; ++i) {
            const float x = legs[i][0] * w, dx = legs[i][1];
            const uint32_t colour = (i % 2 == 0) ? art::Shade(look.coat, -0.18f) : look.coat;
            c.Line(x, hip, x + dx, foot - 2, 3.2f, look.edge);
            c.Line(x, hip, x + dx, foot - 2, 1.6f, colour);
            c.Fill(Path::Rect(x + dx - 1.6f, foot - 2.5f, 3.2f, 2.5f), look.hoof);
        }
    } else {
        Part(c, Path::Ellipse(0.62f * w, h - 3.5f, 0.1f * w, 2.2f), art::Shade(look.coat, -0.15f), look.edge);
    }
    // Body, lit from the top left.
    const Path body = Path::Ellipse(0.45f * w, bodyY, 0.33f * w, (resting ? 0.24f : 0.25f) * h);
    c.Fill(body.Stroke(1.6f), look.edge);
    c.Fill(body, art::Paint::Linear(0, bodyY - 0.25f * h, 0, bodyY + 0.25f * h,
                                    {{0, look.light}, {0.45f, look.coat}, {1, art::Shade(look.coat, -0.2f)}}));
    if (kind == 0) {  // patches
        c.Fill(Path::Ellipse(0.34f * w, bodyY - 0.06f * h, 0.09f * w, 0.12f * h), 0x2B2B2B);
        c.Fill(Path::Ellipse(0.56f * w, bodyY + 0.05f * h, 0.07f * w, 0.09f * h), 0x2B2B2B);
    }
    if (kind == 3 && !resting) {  // a long neck with its mane
        c.Line(0.68f * w, bodyY - 0.05f * h, headX - 0.04f * w, headY + head * 0.2f, 6.5f, look.edge);
        c.Line(0.68f * w, bodyY - 0.05f * h, headX - 0.04f * w, headY + head * 0.2f, 4.5f, look.coat);
        c.Line(0.62f * w, bodyY - 0.16f * h, headX - 0.1f * w, headY - head * 0.6f, 2.2f, 0x3A1E0C);
    }
    // Head with ears, muzzle and eye.
    if (kind == 3)
        Part(c, Path::Polygon({{headX - head * 0.55f, headY - head * 0.3f}, {headX - head * 0.35f, headY - head * 1.3f},
                               {headX - head * 0.05f, headY - head * 0.4f}}),
             look.coat, look.edge);
    else
        Part(c, Path::Ellipse(headX - head * 0.5f, headY - head * 0.8f, head * 0.3f, head * 0.45f), look.coat, look.edge);
    if (kind == 0 || kind == 2) {
        const uint32_t horn = kind == 0 ? 0xF3E3B5 : 0x8A7A62;
        c.Line(headX - head * 0.1f, headY - head * 0.7f, headX - head * 0.35f, headY - head * 1.35f, 1.6f, horn);
    }
    const Path headShape = kind == 3 ? Path::Ellipse(headX + head * 0.2f, headY, head * 1.15f, head * 0.7f)
                                     : Path::Ellipse(headX, headY, head, head * 0.85f);
    Part(c, headShape, look.coat, look.edge);
    if (kind == 3) c.Line(headX + head * 0.1f, headY - head * 0.6f, headX + head * 0.55f, headY + head * 0.2f, 1.4f, kWhite);
    Part(c, Path::Ellipse(headX + head * 0.65f, headY + head * 0.3f, head * 0.45f, head * 0.42f), look.muzzle, look.edge);
    c.Set(static_cast<int>(headX + head * 0.8f), static_cast<int>(headY + head * 0.3f), look.edge);
    if (kind == 2) c.Line(headX + head * 0.5f, headY + head * 0.7f, headX + head * 0.45f, headY + head * 1.4f, 1.6f, 0xF2EAD9);
    const int eyeX = static_cast<int>(headX + head * 0.05f), eyeY = static_cast<int>(headY - head * 0.25f);
    if (resting) {
        c.Line(static_cast<float>(eyeX) - 1.5f, static_cast<float>(eyeY) + 0.5f, static_cast<float>(eyeX) + 1.5f,
               static_cast<float>(eyeY) + 0.5f, 1.0f, look.edge);
    } else {
        c.Fill(Path::Ellipse(static_cast<float>(eyeX) + 0.5f, static_cast<float>(eyeY) + 0.5f, 1.3f, 1.5f), 0x1A1A1A);
        c.Set(eyeX, eyeY, kWhite);
    }
}

void DrawFarmer(Canvas& c, float x, float y, float size) {
    const float s = size / 12.0f;
    // Blue overalls over a red shirt, a sun-browned face and a wide straw hat.
    Part(c, Path::RoundRect(x + 2 * s, y + 6.5f * s, 8 * s, 5 * s, 1.5f * s), 0xD8402E, 0x7A1A10);
    Part(c, Path::RoundRect(x + 3.2f * s, y + 7.5f * s, 5.6f * s, 4 * s, 1 * s), 0x3A6FD8, 0x1C3A80);
    Part(c, Path::Ellipse(x + 6 * s, y + 5 * s, 2.6f * s, 2.3f * s), 0xF5C79E, 0x9A5A30);
    Part(c, Path::Ellipse(x + 6 * s, y + 3.2f * s, 5.4f * s, 1.6f * s), 0xF2C94C, 0x8A6410);
    Part(c, Path::RoundRect(x + 3.6f * s, y + 0.6f * s, 4.8f * s, 2.6f * s, 1.2f * s), 0xF7DA70, 0x8A6410);
    c.Line(x + 3.7f * s, y + 2.6f * s, x + 8.3f * s, y + 2.6f * s, 0.9f * s, 0xC0392B);
}

void NameLettering(Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style) {
    for (int dy = -2; dy <= 3; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (dx * dx + dy * dy > 2) c.Text(x + dx, y + dy, text, style, kBrown);
    c.OutlinedText(x, y, text, style, 0xC8322A, kCream);
    // Sunlight on the upper half of each letter.
    Canvas light(c.Width(), c.Height());
    light.Text(x, y, text, style, 0xE8584A);
    const int top = y + art::Canvas::TextHeight(style) / 3;
    for (int py = y; py < top && py < c.Height(); ++py)
        for (int px = 0; px < c.Width(); ++px)
            if (light.At(px, py) != art::kKey) c.Set(px, py, light.At(px, py));
}

}  // namespace pennimar_art
