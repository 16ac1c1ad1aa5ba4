// The farmer, the enemy and the status bar above the field.
//
//   p-img-player.gif      12x12 the farmer, drawn centred on its point
//   p-img-enemy.gif       12x12 a fox, drawn centred on its point
//   p-slb-statusbar.gif   500x50 a weathered plank with the name, the fenced-share well at
//                         (170, 27)-(339, 46), the score box at (342, 20)-(452, 50) and the
//                         lives from x 455
#include "PennimarLook.h"
#include "PennimarPalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace pennimar_art;

art::Picture Player() {
    Canvas c(12, 12);
    DrawFarmer(c, 0, 0, 12);
    return art::Still(std::move(c));
}

art::Picture Enemy() {
    Canvas c(12, 12);
    const uint32_t fur = 0xE0641C, edge = 0x6A2408;
    Part(c, Path::Polygon({{1, 0.5f}, {4.5f, 3}, {2, 5}}), fur, edge);
    Part(c, Path::Polygon({{11, 0.5f}, {7.5f, 3}, {10, 5}}), fur, edge);
    Part(c, Path::Polygon({{0.8f, 3.5f}, {11.2f, 3.5f}, {6, 11.4f}}), fur, edge);
    c.Fill(Path::Polygon({{1.8f, 5.5f}, {5.2f, 7}, {6, 11}}), 0xFFF1DE);
    c.Fill(Path::Polygon({{10.2f, 5.5f}, {6.8f, 7}, {6, 11}}), 0xFFF1DE);
    c.Fill(Path::Ellipse(6, 10.3f, 1.2f, 0.9f), 0x1A1A1A);
    // Narrow, cross eyes.
    c.Line(3, 5, 5, 6, 1.1f, 0x1A1A1A);
    c.Line(9, 5, 7, 6, 1.1f, 0x1A1A1A);
    c.Set(4, 6, 0xFFE14A);
    c.Set(7, 6, 0xFFE14A);
    return art::Still(std::move(c));
}

void Label(Canvas& c, int centreX, int y, const char* text) {
    const art::TextStyle style{10, true};
    const int x = centreX - Canvas::TextWidth(text, style) / 2;
    c.Text(x + 1, y + 1, text, style, kWoodDark);
    c.Text(x, y, text, style, kCream);
}

art::Picture StatusBar() {
    Canvas c(500, 50);
    c.Fill(Path::Rect(0, 0, 500, 50), Paint::Linear(0, 0, 0, 50, {{0, 0xC48A4C}, {0.5f, 0xAE7438}, {1, 0x8C5826}}));
    // Plank seams and grain.
    for (const int y : {16, 33}) {
        c.Line(0, static_cast<float>(y), 500, static_cast<float>(y), 1, 0x7A4A1E);
        c.Line(0, static_cast<float>(y) + 1, 500, static_cast<float>(y) + 1, 1, 0xD8A468);
    }
    for (int i = 0; i < 14; ++i) {
        const float x = static_cast<float>((i * 97) % 480 + 10), y = static_cast<float>(4 + (i * 7) % 42);
        c.Line(x, y, x + 26, y + 0.5f, 1, 0x9C6430);
    }
    for (const int x : {3, 164, 496}) {
        c.Fill(Path::Ellipse(static_cast<float>(x), 8, 1.6f, 1.6f), 0x5A3412);
        c.Fill(Path::Ellipse(static_cast<float>(x), 42, 1.6f, 1.6f), 0x5A3412);
    }
    c.Line(0, 49.5f, 500, 49.5f, 1, 0x4E2C0E);
    NameLettering(c, 14, 10, "Pennimar", art::TextStyle{24, true});

    // The well the fenced share fills.
    Label(c, 254, 12, "FENCED");
    c.Fill(Path::RoundRect(168, 25, 173, 23, 4), 0x4E2C0E);
    c.Fill(Path::Rect(170, 27, 169, 19), 0x3A2410);
    c.Line(170, 27.5f, 339, 27.5f, 1, 0x24160A);
    // The score box, restored under each new score.
    Label(c, 397, 3, "SCORE");
    c.Fill(Path::Rect(342, 20, 110, 30), kCream);
    c.Fill(Path::Rect(342, 20, 110, 1), 0xC8B890);
    c.Fill(Path::Rect(342, 20, 1, 30), 0xC8B890);
    Label(c, 476, 3, "LIVES");
    return art::Still(std::move(c));
}

const art::ImageRecipe player{"p-img-player.gif", 12, 12, 1, Player};
const art::ImageRecipe enemy{"p-img-enemy.gif", 12, 12, 1, Enemy};
const art::ImageRecipe statusBar{"p-slb-statusbar.gif", 500, 50, 1, StatusBar};

}  // namespace
