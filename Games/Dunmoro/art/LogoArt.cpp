// Dunmoro's logos: Master Oru's mountain at dusk, a fan of cards and the game's name.
//
//   p-img-logo-342x193.gif  the title screen's, at (0, 10) over the table; right of x 300 it is
//                           clear, so the best players' table beside it shows
//   p-img-logo-94x76.gif    the play screen's, bottom left
//   p-img-logo-80x60.gif    the catalogue's, on the portal's pages (opaque)
#include <cmath>
#include <string_view>
#include <vector>

#include "art/ArtRegistry.h"
#include "DunmoroPalette.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace dunmoro_art;

// A rectangle of w x h turned by `degrees` about its bottom centre (bx, by).
Path TurnedCard(float bx, float by, float w, float h, float degrees) {
    const float a = degrees * 3.14159265f / 180.0f;
    const float c = std::cos(a), s = std::sin(a);
    auto at = [&](float x, float y) { return art::PointF{bx + x * c - y * s, by + x * s + y * c}; };
    return Path::Polygon({at(-w / 2, 0), at(w / 2, 0), at(w / 2, -h), at(-w / 2, -h)});
}

art::PointF TurnedPoint(float bx, float by, float x, float y, float degrees) {
    const float a = degrees * 3.14159265f / 180.0f;
    return {bx + x * std::cos(a) - y * std::sin(a), by + x * std::sin(a) + y * std::cos(a)};
}

Path Heart(float cx, float cy, float r) {
    Path p;
    p.MoveTo(cx, cy + r);
    p.CubicTo(cx - r * 1.6f, cy - r * 0.1f, cx - r * 0.9f, cy - r * 1.3f, cx, cy - r * 0.45f);
    p.CubicTo(cx + r * 0.9f, cy - r * 1.3f, cx + r * 1.6f, cy - r * 0.1f, cx, cy + r);
    p.Close();
    return p;
}

Path Spade(float cx, float cy, float r) {
    Path p;
    p.MoveTo(cx, cy - r);
    p.CubicTo(cx + r * 1.6f, cy + r * 0.2f, cx + r * 0.9f, cy + r * 1.2f, cx + r * 0.1f, cy + r * 0.5f);
    p.LineTo(cx + r * 0.5f, cy + r * 1.3f);
    p.LineTo(cx - r * 0.5f, cy + r * 1.3f);
    p.LineTo(cx - r * 0.1f, cy + r * 0.5f);
    p.CubicTo(cx - r * 0.9f, cy + r * 1.2f, cx - r * 1.6f, cy + r * 0.2f, cx, cy - r);
    p.Close();
    return p;
}

// A fan of cards opening upward from (bx, by).
void CardFan(Canvas& c, float bx, float by, float w, float h, float spread) {
    const float angles[5] = {-2 * spread, -spread, 0, spread, 2 * spread};
    for (int i = 0; i < 5; ++i) {
        const float a = angles[i];
        c.Fill(TurnedCard(bx, by, w + 2, h + 2, a), kCardEdge);
        c.Fill(TurnedCard(bx, by - 1, w, h, a), kCardWhite);
        const art::PointF mark = TurnedPoint(bx, by, -w * 0.22f, -h * 0.78f, a);
        const float r = w * 0.16f;
        if (i % 2 == 0) c.Fill(Heart(mark.x, mark.y, r), kCardRed);
        else c.Fill(Spade(mark.x, mark.y, r), kInk);
    }
    // The top card shows its big centre pip.
    const art::PointF centre = TurnedPoint(bx, by, 0, -h * 0.5f, 2 * spread);
    c.Fill(Heart(centre.x, centre.y, w * 0.28f), kCardRed);
}

// Mountains against a dusk sky, filling `sky` (its shape clips nothing: callers paint the
// frame afterwards).
void MountainScene(Canvas& c, float left, float top, float width, float height) {
    const float right = left + width, bottom = top + height;
    auto X = [&](float f) { return left + f * width; };
    auto Y = [&](float f) { return top + f * height; };
    c.Fill(Path::Rect(left, top, width, height),
           Paint::Linear(0, top, 0, bottom, {{0, kDuskTop}, {0.7f, kDuskLow}, {1, 0xE8A0A0}}));
    // The rising moon.
    c.Fill(Path::Ellipse(X(0.78f), Y(0.3f), width * 0.07f, width * 0.07f), Paint::Solid(kCream));
    // Far range.
    c.Fill(Path::Polygon({{left, Y(0.8f)}, {X(0.12f), Y(0.5f)}, {X(0.24f), Y(0.66f)}, {X(0.62f), Y(0.42f)},
                          {X(0.85f), Y(0.62f)}, {right, Y(0.55f)}, {right, bottom}, {left, bottom}}),
           kMountainLight);
    // Dun Moro itself, with its snow cap.
    const art::PointF peak{X(0.42f), Y(0.16f)};
    c.Fill(Path::Polygon({{X(0.05f), bottom}, {X(0.3f), Y(0.42f)}, peak, {X(0.56f), Y(0.38f)}, {X(0.66f), Y(0.5f)},
                          {X(0.95f), bottom}}),
           Paint::Linear(X(0.3f), Y(0.2f), X(0.6f), bottom, {{0, kMountainLight}, {1, kMountain}}));
    c.Fill(Path::Polygon({{X(0.34f), Y(0.33f)}, peak, {X(0.5f), Y(0.3f)}, {X(0.47f), Y(0.34f)}, {X(0.43f), Y(0.3f)},
                          {X(0.39f), Y(0.36f)}}),
           kSnow);
    // Green foothills.
    Path hills;
    hills.MoveTo(left, Y(0.86f));
    hills.CubicTo(X(0.3f), Y(0.72f), X(0.6f), Y(0.9f), right, Y(0.78f));
    hills.LineTo(right, bottom);
    hills.LineTo(left, bottom);
    hills.Close();
    c.Fill(hills, Paint::Linear(0, Y(0.75f), 0, bottom, {{0, kTableGreenLight}, {1, kTableGreen}}));
}

// The game's name: gold letters with a brown ring and a cream ring outside it, lit from above.
void Title(Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style) {
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            if (dx * dx + dy * dy <= 10) c.Text(x + dx, y + dy + 1, text, style, kCream);
    for (int dy = -1; dy <= 2; ++dy)
        for (int dx = -1; dx <= 1; ++dx) c.Text(x + dx, y + dy, text, style, kBrown);
    c.Text(x, y, text, style, kGoldDark);
    Canvas light(c.Width(), c.Height());
    light.Text(x, y - 1, text, style, kGold);
    Canvas shine(c.Width(), c.Height());
    shine.Text(x, y - 1, text, style, kGoldLight);
    const int half = y + Canvas::TextHeight(style) / 2;
    for (int py = 0; py < c.Height(); ++py)
        for (int px = 0; px < c.Width(); ++px) {
            if (light.At(px, py) == art::kKey) continue;
            // The glyph's own lower edge stays dark: the gold sits above it.
            if (py < half - 4) c.Set(px, py, shine.At(px, py));
            else if (light.At(px, py + 1) != art::kKey) c.Set(px, py, kGold);
        }
}

// A red ribbon with folded ends and a cream word on it.
void Ribbon(Canvas& c, float cx, float cy, float width, float height, std::string_view word,
            const art::TextStyle& style) {
    const float l = cx - width / 2, r = cx + width / 2, t = cy - height / 2, b = cy + height / 2;
    const float tail = height * 0.7f;
    for (const float side : {-1.0f, 1.0f}) {
        const float edge = side < 0 ? l : r;
        c.Fill(Path::Polygon({{edge, t + 4}, {edge + side * tail, t + 4}, {edge + side * tail * 0.6f, (t + b) / 2 + 2},
                              {edge + side * tail, b + 4}, {edge, b + 4}}),
               kCardRedDark);
    }
    const Path band = Path::RoundRect(l, t, width, height, 3);
    c.Fill(band, Paint::Linear(0, t, 0, b, {{0, 0xE03030}, {1, kCardRed}}));
    c.Outline(band, 1.0f, kCardRedDark);
    const int w = Canvas::TextWidth(word, style);
    c.OutlinedText(static_cast<int>(cx) - w / 2, static_cast<int>(t + (height - Canvas::TextHeight(style)) / 2), word,
                   style, kCream, kCardRedDark);
}

// The mountain scene inside a rounded brown frame of `border` pixels.
void FramedScene(Canvas& c, float left, float top, float width, float height, float radius, float border) {
    Canvas scene(c.Width(), c.Height());
    MountainScene(scene, left, top, width, height);
    c.Fill(Path::RoundRect(left, top, width, height, radius), kBrown);
    Canvas inside(c.Width(), c.Height());
    inside.Fill(Path::RoundRect(left + border, top + border, width - 2 * border, height - 2 * border, radius - border),
                0x000000);
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (inside.At(x, y) != art::kKey) c.Set(x, y, scene.At(x, y));
}

art::Picture DrawTitleLogo() {
    Canvas c(342, 193);
    FramedScene(c, 8, 6, 284, 150, 22, 4);
    c.Outline(Path::RoundRect(10.5f, 8.5f, 279, 145, 20.5f), 1.2f, kGold);

    // Stars over the peak.
    const float stars[][3] = {{40, 28, 2.5f}, {78, 18, 1.8f}, {196, 22, 2.2f}, {256, 40, 1.6f}, {118, 36, 1.4f}};
    for (const auto& star : stars) {
        c.Line(star[0] - star[2], star[1], star[0] + star[2], star[1], 1.0f, kCream);
        c.Line(star[0], star[1] - star[2], star[0], star[1] + star[2], 1.0f, kCream);
    }
    CardFan(c, 150, 192, 34, 50, 13);
    const art::TextStyle titleStyle{48, true};
    const int titleWidth = Canvas::TextWidth("Dun Moro", titleStyle);
    Title(c, 150 - titleWidth / 2, 60, "Dun Moro", titleStyle);
    Ribbon(c, 150, 130, 150, 26, "CHALLENGE", art::TextStyle{17, true});
    return art::Still(c);
}

art::Picture DrawPlayLogo() {
    Canvas c(94, 76);
    FramedScene(c, 1, 1, 92, 64, 10, 2);
    const art::TextStyle style{19, true};
    const int w = Canvas::TextWidth("Dun Moro", style);
    Title(c, 47 - w / 2, 8, "Dun Moro", style);
    Ribbon(c, 47, 62, 62, 13, "CHALLENGE", art::TextStyle{9, true});
    return art::Still(c);
}

art::Picture DrawCatalogueLogo() {
    Canvas c(80, 60);
    c.Clear(kBrown);
    MountainScene(c, 2, 2, 76, 56);
    c.Outline(Path::Rect(1.5f, 1.5f, 77, 57), 1.0f, kGold);
    CardFan(c, 58, 58, 12, 18, 14);
    const art::TextStyle style{17, true};
    Title(c, 5, 4, "Dun", style);
    Title(c, 5, 22, "Moro", style);
    return art::Still(c);
}

const art::ImageRecipe titleLogo{"p-img-logo-342x193.gif", 342, 193, 1, DrawTitleLogo};
const art::ImageRecipe playLogo{"p-img-logo-94x76.gif", 94, 76, 1, DrawPlayLogo};
const art::ImageRecipe catalogueLogo{"p-img-logo-80x60.gif", 80, 60, 1, DrawCatalogueLogo};

}  // namespace
