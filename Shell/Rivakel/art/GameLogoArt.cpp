// The games' tile pictures, 80x60: each game's own scene in its own palette above a band with
// its name. Tiles show them at (1, 1) inside a black frame.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "PortalLook.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;

constexpr int kWidth = 80, kHeight = 60;
constexpr float kBandTop = 44;

struct Palette {
    uint32_t skyTop, skyBottom;  // the scene's ground
    uint32_t band;               // the name's band
};

void Ball(Canvas& c, float cx, float cy, float r, uint32_t colour) {
    c.Fill(Path::Ellipse(cx, cy, r, r), art::Shade(colour, -0.45f));
    c.Fill(Path::Ellipse(cx, cy, r - 1, r - 1),
           Paint::Radial(cx - r * 0.4f, cy - r * 0.4f, r * 1.6f, {{0, art::Shade(colour, 0.5f)}, {0.5f, colour}, {1, art::Shade(colour, -0.2f)}}));
    c.Fill(Path::Ellipse(cx - r * 0.35f, cy - r * 0.4f, r * 0.3f, r * 0.2f), art::Shade(colour, 0.75f));
}

void Bubbles(Canvas& c, const std::vector<uint32_t>& colours) {
    const float places[][3] = {{14, 16, 9}, {33, 28, 10}, {52, 14, 9}, {68, 30, 8}, {26, 8, 5}, {60, 36, 5}};
    for (size_t i = 0; i < std::size(places); ++i) Ball(c, places[i][0], places[i][1], places[i][2], colours[i % colours.size()]);
}

void Card(Canvas& c, float x, float y, float angle, uint32_t face, uint32_t ink, const char* mark) {
    const float ca = std::cos(angle), sa = std::sin(angle), w = 18, h = 26;
    auto at = [&](float px, float py) { return art::PointF{x + px * ca - py * sa, y + px * sa + py * ca}; };
    c.Fill(Path::Polygon({at(-w / 2 - 1, -h / 2 - 1), at(w / 2 + 1, -h / 2 - 1), at(w / 2 + 1, h / 2 + 1), at(-w / 2 - 1, h / 2 + 1)}),
           art::Shade(face, -0.55f));
    c.Fill(Path::Polygon({at(-w / 2, -h / 2), at(w / 2, -h / 2), at(w / 2, h / 2), at(-w / 2, h / 2)}), face);
    const art::TextStyle style{12, true};
    const art::PointF centre = at(0, 0);
    portal::Caption(c, centre.x, centre.y, mark, style, ink, face);
}

void Cards(Canvas& c, uint32_t face, uint32_t red, uint32_t black) {
    Card(c, 24, 24, -0.35f, face, black, "A");
    Card(c, 40, 20, 0, face, red, "K");
    Card(c, 56, 24, 0.35f, face, black, "Q");
}

void Hexagon(Canvas& c, float cx, float cy, float r, uint32_t colour) {
    std::vector<art::PointF> points;
    for (int i = 0; i < 6; ++i) {
        const float a = static_cast<float>(i) * 1.0472f;
        points.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    c.Fill(Path::Polygon(points), art::Shade(colour, -0.45f));
    for (art::PointF& p : points) p = {cx + (p.x - cx) * 0.82f, cy + (p.y - cy) * 0.82f};
    c.Fill(Path::Polygon(points), Paint::Linear(cx, cy - r, cx, cy + r, {{0, art::Shade(colour, 0.4f)}, {1, colour}}));
}

void Truck(Canvas& c) {
    for (int i = 0; i < 4; ++i) Ball(c, 18 + i * 7.0f, 12 - (i % 2) * 3.0f, 3.5f, i % 2 ? 0x3399FF : 0xFF3366);
    c.Fill(Path::RoundRect(8, 16, 42, 18, 2), 0xCC3300);
    c.Fill(Path::RoundRect(50, 20, 20, 14, 3), 0xFF6633);
    c.Fill(Path::Rect(56, 22, 10, 6), 0xCCEEFF);
    for (const float x : {18.0f, 40.0f, 62.0f}) {
        c.Fill(Path::Ellipse(x, 36, 5, 5), 0x222222);
        c.Fill(Path::Ellipse(x, 36, 2, 2), 0xBBBBBB);
    }
}

void Fence(Canvas& c, uint32_t wood) {
    for (float x = 4; x < 80; x += 12) c.Fill(Path::Rect(x, 22, 4, 20), wood);
    c.Fill(Path::Rect(0, 26, 80, 3), art::Shade(wood, -0.2f));
    c.Fill(Path::Rect(0, 34, 80, 3), art::Shade(wood, -0.2f));
}

void Sheep(Canvas& c, float x, float y) {
    for (const float dx : {-5.0f, 0.0f, 5.0f}) c.Fill(Path::Ellipse(x + dx, y, 5, 5), 0xF4F4F4);
    c.Fill(Path::Ellipse(x + 9, y - 2, 3.5f, 3), 0x333333);
    c.Fill(Path::Rect(x - 5, y + 3, 2, 5), 0x333333);
    c.Fill(Path::Rect(x + 4, y + 3, 2, 5), 0x333333);
}

void Blob(Canvas& c, float x, float y, float r, uint32_t colour) {
    Path body;
    for (int i = 0; i <= 12; ++i) {
        const float a = static_cast<float>(i) * 0.5236f;
        const float rr = r * (1 + 0.12f * std::sin(a * 3));
        if (i == 0)
            body.MoveTo(x + rr, y);
        else
            body.LineTo(x + rr * std::cos(a), y + rr * std::sin(a));
    }
    body.Close();
    c.Fill(body, art::Shade(colour, -0.4f));
    c.Fill(body.Transformed(0.85f, x * 0.15f, y * 0.15f), colour);
    c.Fill(Path::Ellipse(x - r * 0.3f, y - r * 0.2f, r * 0.22f, r * 0.28f), 0xFFFFFF);
    c.Fill(Path::Ellipse(x + r * 0.3f, y - r * 0.2f, r * 0.22f, r * 0.28f), 0xFFFFFF);
    c.Fill(Path::Ellipse(x - r * 0.28f, y - r * 0.15f, r * 0.1f, r * 0.14f), 0x111111);
    c.Fill(Path::Ellipse(x + r * 0.32f, y - r * 0.15f, r * 0.1f, r * 0.14f), 0x111111);
}

void Burst(Canvas& c, float x, float y, float r, uint32_t colour) {
    for (int i = 0; i < 12; ++i) {
        const float a = static_cast<float>(i) * 0.5236f;
        c.Line(x + r * 0.3f * std::cos(a), y + r * 0.3f * std::sin(a), x + r * std::cos(a), y + r * std::sin(a), 1.5f, colour);
        c.Fill(Path::Ellipse(x + r * std::cos(a), y + r * std::sin(a), 1.4f, 1.4f), art::Shade(colour, 0.5f));
    }
}

void Frog(Canvas& c) {
    c.Fill(Path::Ellipse(40, 36, 26, 7), 0x2E8B57);
    c.Fill(Path::Ellipse(40, 28, 14, 10), 0x226622);
    c.Fill(Path::Ellipse(40, 28, 13, 9), 0x66CC33);
    for (const float side : {-1.0f, 1.0f}) {
        c.Fill(Path::Ellipse(40 + side * 7, 18, 5, 5), 0x66CC33);
        c.Fill(Path::Ellipse(40 + side * 7, 18, 3, 3), 0xFFFFFF);
        c.Fill(Path::Ellipse(40 + side * 7, 18.5f, 1.5f, 2), 0x111111);
    }
    Path smile;
    smile.MoveTo(33, 31);
    smile.QuadTo(40, 35, 47, 31);
    c.Outline(smile, 1.2f, 0x114411);
}

void Submarine(Canvas& c) {
    for (float x = 0; x < 80; x += 10) c.Line(x, 10, x + 5, 8, 1.5f, 0x99DDFF);
    portal::Submarine(c, 40, 27, 1);
    Ball(c, 12, 38, 2, 0xCCFFFF);
    Ball(c, 70, 34, 2.5f, 0xCCFFFF);
}

void Snacks(Canvas& c) {
    c.Fill(Path::Polygon({{12, 14}, {32, 14}, {29, 40}, {15, 40}}), 0xCC0000);
    for (float x = 16; x < 30; x += 4) c.Fill(Path::Rect(x, 15, 2, 25), 0xFFFFFF);
    for (int i = 0; i < 7; ++i) Ball(c, 14 + i * 3.0f, 12 - (i % 2) * 2.0f, 3, 0xFFF3C4);
    c.Fill(Path::RoundRect(40, 24, 32, 10, 5), 0xD9A05B);
    c.Fill(Path::RoundRect(42, 26, 28, 6, 3), 0xB5472A);
    Path mustard;
    mustard.MoveTo(44, 29);
    for (int i = 0; i < 6; ++i) mustard.LineTo(47 + i * 4.0f, i % 2 ? 27.5f : 30.5f);
    c.Outline(mustard, 1.2f, 0xFFDD00);
}

void Splats(Canvas& c) {
    const float places[][3] = {{20, 20, 9}, {50, 14, 7}, {60, 32, 10}, {34, 34, 6}};
    for (const auto& p : places) {
        c.Fill(Path::Ellipse(p[0], p[1], p[2], p[2] * 0.8f), 0x5C3A1E);
        for (int i = 0; i < 5; ++i) {
            const float a = static_cast<float>(i) * 1.2566f;
            c.Fill(Path::Ellipse(p[0] + p[2] * 1.2f * std::cos(a), p[1] + p[2] * std::sin(a), 2, 2), 0x7A5230);
        }
        c.Fill(Path::Ellipse(p[0] - p[2] * 0.3f, p[1] - p[2] * 0.3f, p[2] * 0.3f, p[2] * 0.2f), 0x8B6B45);
    }
}

void Pumpkin(Canvas& c, float x, float y) {
    c.Fill(Path::Rect(x - 1, y - 10, 3, 4), 0x336600);
    for (const float dx : {-5.0f, 5.0f, 0.0f}) c.Fill(Path::Ellipse(x + dx, y, 7, 7), dx == 0 ? 0xFF8800 : 0xDD6600);
    c.Fill(Path::Polygon({{x - 5, y - 3}, {x - 2, y - 3}, {x - 3.5f, y - 6}}), 0x331100);
    c.Fill(Path::Polygon({{x + 2, y - 3}, {x + 5, y - 3}, {x + 3.5f, y - 6}}), 0x331100);
    c.Fill(Path::Polygon({{x - 5, y + 2}, {x + 5, y + 2}, {x, y + 5}}), 0x331100);
}

struct Logo {
    std::string file;
    std::string title;
    Palette palette;
    std::function<void(Canvas&)> scene;
};

art::Picture DrawLogo(const Logo& logo) {
    Canvas c(kWidth, kHeight);
    c.Fill(Path::Rect(0, 0, kWidth, kHeight),
           Paint::Linear(0, 0, 0, kBandTop, {{0, logo.palette.skyTop}, {1, logo.palette.skyBottom}}));
    logo.scene(c);
    c.Fill(Path::Rect(0, kBandTop, kWidth, kHeight - kBandTop), art::Shade(logo.palette.band, -0.45f));
    c.Fill(Path::Rect(0, kBandTop + 1, kWidth, kHeight - kBandTop - 1),
           Paint::Linear(0, kBandTop, 0, kHeight, {{0, art::Shade(logo.palette.band, 0.25f)}, {1, logo.palette.band}}));
    const art::TextStyle style = portal::FittingStyle(logo.title, 13, kWidth - 6);
    const int x = (kWidth - Canvas::TextWidth(logo.title, style)) / 2;
    const int y = static_cast<int>(kBandTop) + (kHeight - static_cast<int>(kBandTop) - Canvas::TextHeight(style)) / 2;
    portal::TitleText(c, x, y, logo.title, style, portal::kCreamDeep, art::Shade(logo.palette.band, -0.6f),
                      art::Shade(logo.palette.band, -0.3f));
    return art::Still(std::move(c));
}

const std::vector<Logo>& Logos() {
    static const std::vector<Logo> logos = {
        {"brisquet", "Brisquet", {0x6633CC, 0xCC99FF, 0x4B2A8C},
         [](Canvas& c) { Bubbles(c, {0xFF3366, 0x33CCFF, 0xFFCC00, 0x66CC33}); }},
        {"brisquet2", "Brisquet 2", {0x006666, 0x66CCCC, 0x005555},
         [](Canvas& c) { Bubbles(c, {0xFF6600, 0x9933FF, 0x00CC66, 0xFF3399}); }},
        {"tallimo", "Tallimo", {0x3399FF, 0xCCEEFF, 0x993300}, Truck},
        {"dunmoro", "Dunmoro", {0x006633, 0x33AA66, 0x004422}, [](Canvas& c) { Cards(c, 0xFFFFFF, portal::kRed, 0x111111); }},
        {"dunmorosilver", "Dunmoro Silver", {0x555566, 0xAAAABB, 0x444455},
         [](Canvas& c) { Cards(c, 0xEEEEF4, 0x8A1C1C, 0x222233); }},
        {"plimsey", "Plimsey", {0xFF99CC, 0xFFE0F0, 0xCC3377},
         [](Canvas& c) { Bubbles(c, {0xCCF0FF, 0xFFFFFF, 0xE0CCFF}); }},
        {"hexavon", "Hexavon", {0x003399, 0x3366CC, 0x002266},
         [](Canvas& c) {
             const uint32_t colours[] = {0xFFCC00, 0x33CC66, 0xFF6633, 0x66CCFF, 0xCC66FF, 0xFF3366};
             for (int i = 0; i < 6; ++i) Hexagon(c, 11 + (i % 3) * 22.0f + (i / 3) * 11.0f, 12 + (i / 3) * 19.0f, 10, colours[i]);
         }},
        {"pennimar", "Pennimar", {0x66CCFF, 0x99DD66, 0x336600},
         [](Canvas& c) {
             Fence(c, 0xB07030);
             Sheep(c, 22, 34);
             Sheep(c, 55, 30);
         }},
        {"Vintrel", "Vintrel", {0x33CC99, 0xB3FFE6, 0x117755},
         [](Canvas& c) {
             Blob(c, 20, 22, 9, 0xFF6699);
             Blob(c, 50, 18, 13, 0x9966FF);
             Blob(c, 68, 34, 6, 0xFFCC33);
         }},
        {"Glimtide", "Glimtide", {0x000033, 0x222266, 0x1A1A4D},
         [](Canvas& c) {
             Burst(c, 22, 16, 12, 0xFF3366);
             Burst(c, 54, 22, 15, 0x66CCFF);
             Burst(c, 70, 10, 7, 0xFFCC00);
         }},
        {"Torvimble", "Torvimble", {0x996633, 0xE0B080, 0x663300},
         [](Canvas& c) { Cards(c, 0xBBB6A8, 0x993322, 0x3A3A3A); }},
        {"Grumbolt", "Grumbolt", {0x6699CC, 0x99CCCC, 0x336633}, Frog},
        {"Aurelsk", "Aurelsk", {0x0077BB, 0x003355, 0x002244}, Submarine},
        {"Pellawick", "Pellawick", {0x339933, 0x99CC66, 0x993300}, Snacks},
        {"Slorrow", "Slorrow", {0xCCB38C, 0xF2E0C2, 0x5C3A1E}, Splats},
        {"Gravelin", "Gravelin", {0x330066, 0xFF9933, 0x331144},
         [](Canvas& c) {
             Fence(c, 0x553322);
             Pumpkin(c, 24, 34);
             Pumpkin(c, 58, 34);
         }},
    };
    return logos;
}

portal::Recipes MakeRecipes() {
    portal::Recipes out;
    for (const Logo& logo : Logos())
        out.push_back(std::make_unique<art::ImageRecipe>("img-prevgamelogo-" + logo.file + ".gif", kWidth, kHeight, 1,
                                                         [&logo] { return DrawLogo(logo); }));
    return out;
}

const portal::Recipes recipes = MakeRecipes();

}  // namespace
