#include "GrumboltLook.h"

#include <cmath>

#include "GrumboltPalette.h"
#include "art/Dice.h"
#include "art/Paint.h"
#include "art/Path.h"

namespace grumbolt_art {

using art::Canvas;
using art::Paint;
using art::Path;

namespace {

constexpr uint32_t kFrogBase[kFrogColours] = {0x9B59D6, 0xE0463A, 0x35A7F2, 0xA8693A, 0x9DA3AC, 0x4CC63C};

// Ovals of one frog, in its own units (-15 to 15 across) mapped onto the canvas.
class FrogBrush {
public:
    FrogBrush(Canvas& c, float cx, float cy, float scale) : c_(c), cx_(cx), cy_(cy), s_(scale) {}

    void Oval(float x, float y, float rx, float ry, const Paint& paint) const {
        c_.Fill(Path::Ellipse(cx_ + x * s_, cy_ + y * s_, rx * s_, ry * s_), paint);
    }
    void Oval(float x, float y, float rx, float ry, uint32_t colour) const { Oval(x, y, rx, ry, Paint::Solid(colour)); }
    // The oval with a ring of `rim` around it.
    void Ringed(float x, float y, float rx, float ry, const Paint& paint, uint32_t rim) const {
        const float r = 1.0f / s_;
        Oval(x, y, rx + r, ry + r, rim);
        Oval(x, y, rx, ry, paint);
    }
    Paint Lit(float x, float y, float r, uint32_t light, uint32_t base, uint32_t dark) const {
        return Paint::Radial(cx_ + (x - r * 0.45f) * s_, cy_ + (y - r * 0.45f) * s_, r * 1.7f * s_,
                             {{0, light}, {0.45f, base}, {1, dark}});
    }
    void Line(float x0, float y0, float x1, float y1, float width, uint32_t colour) const {
        c_.Line(cx_ + x0 * s_, cy_ + y0 * s_, cx_ + x1 * s_, cy_ + y1 * s_, width * s_, colour);
    }

private:
    Canvas& c_;
    float cx_, cy_, s_;
};

}  // namespace

uint32_t FrogColour(int colour) { return kFrogBase[colour % kFrogColours]; }

void Frog(Canvas& c, float cx, float cy, float scale, uint32_t colour, const FrogPose& pose) {
    const float s = scale * (1.0f - 0.55f * pose.sink);
    const uint32_t base = art::Mix(colour, kWaterDeep, pose.sink * 0.75f);
    const uint32_t light = art::Shade(base, 0.35f), dark = art::Shade(base, -0.35f), rim = art::Shade(base, -0.6f);
    const FrogBrush b(c, cx, cy + pose.sink * 4 * scale, s);
    const float leg = pose.stretch;
    // Hind legs fold beside the body, or trail behind in a leap.
    for (const float side : {-1.f, 1.f}) {
        b.Ringed(side * (10 - 2 * leg), 5 + 5 * leg, 4.2f - leg, 6.5f + 3 * leg, b.Lit(side * 10, 5, 6, light, base, dark),
                 rim);
        b.Ringed(side * (11 - 3 * leg), 11 + 6 * leg, 3.4f, 2.2f, Paint::Solid(dark), rim);
        b.Ringed(side * 6, 11 - 2 * leg, 2.6f, 2.0f, Paint::Solid(dark), rim);
    }
    b.Ringed(0, 3, 10, 9.5f, b.Lit(0, 3, 10, light, base, dark), rim);
    b.Ringed(0, -4, 9.5f, 7, b.Lit(0, -4, 9.5f, light, base, dark), rim);
    // Spots on the back and a shine on the crown.
    b.Oval(-4, 4, 2, 1.6f, dark);
    b.Oval(4, 7, 1.5f, 1.3f, dark);
    b.Oval(2, 1, 1.2f, 1.0f, dark);
    b.Oval(-3, -7, 3, 1.4f, art::Shade(light, 0.4f));
    if (pose.puff > 0) b.Ringed(0, 0.5f, 5.5f * pose.puff, 3.6f * pose.puff, Paint::Solid(0xFFF1B8), art::Shade(0xFFF1B8, -0.4f));
    for (const float side : {-1.f, 1.f}) {
        const float x = side * 6;
        b.Ringed(x, -9, 4.2f, 4.2f, b.Lit(x, -9, 4.2f, light, base, dark), rim);
        const float open = 1.0f - pose.blink;
        if (open > 0.05f) {
            b.Oval(x, -9.3f, 3, 3 * open, kWhite);
            b.Oval(x + side * 0.3f, -9.4f, 1.7f, 1.9f * open, kInk);
            b.Oval(x - 0.8f, -10.3f, 0.7f, 0.7f * open, kWhite);
        } else {
            b.Line(x - 2.5f, -9, x + 2.5f, -9, 0.9f, rim);
        }
    }
    b.Line(-4.5f, -2.2f, 0, -0.8f, 0.9f, rim);
    b.Line(0, -0.8f, 4.5f, -2.2f, 0.9f, rim);
}

void Shadow(Canvas& c, float cx, float cy, float rx, uint32_t ground) {
    c.Fill(Path::Ellipse(cx, cy, rx, rx * 0.35f), art::Mix(ground, kInk, 0.35f));
}

void Lilypad(Canvas& c, float cx, float cy, float r, float notchAngle) {
    Path pad;
    constexpr float kNotch = 0.42f;
    const float start = notchAngle + kNotch / 2;
    pad.MoveTo(cx, cy);
    for (int i = 0; i <= 40; ++i) {
        const float a = start + (6.2831853f - kNotch) * static_cast<float>(i) / 40.0f;
        pad.LineTo(cx + r * std::cos(a), cy + r * 0.92f * std::sin(a));
    }
    pad.Close();
    c.Fill(pad.Stroke(1.6f), kPadDark);
    c.Fill(pad, Paint::Radial(cx - r * 0.4f, cy - r * 0.45f, r * 1.8f, {{0, kPadLight}, {0.45f, kPad}, {1, kPadDark}}));
    // Veins from the centre.
    for (int i = 1; i < 7; ++i) {
        const float a = start + (6.2831853f - kNotch) * static_cast<float>(i) / 7.0f;
        c.Line(cx, cy, cx + r * 0.8f * std::cos(a), cy + r * 0.74f * std::sin(a), 0.7f, art::Mix(kPad, kPadDark, 0.5f));
    }
    c.Fill(Path::Ellipse(cx - r * 0.35f, cy - r * 0.45f, r * 0.28f, r * 0.12f), art::Shade(kPadLight, 0.35f));
}

void Reeds(Canvas& c, float x, float base, float height, uint32_t seed) {
    art::Dice dice(seed);
    for (int i = 0; i < 6; ++i) {
        const float bx = x + static_cast<float>(i) * 4 + dice.Next() * 3;
        const float h = height * (0.55f + 0.45f * dice.Next());
        const float lean = (dice.Next() - 0.5f) * height * 0.35f;
        Path blade;
        blade.MoveTo(bx - 2, base);
        blade.QuadTo(bx + lean * 0.3f, base - h * 0.6f, bx + lean, base - h);
        blade.QuadTo(bx + lean * 0.3f + 1, base - h * 0.6f, bx + 2, base);
        blade.Close();
        c.Fill(blade, Paint::Linear(bx - 2, 0, bx + 2, 0, {{0, kReed}, {1, kReedDark}}));
        if (i % 2 == 1) {
            const float tx = bx + lean * 0.75f, ty = base - h * 0.78f;
            c.Fill(Path::RoundRect(tx - 2.2f, ty - 7, 4.4f, 11, 2.2f),
                   Paint::Linear(tx - 2, 0, tx + 2, 0, {{0, art::Shade(kCattail, 0.3f)}, {1, art::Shade(kCattail, -0.3f)}}));
        }
    }
}

void NameLettering(Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style) {
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 3; ++dy) c.Text(x + dx, y + dy, text, style, kNight);
    c.OutlinedText(x, y, text, style, kLime, kLimeDark);
    // The upper half lit, the lower half a deeper green.
    Canvas lower(Canvas::TextWidth(text, style) + 4, Canvas::TextHeight(style) + 4);
    const int height = lower.Height();
    lower.Text(2, 2, text, style, 0x8FD400);
    lower.Erase(Path::Rect(0, 0, static_cast<float>(lower.Width()), static_cast<float>(height * 55 / 100)));
    c.Draw(lower, x - 2, y - 2);
}

}  // namespace grumbolt_art
