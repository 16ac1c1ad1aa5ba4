#include "SlorrowLook.h"

#include <cmath>
#include <vector>

#include "art/Paint.h"
#include "art/Path.h"

namespace slorrow_art {

using art::Canvas;
using art::Path;

void Star(Canvas& canvas, float cx, float cy, float radius, uint32_t colour) {
    std::vector<art::PointF> points;
    for (int i = 0; i < 10; ++i) {
        const float r = i % 2 == 0 ? radius : radius * 0.45f;
        const float a = -1.5708f + static_cast<float>(i) * 0.62832f;
        points.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    canvas.Fill(Path::Polygon(points), colour);
}

void DrawCandidate(Canvas& c, bool brambo, Look look, int frame, float x, float y, float w, float h) {
    const uint32_t suit = brambo ? kFlagBlue : kFlagRed;
    const uint32_t dark = art::Shade(suit, -0.4f);
    const float cx = x + w / 2;
    const float head = std::min(w, h) * 0.22f;
    const float bob = (look == Look::Stand && frame % 2 == 1) ? 1.0f : 0.0f;
    const float headY = y + head + 2 + bob;
    const float bodyTop = headY + head * 0.9f;
    const float legTop = y + h * 0.68f;
    // Legs and shoes.
    c.Fill(Path::Rect(cx - w * 0.16f, legTop, w * 0.12f, y + h - legTop - 2), dark);
    c.Fill(Path::Rect(cx + w * 0.04f, legTop, w * 0.12f, y + h - legTop - 2), dark);
    c.Fill(Path::Rect(cx - w * 0.22f, y + h - 3, w * 0.44f, 3), kInk);
    // The suit, lit from the top left.
    const float bodyW = w * 0.5f;
    c.Fill(Path::RoundRect(cx - bodyW / 2 - 1, bodyTop - 1, bodyW + 2, legTop - bodyTop + 3, 3), dark);
    c.Fill(Path::RoundRect(cx - bodyW / 2, bodyTop, bodyW, legTop - bodyTop + 1, 3), suit);
    c.Fill(Path::Rect(cx - bodyW / 2 + 1, bodyTop + 1, 2, (legTop - bodyTop) * 0.6f), art::Shade(suit, 0.3f));
    c.Fill(Path::Polygon({{cx - 2, bodyTop}, {cx + 2, bodyTop}, {cx + 1, bodyTop + (legTop - bodyTop) * 0.6f}, {cx - 1, bodyTop + (legTop - bodyTop) * 0.6f}}),
           brambo ? kFlagRed : kFlagBlue);
    // Arms: down at the sides, raised in a win, flung out when dizzy.
    const float armY = bodyTop + 2;
    const float reach = look == Look::Win ? -h * 0.3f : (look == Look::Dizzy ? 0.0f : h * 0.25f);
    const float spread = look == Look::Dizzy ? w * 0.45f : bodyW * 0.75f;
    const float wave = look == Look::Win && frame % 2 == 1 ? 3.0f : 0.0f;
    c.Line(cx - bodyW / 2, armY, cx - spread, armY + reach - wave, 2.5f, dark);
    c.Line(cx + bodyW / 2, armY, cx + spread, armY + reach + wave, 2.5f, dark);
    // Head, hair and face.
    c.Fill(Path::Ellipse(cx, headY, head + 1, head + 1), 0x8A5A3C);
    c.Fill(Path::Ellipse(cx, headY, head, head), kSkin);
    c.Fill(Path::Ellipse(cx, headY - head * 0.7f, head * 0.9f, head * 0.4f), brambo ? 0xE8E0C8 : 0x5A3A1A);
    c.Fill(Path::Ellipse(cx - head * 0.35f, headY, 1.2f, 1.2f), kInk);
    c.Fill(Path::Ellipse(cx + head * 0.35f, headY, 1.2f, 1.2f), kInk);
    if (look == Look::Dizzy) {
        // Mud on the face and stars going round.
        c.Fill(Path::Ellipse(cx + head * 0.3f, headY + head * 0.4f, head * 0.5f, head * 0.35f), kMud);
        for (int i = 0; i < 3; ++i) {
            const float a = static_cast<float>(frame) * 0.52f + static_cast<float>(i) * 2.094f;
            Star(c, cx + std::cos(a) * head * 1.8f, headY - head * 1.1f + std::sin(a) * head * 0.4f, 4, kGold);
        }
    } else {
        c.Line(cx - head * 0.4f, headY + head * 0.45f, cx + head * 0.4f, headY + head * 0.45f, 1.2f, 0x8A3A2A);
    }
}

void DrawButton(Canvas& c, std::string_view caption, uint32_t colour, bool hover) {
    const float w = static_cast<float>(c.Width());
    const float h = static_cast<float>(c.Height());
    const uint32_t face = hover ? art::Shade(colour, 0.25f) : colour;
    const float radius = h / 5;
    c.Fill(Path::RoundRect(0, 0, w, h, radius), art::Shade(colour, -0.45f));
    c.Fill(Path::RoundRect(1, 1, w - 2, h - 2, radius), art::Shade(face, 0.35f));
    c.Fill(Path::RoundRect(1, 2, w - 2, h - 3, radius), face);
    const art::TextStyle style{static_cast<int>(h * 0.36f), true, "Liberation Sans"};
    const int tw = Canvas::TextWidth(caption, style);
    const int ty = (c.Height() - Canvas::TextHeight(style)) / 2;
    c.Text((c.Width() - tw) / 2 + 1, ty + 1, caption, style, art::Shade(colour, -0.5f));
    c.Text((c.Width() - tw) / 2, ty, caption, style, kWhite);
}

void TitleText(Canvas& c, float cx, int y, std::string_view text, int height, uint32_t fill, uint32_t outline) {
    const art::TextStyle style{height, true, "Liberation Sans"};
    const int x = static_cast<int>(cx) - Canvas::TextWidth(text, style) / 2;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) c.Text(x + dx, y + dy, text, style, outline);
    c.OutlinedText(x, y, text, style, fill, kWhite);
}

}  // namespace slorrow_art
