// The title screen and the portal's logo.
//
//   img-titlescreen-500x420.gif   the name over a pile of bubbles; a cream card for the best
//                                 breakers (rows from y 175 at x 335), a pale card for the player
//                                 (x 302 to 494, y 273 to 321), blue plates under the
//                                 buttons and a lighter panel for the puzzle choices (y 348 on)
//   p-img-logo-80x60.gif          the logo for the portal's pages
#include <array>
#include <cmath>

#include "Brisquet2Look.h"
#include "Brisquet2Palette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace brisquet2_art;

// The four kinds as the game shows them, after its recolour map.
const std::array<BubbleTones, 4> kShown{{
    {0x5C3A0A, 0x8F5E16, 0xCC9933, 0xFFCC66, kWhite},
    kGrayBubble,
    kGreenBubble,
    {0x3E1460, 0x9933CC, 0xCC66FF, 0xE9C8FF, kWhite},
}};

void PutBubble(Canvas& c, int x, int y, int size, const BubbleTones& tones) {
    Canvas bubble(size, size);
    const float r = static_cast<float>(size) / 2;
    Bubble(bubble, r, r, r - 0.5f, r - 0.5f, tones);
    c.Draw(bubble, x, y);
}

constexpr uint32_t kButtonPlate = 0x3A70C4;

void Sea(Canvas& c) {
    c.Fill(Path::Rect(0, 0, 500, 420), Paint::Linear(0, 0, 0, 420, {{0, 0x2A56B0}, {0.45f, kSea}, {1, 0x0B1846}}));
    // Rays from the surface.
    for (int i = 0; i < 5; ++i) {
        const float x = 30.0f + 95.0f * static_cast<float>(i);
        c.Fill(Path::Polygon({{x, 0}, {x + 38, 0}, {x - 30, 420}, {x - 70, 420}}),
               Paint::Linear(0, 0, 0, 420, {{0, 0x3A68C2}, {0.7f, kSea}, {1, 0x0B1846}}));
    }
    Dice dice(11);
    for (int i = 0; i < 45; ++i) {
        const float x = dice.Next() * 500, y = dice.Next() * 420, r = 1.5f + dice.Next() * 4;
        c.Outline(Path::Ellipse(x, y, r, r), 1, 0x6F9BE0);
        c.Set(static_cast<int>(x - r * 0.4f), static_cast<int>(y - r * 0.4f), kFoam);
    }
}

void Pile(Canvas& c) {
    // A mound of bubbles in groups, the way a puzzle looks before the first pop.
    constexpr int kRows[] = {8, 7, 6, 4, 2};
    Dice dice(23);
    int kind = 0;
    for (int row = 0; row < 5; ++row) {
        const int count = kRows[row];
        const int left = 24 + (8 - count) * 17;
        for (int i = 0; i < count; ++i) {
            if (dice.Next() < 0.45f) kind = (kind + 1 + static_cast<int>(dice.Next() * 3)) % 4;
            PutBubble(c, left + 34 * i, 240 - 30 * row, 32, kShown[static_cast<size_t>(kind)]);
        }
    }
    // Three pops in flight above the mound.
    for (const auto& [x, y, k] : {std::array{44, 150, 3}, std::array{282, 140, 2}, std::array{72, 112, 0}}) {
        for (int i = 0; i < 8; ++i) {
            const float a = static_cast<float>(i) * 0.785f;
            Droplet(c, static_cast<float>(x) + 12 * std::cos(a), static_cast<float>(y) + 12 * std::sin(a), 2.2f,
                    kShown[static_cast<size_t>(k)]);
        }
    }
}

void Card(Canvas& c, float x, float y, float w, float h, uint32_t fill, uint32_t edge) {
    c.Fill(Path::RoundRect(x + 2, y + 3, w, h, 9), 0x0A1438);
    c.Fill(Path::RoundRect(x, y, w, h, 9), edge);
    c.Fill(Path::RoundRect(x + 2, y + 2, w - 4, h - 4, 7), fill);
}

art::Picture Title() {
    Canvas c(500, 420);
    Sea(c);
    const art::TextStyle name{58, true};
    const int nameWidth = Canvas::TextWidth("Brisquet 2", name);
    NameLettering(c, (500 - nameWidth) / 2, 10, "Brisquet 2", name);
    const art::TextStyle tagline{14, true};
    const char* line = "Pop them in the right order!";
    c.OutlinedText((500 - Canvas::TextWidth(line, tagline)) / 2, 78, line, tagline, kFoam, 0x0A1438);
    Pile(c);

    // The best breakers: heading in the card's top, the rows drawn by the game below it.
    Card(c, 324, 140, 172, 124, kCream, kGold);
    const art::TextStyle heading{13, true};
    c.Text(324 + (172 - Canvas::TextWidth("Best Breakers", heading)) / 2, 150, "Best Breakers", heading, 0x7A4A06);
    c.Line(334, 168, 486, 168, 1, 0xE0B75A);

    // The player: name and two lines of statistics, drawn by the game. A wide line ends at x 490
    // and grows to the left: the card reaches to the pile for a late challenge's six-digit score.
    Card(c, 300, 271, 196, 52, 0xE6F1FF, kSeaLight);

    // Plates behind the buttons, of a middle blue: the cyan label and the black one under the mouse
    // both read on it.
    c.Fill(Path::RoundRect(32, 283, 134, 28, 9), 0xF2B533);
    c.Fill(Path::RoundRect(34, 285, 130, 24, 8), kButtonPlate);
    c.Fill(Path::RoundRect(340, 324, 156, 18, 8), kButtonPlate);

    // The puzzle choices: black captions over a lighter panel, buttons on its plates.
    c.Fill(Path::RoundRect(136, 348, 230, 76, 12), 0x0A1438);
    c.Fill(Path::RoundRect(138, 349, 226, 74, 11), Paint::Linear(0, 349, 0, 420, {{0, 0x9CC2F4}, {1, 0x7AA3E2}}));
    c.Fill(Path::RoundRect(148, 368, 206, 18, 8), kButtonPlate);
    c.Fill(Path::RoundRect(140, 402, 222, 18, 8), kButtonPlate);
    return art::Still(std::move(c));
}

art::Picture Logo() {
    Canvas c(80, 60);
    c.Fill(Path::Rect(0, 0, 80, 60), Paint::Linear(0, 0, 0, 60, {{0, 0x2A56B0}, {1, 0x0B1846}}));
    PutBubble(c, 4, 30, 24, kShown[0]);
    PutBubble(c, 28, 34, 22, kShown[2]);
    PutBubble(c, 50, 30, 24, kShown[3]);
    PutBubble(c, 40, 14, 14, kGrayBubble);
    const art::TextStyle style{15, true};
    NameLettering(c, (80 - Canvas::TextWidth("Brisquet 2", style)) / 2, 4, "Brisquet 2", style);
    c.Outline(Path::Rect(0.5f, 0.5f, 79, 59), 1, 0x0A1438);
    return art::Still(std::move(c));
}

const art::ImageRecipe title{"img-titlescreen-500x420.gif", 500, 420, 1, Title};
const art::ImageRecipe logo{"p-img-logo-80x60.gif", 80, 60, 1, Logo};

}  // namespace
