// The start-up splash: 400x240. The program writes four lines of legal text from (90, 172)
// downward, so the lower band stays light and calm from x = 90 and y = 165.
#include <cmath>
#include <string_view>

#include "PortalLook.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;

using portal::kCream;
using portal::kCreamDeep;
using portal::kGreen;
using portal::kIndigo;
using portal::kIndigoLight;
using portal::kTeal;

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
        c.Fill(portal::StarPath(s[0], s[1], s[2], s[2] * 0.45f), Paint::Solid(kCreamDeep));
        c.Outline(portal::StarPath(s[0], s[1], s[2], s[2] * 0.45f), 1.0f, 0xE0B000);
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

    c.Fill(Path::Ellipse(49, 227, 24, 4), Paint::Solid(0xD9D28A));
    portal::Mascot(c, 46, 196, 27, 27);
    // Motion marks behind the bouncing ball.
    for (int i = 0; i < 3; ++i)
        c.Line(6, 176.0f + i * 8, 14 - i * 2.0f, 176.0f + i * 8, 2, 0xE8D890);

    const art::TextStyle logoStyle{58, true};
    const int logoWidth = Canvas::TextWidth("Rivakel", logoStyle);
    portal::WordMark(c, (400 - logoWidth) / 2, 30, "Rivakel", logoStyle);
    const art::TextStyle tagStyle{14, true};
    const std::string_view tag = "Games for everyone";
    const int tagWidth = Canvas::TextWidth(tag, tagStyle);
    c.OutlinedText((400 - tagWidth) / 2, 104, tag, tagStyle, kCream, kIndigo);
    return art::Still(std::move(c));
}

const art::ImageRecipe splash{"img-splash.gif", 400, 240, 1, DrawSplash};

}  // namespace
