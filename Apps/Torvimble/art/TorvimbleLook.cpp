#include "TorvimbleLook.h"

#include <algorithm>
#include <cmath>

#include "TorvimblePalette.h"
#include "art/Paint.h"
#include "art/Path.h"

namespace torvimble_art {

using art::Canvas;
using art::Paint;
using art::Path;

namespace {

// The ink of `text` as drawn, cropped to its bounding box.
Canvas Ink(std::string_view text, const art::TextStyle& style, uint32_t ink) {
    Canvas scratch(64, 40);
    scratch.Text(2, 2, text, style, ink);
    int left = scratch.Width(), top = scratch.Height(), right = -1, bottom = -1;
    for (int py = 0; py < scratch.Height(); ++py)
        for (int px = 0; px < scratch.Width(); ++px)
            if (scratch.At(px, py) != art::kKey) {
                left = std::min(left, px), right = std::max(right, px);
                top = std::min(top, py), bottom = std::max(bottom, py);
            }
    if (right < 0) return Canvas(1, 1);
    Canvas cropped(right - left + 1, bottom - top + 1);
    for (int py = 0; py < cropped.Height(); ++py)
        for (int px = 0; px < cropped.Width(); ++px) {
            const uint32_t pixel = scratch.At(left + px, top + py);
            if (pixel != art::kKey) cropped.Set(px, py, pixel);
        }
    return cropped;
}

}  // namespace

void FitGlyph(Canvas& c, int x, int y, int w, int h, std::string_view text, const art::TextStyle& style, uint32_t ink,
              bool turned) {
    Canvas cell(w, h);
    if (text == "10") {
        // Too wide for a narrow cell as set: a slim one against the font's nought.
        const Canvas nought = Ink("0", style, ink);
        const int gh = nought.Height(), top = (h - gh) / 2, noughtX = w - nought.Width();
        for (int py = 0; py < gh; ++py) {
            cell.Set(0, top + py, ink);
            cell.Set(1, top + py, ink);
        }
        cell.Set(0, top + 1, ink);
        cell.Draw(nought, std::max(3, noughtX), top);
    } else {
        const Canvas glyph = Ink(text, style, ink);
        cell.Draw(glyph, (w - glyph.Width()) / 2, (h - glyph.Height()) / 2);
    }
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px) {
            const uint32_t pixel = cell.At(px, py);
            if (pixel == art::kKey) continue;
            if (turned) c.Set(x + w - 1 - px, y + h - 1 - py, pixel);
            else c.Set(x + px, y + py, pixel);
        }
}

// The suit's shape in the box (x, y, w, h).
void SuitShape(Canvas& c, int suit, float x, float y, float w, float h, const Paint& paint) {
    const auto px = [&](float u) { return x + u * w; };
    const auto py = [&](float v) { return y + v * h; };
    switch (suit) {
        case Hearts: {
            Path heart;
            heart.MoveTo(px(0.5f), py(1.0f));
            heart.CubicTo(px(0.2f), py(0.72f), px(-0.02f), py(0.5f), px(0.0f), py(0.28f));
            heart.CubicTo(px(0.02f), py(0.02f), px(0.42f), py(-0.04f), px(0.5f), py(0.24f));
            heart.CubicTo(px(0.58f), py(-0.04f), px(0.98f), py(0.02f), px(1.0f), py(0.28f));
            heart.CubicTo(px(1.02f), py(0.5f), px(0.8f), py(0.72f), px(0.5f), py(1.0f));
            heart.Close();
            c.Fill(heart, paint);
            break;
        }
        case Diamonds:
            c.Fill(Path::Polygon({{px(0.5f), py(0)}, {px(0.95f), py(0.5f)}, {px(0.5f), py(1)}, {px(0.05f), py(0.5f)}}),
                   paint);
            break;
        case Spades: {
            Path spade;
            spade.MoveTo(px(0.5f), py(0.0f));
            spade.CubicTo(px(0.8f), py(0.28f), px(1.02f), py(0.42f), px(1.0f), py(0.6f));
            spade.CubicTo(px(0.98f), py(0.82f), px(0.62f), py(0.86f), px(0.5f), py(0.66f));
            spade.CubicTo(px(0.38f), py(0.86f), px(0.02f), py(0.82f), px(0.0f), py(0.6f));
            spade.CubicTo(px(-0.02f), py(0.42f), px(0.2f), py(0.28f), px(0.5f), py(0.0f));
            spade.Close();
            c.Fill(spade, paint);
            c.Fill(Path::Polygon({{px(0.5f), py(0.6f)}, {px(0.72f), py(1)}, {px(0.28f), py(1)}}), paint);
            break;
        }
        default:
            c.Fill(Path::Ellipse(px(0.5f), py(0.26f), w * 0.24f, h * 0.24f), paint);
            c.Fill(Path::Ellipse(px(0.25f), py(0.58f), w * 0.24f, h * 0.23f), paint);
            c.Fill(Path::Ellipse(px(0.75f), py(0.58f), w * 0.24f, h * 0.23f), paint);
            c.Fill(Path::Polygon({{px(0.5f), py(0.45f)}, {px(0.72f), py(1)}, {px(0.28f), py(1)}}), paint);
            break;
    }
}

void ShadowText(Canvas& c, int cx, int y, std::string_view text, const art::TextStyle& style, uint32_t ink,
                uint32_t shadow) {
    const int x = cx - Canvas::TextWidth(text, style) / 2;
    c.Text(x + 1, y + 1, text, style, shadow);
    c.Text(x, y, text, style, ink);
}

void Felt(Canvas& c, float x, float y, float w, float h, float radius, uint32_t seed) {
    const Path shape = Path::RoundRect(x, y, w, h, radius);
    c.Fill(shape, Paint::Radial(x + w * 0.45f, y + h * 0.4f, std::max(w, h) * 0.7f,
                                {{0, kFeltLight}, {0.55f, kFelt}, {1, kFeltDark}}));
    Dice dice(seed);
    const int count = static_cast<int>(w * h / 40);
    for (int i = 0; i < count; ++i) {
        const int px = static_cast<int>(x + 2 + dice.Next() * (w - 4));
        const int py = static_cast<int>(y + 2 + dice.Next() * (h - 4));
        if (px < 0 || py < 0 || px >= c.Width() || py >= c.Height()) continue;
        const uint32_t under = c.At(px, py);
        if (under != art::kKey) c.Set(px, py, art::Shade(under, dice.Next() < 0.5f ? 0.08f : -0.08f));
    }
}

void BrassPanel(Canvas& c, float x, float y, float w, float h, float radius, uint32_t inside) {
    c.Fill(Path::RoundRect(x, y, w, h, radius), kBrassDark);
    c.Fill(Path::RoundRect(x + 1, y + 1, w - 2, h - 2, radius - 1),
           Paint::Linear(x, y, x + w * 0.3f, y + h, {{0, kBrassLight}, {0.5f, kBrass}, {1, kBrassDark}}));
    c.Fill(Path::RoundRect(x + 4, y + 4, w - 8, h - 8, std::max(1.0f, radius - 3)), kBrassDark);
    c.Fill(Path::RoundRect(x + 5, y + 5, w - 10, h - 10, std::max(1.0f, radius - 4)), inside);
}

void Lettering(Canvas& c, int cx, int y, std::string_view text, const art::TextStyle& style) {
    const int x = cx - Canvas::TextWidth(text, style) / 2;
    for (int dy = -2; dy <= 3; ++dy)
        for (int dx = -2; dx <= 3; ++dx)
            if (dx * dx + dy * dy <= 9) c.Text(x + dx, y + dy, text, style, kWoodDark);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) c.Text(x + dx, y + dy, text, style, kBrown);
    Canvas letters(c.Width(), c.Height());
    letters.Text(x, y, text, style, kWhite);
    const int height = Canvas::TextHeight(style);
    for (int py = std::max(0, y); py < std::min(c.Height(), y + height); ++py) {
        const float t = static_cast<float>(py - y) / static_cast<float>(std::max(1, height));
        const uint32_t tone = art::Mix(kCream, kBrass, std::clamp(t * 1.3f - 0.2f, 0.0f, 1.0f));
        for (int px = 0; px < c.Width(); ++px)
            if (letters.At(px, py) != art::kKey) c.Set(px, py, tone);
    }
}

void ButtonFace(Canvas& c, Look look, uint32_t colour, std::string_view caption, const art::TextStyle& style) {
    const float w = static_cast<float>(c.Width()), h = static_cast<float>(c.Height());
    const float radius = std::max(3.0f, h / 5);
    uint32_t face = colour;
    uint32_t ink = kWhite, shadow = art::Shade(colour, -0.6f);
    const bool pressed = look == Look::Pressed || look == Look::PressedDisabled;
    const bool disabled = look == Look::Disabled || look == Look::PressedDisabled;
    if (look == Look::Hover) face = art::Shade(colour, 0.22f);
    if (pressed) face = art::Shade(colour, -0.25f);
    if (disabled) {
        face = art::Mix(face, 0x9A9A9A, 0.75f);
        ink = 0xD8D8D8;
        shadow = 0x6A6A6A;
    }
    const float shift = pressed ? 1.0f : 0.0f;
    // A dark rim, the face lit from the top, a lighter top edge and a darker bottom edge.
    c.Fill(Path::RoundRect(0, 0, w, h, radius), art::Shade(face, -0.55f));
    c.Fill(Path::RoundRect(1, 1 + shift, w - 2, h - 2 - shift, radius - 1),
           Paint::Linear(0, 1, 0, h - 1, {{0, art::Shade(face, 0.3f)}, {0.5f, face}, {1, art::Shade(face, -0.25f)}}));
    c.Line(radius, 1.5f + shift, w - radius, 1.5f + shift, 1.0f, art::Shade(face, 0.55f));
    c.Line(radius, h - 1.5f, w - radius, h - 1.5f, 1.0f, art::Shade(face, -0.4f));
    if (pressed && !disabled) c.Outline(Path::RoundRect(2, 2 + shift, w - 4, h - 4 - shift, radius - 2), 1.0f, kBrassLight);
    const int textH = Canvas::TextHeight(style);
    const int ty = static_cast<int>((h - static_cast<float>(textH)) / 2 + shift);
    ShadowText(c, static_cast<int>(w / 2 + shift), ty, caption, style, ink, shadow);
}

}  // namespace torvimble_art
