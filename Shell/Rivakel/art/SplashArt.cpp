// The start-up splash: 400x240. The program writes four lines of legal text from (90, 172)
// downward, so the lower band stays light and calm from x = 90 and y = 165.
#include <cmath>
#include <string_view>

#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;

constexpr uint32_t kIndigo = 0x333399;
constexpr uint32_t kIndigoLight = 0x5555BB;
constexpr uint32_t kOrange = 0xFF9900;
constexpr uint32_t kOrangeDark = 0xCC6600;
constexpr uint32_t kCream = 0xFFFFCC;
constexpr uint32_t kCreamDeep = 0xFFFF99;
constexpr uint32_t kGreen = 0x339900;
constexpr uint32_t kBrown = 0x663300;
constexpr uint32_t kTeal = 0x99CCCC;

// A five-pointed star centred on (cx, cy).
Path Star(float cx, float cy, float outer, float inner) {
    std::vector<art::PointF> points;
    for (int i = 0; i < 10; ++i) {
        const float r = (i % 2) == 0 ? outer : inner;
        const float a = -1.5708f + static_cast<float>(i) * 0.6283f;
        points.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return Path::Polygon(points);
}

// The word mark: orange letters with a brown inner ring and a cream outer ring.
void Logo(Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style) {
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            if (dx * dx + dy * dy <= 10) c.Text(x + dx, y + dy + 1, text, style, kCream);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) c.Text(x + dx, y + dy, text, style, kBrown);
    c.Text(x + 2, y + 3, text, style, kBrown);
    c.Text(x, y, text, style, kOrange);
    // A lighter top half gives the letters a little light from above.
    Canvas light(c.Width(), c.Height());
    light.Text(x, y, text, style, art::Shade(kOrange, 0.35f));
    const int half = y + art::Canvas::TextHeight(style) / 2;
    for (int py = 0; py < half && py < c.Height(); ++py)
        for (int px = 0; px < c.Width(); ++px)
            if (light.At(px, py) != art::kKey) c.Set(px, py, light.At(px, py));
}

// A cheerful ball with a face, bouncing in from the left.
void Mascot(Canvas& c, float cx, float cy, float r) {
    c.Fill(Path::Ellipse(cx + 3, cy + r + 4, r * 0.9f, 4), Paint::Solid(0xD9D28A));
    c.Fill(Path::Ellipse(cx, cy, r, r),
           Paint::Radial(cx - r * 0.4f, cy - r * 0.45f, r * 1.6f, {{0, 0xFFCC66}, {0.45f, kOrange}, {1, kOrangeDark}}));
    c.Outline(Path::Ellipse(cx, cy, r, r), 1.5f, 0x994400);
    c.Fill(Path::Ellipse(cx - r * 0.35f, cy - r * 0.5f, r * 0.28f, r * 0.16f), Paint::Solid(0xFFE8B0));
    for (const float side : {-1.0f, 1.0f}) {
        c.Fill(Path::Ellipse(cx + side * r * 0.32f, cy - r * 0.08f, r * 0.14f, r * 0.2f), Paint::Solid(0x331100));
        c.Fill(Path::Ellipse(cx + side * r * 0.32f + 1, cy - r * 0.16f, r * 0.05f, r * 0.06f), Paint::Solid(0xFFFFFF));
        c.Fill(Path::Ellipse(cx + side * r * 0.6f, cy + r * 0.25f, r * 0.12f, r * 0.07f), Paint::Solid(0xFF8060));
    }
    Path smile;
    smile.MoveTo(cx - r * 0.38f, cy + r * 0.22f);
    smile.QuadTo(cx, cy + r * 0.7f, cx + r * 0.38f, cy + r * 0.22f);
    c.Outline(smile, 2.0f, 0x331100);
}

art::Picture DrawSplash() {
    Canvas c(400, 240);
    c.Clear(kIndigo);
    // Sky: indigo deepening downward, with soft rays from behind the logo.
    c.Fill(Path::Rect(0, 0, 400, 240), Paint::Linear(0, 0, 0, 170, {{0, kIndigoLight}, {1, kIndigo}}));
    for (int i = 0; i < 12; ++i) {
        const float a0 = static_cast<float>(i) * 0.5236f, a1 = a0 + 0.22f;
        c.Fill(Path::Polygon({{200, 70}, {200 + 420 * std::cos(a0), 70 + 420 * std::sin(a0)},
                              {200 + 420 * std::cos(a1), 70 + 420 * std::sin(a1)}}),
               Paint::Radial(200, 70, 260, {{0, 0x6666CC}, {1, kIndigo}}));
    }
    // Stars scattered across the sky.
    const float stars[][3] = {{30, 28, 7}, {362, 36, 9}, {70, 96, 5}, {336, 112, 6}, {120, 20, 4}, {280, 18, 5},
                              {22, 130, 4}, {384, 140, 4}};
    for (const auto& s : stars) {
        c.Fill(Star(s[0], s[1], s[2], s[2] * 0.45f), Paint::Solid(kCreamDeep));
        c.Outline(Star(s[0], s[1], s[2], s[2] * 0.45f), 1.0f, 0xE0B000);
    }

    // The lower band: a gentle green hill under a cream field where the legal text goes.
    Path hill;
    hill.MoveTo(0, 150);
    hill.CubicTo(90, 128, 190, 170, 280, 146);
    hill.CubicTo(330, 134, 370, 140, 400, 146);
    hill.LineTo(400, 240);
    hill.LineTo(0, 240);
    hill.Close();
    c.Fill(hill, Paint::Linear(0, 130, 0, 170, {{0, 0x66CC33}, {1, kGreen}}));
    Path field;
    field.MoveTo(0, 160);
    field.CubicTo(100, 150, 200, 164, 300, 156);
    field.CubicTo(340, 153, 375, 156, 400, 158);
    field.LineTo(400, 240);
    field.LineTo(0, 240);
    field.Close();
    c.Fill(field, Paint::Linear(0, 156, 0, 240, {{0, kCream}, {1, 0xFFF4C0}}));
    c.Line(0, 239.5f, 400, 239.5f, 1, kTeal);

    Mascot(c, 46, 196, 27);
    // Motion marks behind the bouncing ball.
    for (int i = 0; i < 3; ++i)
        c.Line(6, 176.0f + i * 8, 14 - i * 2.0f, 176.0f + i * 8, 2, 0xE8D890);

    const art::TextStyle logoStyle{58, true};
    const int logoWidth = Canvas::TextWidth("Rivakel", logoStyle);
    Logo(c, (400 - logoWidth) / 2, 30, "Rivakel", logoStyle);
    const art::TextStyle tagStyle{14, true};
    const std::string_view tag = "Games for everyone";
    const int tagWidth = Canvas::TextWidth(tag, tagStyle);
    c.OutlinedText((400 - tagWidth) / 2, 104, tag, tagStyle, kCream, kIndigo);
    return art::Still(std::move(c));
}

const art::ImageRecipe splash{"img-splash.gif", 400, 240, 1, DrawSplash};

}  // namespace
