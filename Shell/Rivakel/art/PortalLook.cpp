#include "PortalLook.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace portal {

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using art::Shade;

constexpr float kPi = std::numbers::pi_v<float>;

// A glyph drawn in a 24x24 box: the body in the fill colour, details in the rim colour and
// accents in red.
struct GlyphShape {
    std::vector<Path> body;  // parts, each filled on its own
    Path details;
    Path accents;
    art::FillRule rule = art::FillRule::NonZero;  // EvenOdd for a body with holes
};

Path Svg(std::string_view data) {
    auto path = Path::FromSvg(data);
    return path ? *path : Path();
}

Path Merge(std::initializer_list<Path> parts) {
    Path out;
    for (const Path& part : parts) {
        for (size_t i = 0; i < part.Figures().size(); ++i) {
            const auto& figure = part.Figures()[i];
            if (figure.empty()) continue;
            out.MoveTo(figure[0].x, figure[0].y);
            for (size_t p = 1; p < figure.size(); ++p) out.LineTo(figure[p].x, figure[p].y);
            if (part.Closed()[i]) out.Close();
        }
    }
    return out;
}

// A piece of a ring between two angles (degrees, clockwise from the right).
Path Sector(float cx, float cy, float outer, float inner, float fromDegrees, float toDegrees) {
    constexpr int kSteps = 8;
    const auto at = [&](int step, float r) {
        const float a = (fromDegrees + (toDegrees - fromDegrees) * static_cast<float>(step) / kSteps) * kPi / 180;
        return art::PointF{cx + r * std::cos(a), cy + r * std::sin(a)};
    };
    std::vector<art::PointF> corners;
    for (int i = 0; i <= kSteps; ++i) corners.push_back(at(i, outer));
    for (int i = kSteps; i >= 0; --i) corners.push_back(at(i, inner));
    return Path::Polygon(corners);
}

// Most of a circle, turning clockwise, with an arrowhead at its end: "start again".
std::vector<Path> TurningArrow() {
    constexpr float kCx = 12, kCy = 13, kR = 7.5f;
    constexpr float kFrom = -40 * kPi / 180, kTo = 220 * kPi / 180;
    Path arc;
    arc.MoveTo(kCx + kR * std::cos(kFrom), kCy + kR * std::sin(kFrom));
    arc.ArcTo(kR, kR, 0, true, true, kCx + kR * std::cos(kTo), kCy + kR * std::sin(kTo));
    const art::PointF end{kCx + kR * std::cos(kTo), kCy + kR * std::sin(kTo)};
    const art::PointF along{-std::sin(kTo), std::cos(kTo)}, across{std::cos(kTo), std::sin(kTo)};
    const Path head = Path::Polygon({{end.x + along.x * 6.5f, end.y + along.y * 6.5f},
                                     {end.x + across.x * 5.5f - along.x, end.y + across.y * 5.5f - along.y},
                                     {end.x - across.x * 5.5f - along.x, end.y - across.y * 5.5f - along.y}});
    return {arc.Stroke(4.2f), head};
}

Path Gear() {
    std::vector<art::PointF> rim;
    constexpr int kTeeth = 8;
    for (int i = 0; i < kTeeth * 4; ++i) {
        const float a = static_cast<float>(i) * kPi * 2 / (kTeeth * 4);
        const float r = (i % 4) < 2 ? 11.0f : 8.2f;
        rim.push_back({12 + r * std::cos(a + 0.1f), 12 + r * std::sin(a + 0.1f)});
    }
    return Path::Polygon(rim);
}

// The text at every offset within `radius`, which rings the letters in `colour`.
void TextRing(Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style, uint32_t colour,
              float radius) {
    const int reach = static_cast<int>(radius);
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (static_cast<float>(dx * dx + dy * dy) <= radius * radius) c.Text(x + dx, y + dy, text, style, colour);
}

GlyphShape ShapeOf(Glyph glyph) {
    GlyphShape s;
    switch (glyph) {
        case Glyph::Home:
            s.body = {Svg("M12 1.5 L23 11.5 H19.5 V22.5 H4.5 V11.5 H1 Z"), Svg("M16 3.5 H19 V8.5 L16 6 Z")};
            s.details = Svg("M9.8 14.5 H14.2 V22.5 H9.8 Z");
            break;
        case Glyph::Games:
            s.body = {Path::RoundRect(2.5f, 2.5f, 19, 19, 4.5f)};
            s.details = Merge({Path::Ellipse(7.5f, 7.5f, 2.1f, 2.1f), Path::Ellipse(16.5f, 7.5f, 2.1f, 2.1f),
                               Path::Ellipse(12, 12, 2.1f, 2.1f), Path::Ellipse(7.5f, 16.5f, 2.1f, 2.1f),
                               Path::Ellipse(16.5f, 16.5f, 2.1f, 2.1f)});
            break;
        case Glyph::Support:
            s.body = {Merge({Path::Ellipse(12, 12, 11, 11), Path::Ellipse(12, 12, 5, 5)})};
            s.rule = art::FillRule::EvenOdd;
            s.accents = Merge({Sector(12, 12, 11, 5, 20, 70), Sector(12, 12, 11, 5, 110, 160),
                               Sector(12, 12, 11, 5, 200, 250), Sector(12, 12, 11, 5, 290, 340)});
            break;
        case Glyph::About:
            s.body = {Path::Ellipse(12, 4.5f, 3, 3), Svg("M7.5 9 H14.5 V19.5 H17 V22.5 H7.5 V19.5 H10 V12 H7.5 Z")};
            break;
        case Glyph::Join: s.body = {StarPath(12, 13, 12, 5)}; break;
        case Glyph::RemoveGames:
            s.body = {Svg("M2.5 4.5 H21.5 V8 H2.5 Z"), Svg("M8.5 4.5 V1.5 H15.5 V4.5 Z"),
                      Svg("M4.5 9.5 H19.5 L18 22.5 H6 Z")};
            s.details = Merge({Path::Rect(8.3f, 11.5f, 1.6f, 8.5f), Path::Rect(11.2f, 11.5f, 1.6f, 8.5f),
                               Path::Rect(14.1f, 11.5f, 1.6f, 8.5f), Path::Rect(4, 7.8f, 16, 1.2f)});
            break;
        case Glyph::GetMoreGames: s.body = {Svg("M9 1.5 H15 V9 H22.5 V15 H15 V22.5 H9 V15 H1.5 V9 H9 Z")}; break;
        case Glyph::Settings:
            s.body = {Gear()};
            s.details = Path::Ellipse(12, 12, 3.4f, 3.4f);
            break;
        case Glyph::Mail:
            s.body = {Path::RoundRect(1.5f, 4.5f, 21, 15, 2)};
            s.details = Svg("M2 5.5 L12 13.5 L22 5.5").Stroke(1.6f);
            break;
        case Glyph::NewGame: s.body = TurningArrow(); break;
        case Glyph::Pause: s.body = {Path::RoundRect(4, 3, 6, 18, 1.5f), Path::RoundRect(14, 3, 6, 18, 1.5f)}; break;
        case Glyph::Resume:
            s.body = {Svg("M6 2.5 Q6 1 7.5 1.8 L21 10.7 Q22.5 12 21 13.3 L7.5 22.2 Q6 23 6 21.5 Z")};
            break;
        case Glyph::Instructions:
            s.body = {Svg("M5.5 8.5 C5.5 3.8 8.8 1 12.3 1 C16.4 1 19 3.6 19 7 C19 10.4 16.6 11.7 15.2 12.8 "
                          "C14.3 13.5 14.2 14.2 14.2 16 H9.8 C9.8 13.2 10.4 11.8 12.3 10.4 C13.8 9.3 14.6 8.6 "
                          "14.6 7.2 C14.6 5.9 13.6 5 12.2 5 C10.6 5 9.8 6.2 9.8 8.5 Z"),
                      Path::Ellipse(12, 20, 2.6f, 2.6f)};
            break;
        case Glyph::ReturnToGame:
            s.body = {
                Svg("M10 2 L1.5 9.5 L10 17 V12.5 H15 C17.3 12.5 18.5 14 18.5 16 C18.5 18 17.3 19.5 15 19.5 H11 "
                    "V23 H15 C19.5 23 22.5 20 22.5 16 C22.5 12 19.5 8.8 15 8.8 H10 Z")};
            break;
        case Glyph::Warning:
            s.body = {
                Svg("M12 1.5 C13 1.5 13.5 2 14 3 L23 20 C23.6 21.3 23 22.5 21.5 22.5 H2.5 C1 22.5 0.4 21.3 1 20 "
                    "L10 3 C10.5 2 11 1.5 12 1.5 Z")};
            s.details = Merge({Svg("M10.3 8 H13.7 L13 16 H11 Z"), Path::Ellipse(12, 19, 1.8f, 1.8f)});
            break;
        case Glyph::Card:
            s.body = {Path::RoundRect(4, 1, 16, 22, 2.5f)};
            s.details =
                Svg("M12 17 C8 14 6.5 12 6.5 9.8 C6.5 8 8 6.8 9.5 6.8 C10.7 6.8 11.5 7.5 12 8.4 C12.5 7.5 "
                    "13.3 6.8 14.5 6.8 C16 6.8 17.5 8 17.5 9.8 C17.5 12 16 14 12 17 Z");
            break;
    }
    return s;
}

}  // namespace

uint32_t GlyphColour(Glyph glyph) {
    switch (glyph) {
        case Glyph::Home:
        case Glyph::NewGame: return kOrange;
        case Glyph::Games:
        case Glyph::GetMoreGames:
        case Glyph::Resume:
        case Glyph::ReturnToGame: return kGreen;
        case Glyph::Support: return 0x2E8B9A;
        case Glyph::About: return kIndigoLight;
        case Glyph::Join: return 0xD02828;
        case Glyph::RemoveGames: return 0x886644;
        case Glyph::Settings: return 0x6A6AA0;
        case Glyph::Mail: return 0x3399CC;
        case Glyph::Pause:
        case Glyph::Warning: return 0xFFCC00;
        case Glyph::Instructions: return kTeal;
        case Glyph::Card: return kWhite;
    }
    return kIndigo;
}

uint32_t GlyphInk(Glyph glyph) {
    const uint32_t c = GlyphColour(glyph);
    const int luma = static_cast<int>(((c >> 16) & 0xFF) * 3 + ((c >> 8) & 0xFF) * 6 + (c & 0xFF)) / 10;
    return luma > 170 ? kIndigo : kWhite;
}

void ButtonFace(Canvas& c, Box b, uint32_t colour, bool over) {
    const uint32_t base = over ? Shade(colour, 0.28f) : colour;
    const float r = b.h / 5;
    c.Fill(Path::RoundRect(b.x, b.y, b.w, b.h, r), Shade(base, -0.5f));
    c.Fill(
        Path::RoundRect(b.x + 1, b.y + 1, b.w - 2, b.h - 2, std::max(r - 1, 1.0f)),
        Paint::Linear(0, b.y + 1, 0, b.y + b.h - 1,
                      {{0, Shade(base, 0.35f)}, {0.5f, base}, {0.51f, Shade(base, -0.06f)}, {1, Shade(base, -0.18f)}}));
    c.Line(b.x + r, b.y + 1.5f, b.x + b.w - r, b.y + 1.5f, 1, Shade(base, 0.65f));
    c.Line(b.x + r, b.y + b.h - 1.5f, b.x + b.w - r, b.y + b.h - 1.5f, 1, Shade(base, -0.3f));
}

void Medallion(Canvas& c, float cx, float cy, float r, uint32_t colour, bool over) {
    const uint32_t base = over ? Shade(colour, 0.25f) : colour;
    c.Fill(Path::Ellipse(cx, cy, r, r), Shade(base, -0.55f));
    if (over) {
        c.Fill(Path::Ellipse(cx, cy, r - 1, r - 1), kCreamDeep);
        r -= 1.5f;
    }
    c.Fill(Path::Ellipse(cx, cy, r - 1, r - 1),
           Paint::Radial(cx - r * 0.35f, cy - r * 0.4f, r * 1.7f,
                         {{0, Shade(base, 0.35f)}, {0.5f, base}, {1, Shade(base, -0.25f)}}));
    c.Fill(Path::Ellipse(cx - r * 0.3f, cy - r * 0.55f, r * 0.42f, r * 0.2f), Shade(base, 0.5f));
}

void DrawGlyph(Canvas& c, Glyph glyph, float cx, float cy, float size, uint32_t fill, uint32_t rim) {
    const GlyphShape shape = ShapeOf(glyph);
    const float s = size / 24;
    const auto place = [&](const Path& p) { return p.Transformed(s, cx - size / 2, cy - size / 2); };
    const float rimWidth = std::clamp(size / 12, 1.6f, 2.6f);
    for (const Path& part : shape.body) c.Fill(place(part).Stroke(rimWidth), rim);
    for (const Path& part : shape.body) c.Fill(place(part), fill, shape.rule);
    if (!shape.accents.Figures().empty()) c.Fill(place(shape.accents), kRed);
    if (!shape.details.Figures().empty()) c.Fill(place(shape.details), rim);
}

int Caption(Canvas& c, float cx, float cy, std::string_view text, const art::TextStyle& style, uint32_t colour,
            uint32_t shadow) {
    const int w = Canvas::TextWidth(text, style);
    const int x = static_cast<int>(std::lround(cx - static_cast<float>(w) / 2));
    const int y = static_cast<int>(std::lround(cy - static_cast<float>(Canvas::TextHeight(style)) / 2));
    c.Text(x + 1, y + 1, text, style, shadow);
    c.Text(x, y, text, style, colour);
    return w;
}

void TitleText(Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style, uint32_t fill,
               uint32_t inner, uint32_t outer, TitleRings rings) {
    TextRing(c, x + 1, y + 1, text, style, outer, rings.outer);
    TextRing(c, x, y, text, style, outer, rings.outer);
    TextRing(c, x, y, text, style, inner, rings.inner);
    c.Text(x, y, text, style, fill);
}

void WordMark(Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style) {
    TextRing(c, x, y + 1, text, style, kCream, 3.2f);
    TextRing(c, x, y, text, style, kBrown, 1.5f);
    c.Text(x + 2, y + 3, text, style, kBrown);
    c.Text(x, y, text, style, kOrange);
    // A lighter top half gives the letters a little light from above.
    Canvas light(c.Width(), c.Height());
    light.Text(x, y, text, style, Shade(kOrange, 0.35f));
    const int half = y + Canvas::TextHeight(style) / 2;
    for (int py = 0; py < half && py < c.Height(); ++py)
        for (int px = 0; px < c.Width(); ++px)
            if (light.At(px, py) != art::kKey) c.Set(px, py, light.At(px, py));
}

void Submarine(Canvas& c, float cx, float cy, float scale) {
    const auto at = [&](float dx, float dy) { return art::PointF{cx + dx * scale, cy + dy * scale}; };
    const auto rect = [&](float dx, float dy, float w, float h) {
        const art::PointF p = at(dx, dy);
        return Path::Rect(p.x, p.y, w * scale, h * scale);
    };
    c.Fill(rect(4, -19, 3, 12), 0x886600);  // the periscope
    c.Fill(rect(4, -19, 8, 3), 0x886600);
    const art::PointF tower = at(-4, -11);
    c.Fill(Path::RoundRect(tower.x, tower.y, 14 * scale, 8 * scale, 3 * scale), 0xE6B800);
    c.Fill(Path::Ellipse(cx, at(0, 1).y, 26 * scale, 9 * scale), 0x997700);
    c.Fill(Path::Ellipse(cx, cy, 25 * scale, 8 * scale), 0xFFCC00);
    for (const float dx : {-12.0f, 0.0f, 12.0f}) {
        const art::PointF porthole = at(dx, 0);
        c.Fill(Path::Ellipse(porthole.x, porthole.y, 3 * scale, 3 * scale), 0x886600);
        c.Fill(Path::Ellipse(porthole.x, porthole.y, 2 * scale, 2 * scale), 0x99DDFF);
    }
}

void Mascot(Canvas& c, float cx, float cy, float rx, float ry) {
    const float r = std::min(rx, ry);
    c.Fill(Path::Ellipse(cx, cy, rx, ry), Paint::Radial(cx - rx * 0.4f, cy - ry * 0.45f, r * 1.6f,
                                                        {{0, 0xFFCC66}, {0.45f, kOrange}, {1, kOrangeDark}}));
    c.Outline(Path::Ellipse(cx, cy, rx, ry), std::max(1.0f, r / 18), 0x994400);
    c.Fill(Path::Ellipse(cx - rx * 0.35f, cy - ry * 0.5f, rx * 0.28f, ry * 0.16f), 0xFFE8B0);
    for (const float side : {-1.0f, 1.0f}) {
        c.Fill(Path::Ellipse(cx + side * rx * 0.32f, cy - ry * 0.08f, rx * 0.14f, ry * 0.2f), 0x331100);
        c.Fill(Path::Ellipse(cx + side * rx * 0.32f + r / 27, cy - ry * 0.16f, rx * 0.05f, ry * 0.06f), kWhite);
        c.Fill(Path::Ellipse(cx + side * rx * 0.6f, cy + ry * 0.25f, rx * 0.12f, ry * 0.07f), 0xFF8060);
    }
    Path smile;
    smile.MoveTo(cx - rx * 0.38f, cy + ry * 0.22f);
    smile.QuadTo(cx, cy + ry * 0.7f, cx + rx * 0.38f, cy + ry * 0.22f);
    c.Outline(smile, std::max(1.0f, r / 13), 0x331100);
}

Path StarPath(float cx, float cy, float outer, float inner) {
    std::vector<art::PointF> corners;
    for (int i = 0; i < 10; ++i) {
        const float r = (i % 2) == 0 ? outer : inner;
        const float a = -kPi / 2 + static_cast<float>(i) * kPi / 5;
        corners.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return Path::Polygon(corners);
}

art::TextStyle FittingStyle(std::string_view text, int height, int width) {
    art::TextStyle style{height, true};
    while (style.height > 8 && Canvas::TextWidth(text, style) > width) --style.height;
    return style;
}

art::Picture NormalAndOver(const std::function<void(Canvas&, bool over)>& draw, int width, int height) {
    art::Picture picture;
    for (const bool over : {false, true}) {
        Canvas c(width, height);
        draw(c, over);
        picture.frames.push_back(std::move(c));
        picture.delays.push_back(0);
    }
    picture.loop = false;
    return picture;
}

art::Picture Lettering(std::string_view text, int width, int height, uint32_t colour, uint32_t shadow) {
    Canvas c(width, height);
    const art::TextStyle style = FittingStyle(text, height - 1, width - 2);
    Caption(c, static_cast<float>(width) / 2 - 0.5f, static_cast<float>(height) / 2 - 0.5f, text, style, colour, shadow);
    return art::Still(std::move(c));
}

art::Picture TextButton(std::string_view text, int width, int height, uint32_t colour) {
    Canvas c(width, height);
    ButtonFace(c, {0, 0, static_cast<float>(width), static_cast<float>(height)}, colour, false);
    const art::TextStyle style = FittingStyle(text, height - 9, width - 12);
    Caption(c, static_cast<float>(width) / 2, static_cast<float>(height) / 2, text, style, kWhite, Shade(colour, -0.6f));
    return art::Still(std::move(c));
}

}  // namespace portal
