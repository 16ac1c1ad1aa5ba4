// The treasure on the sea floor and the hold that carries it up.
//
//   p-img-Treasure.gif        20x16 a heap of gold coins with a ruby
//   p-img-TreasureChest.gif   28x22 an open chest spilling gold
//   p-img-Hold.gif            165x58 the hold's five empty sockets under its label; socket i
//                             lies at (32i - 1, 28), where the game shows the lit look
//   p-img-HoldLit.gif         28x28 a socket holding a glowing coin
#include "AurelskPalette.h"
#include "SeaArt.h"

namespace {

using art::Canvas;
using art::Path;
using namespace aurelsk_art;

void Gem(Canvas& c, float x, float y, float r, uint32_t colour) {
    c.Fill(Path::Polygon({{x, y - r}, {x + r, y}, {x, y + r}, {x - r, y}}), art::Shade(colour, -0.4f));
    c.Fill(Path::Polygon({{x, y - r + 1}, {x + r - 1, y}, {x, y + r - 1}, {x - r + 1, y}}), colour);
    c.Set(static_cast<int>(x - 1), static_cast<int>(y - 1), kWhite);
}

art::Picture Heap() {
    Canvas c(20, 16);
    c.Fill(Path::Ellipse(10, 13.5f, 9.5f, 2.5f), kGoldDark);
    for (const auto& [x, y] : {std::pair{4.5f, 12.0f}, {10.0f, 12.5f}, {15.5f, 12.0f}, {7.0f, 9.0f}, {13.0f, 9.0f},
                               {10.0f, 5.8f}}) {
        Coin(c, x, y, 4);
    }
    Gem(c, 10, 3.5f, 3, kRuby);
    Gem(c, 16.5f, 7, 2, kEmerald);
    return art::Still(std::move(c));
}

art::Picture Chest() {
    Canvas c(28, 22);
    // The lid thrown back, the gold heaped inside, the box in front.
    c.Fill(Path::RoundRect(3, 0.5f, 22, 8, 3), kWoodDark);
    c.Fill(Path::RoundRect(4, 1.5f, 20, 6, 2.5f), kWood);
    c.Fill(Path::Rect(4, 3, 20, 1.2f), kWoodLight);
    for (const float x : {7.0f, 12.5f, 18.0f, 22.0f}) Coin(c, x, 9.5f, 3.5f);
    Gem(c, 10, 7.5f, 2.4f, kRuby);
    Gem(c, 20, 7.2f, 2, kEmerald);
    c.Fill(Path::RoundRect(1, 10, 26, 11.5f, 2), kWoodDark);
    c.Fill(Path::RoundRect(2, 11, 24, 9.5f, 1.5f), kWood);
    for (const float y : {13.0f, 16.5f}) c.Fill(Path::Rect(2, y, 24, 1), kWoodDark);
    c.Fill(Path::Rect(2, 11, 24, 1), kWoodLight);
    for (const float x : {2.0f, 23.0f}) c.Fill(Path::Rect(x, 10.5f, 3, 10), kGoldDark);
    c.Fill(Path::RoundRect(11.5f, 13, 5, 6, 1), kGoldDark);
    c.Fill(Path::RoundRect(12.5f, 14, 3, 3, 0.8f), kGold);
    return art::Still(std::move(c));
}

void Socket(Canvas& c, float x, float y) {
    c.Fill(Path::Ellipse(x + 14, y + 14, 13, 13), kOrangeDark);
    c.Fill(Path::Ellipse(x + 14, y + 14.5f, 11.5f, 11.5f), 0x6B3600);
    c.Fill(Path::Ellipse(x + 14, y + 16, 10, 9.5f), 0x4A2500);
}

art::Picture Hold() {
    Canvas c(165, 58);
    c.Fill(Path::RoundRect(0.5f, 0.5f, 164, 57, 9), kOrangeDark);
    c.Fill(Path::RoundRect(1.5f, 1.5f, 162, 55, 8), art::Paint::Linear(0, 0, 0, 58, {{0, kOrangeLight}, {1, kStatusOrange}}));
    TitleText(c, 58, 4, "HOLD", 14, kGoldLight, kWoodDark);
    for (int i = 0; i < 5; ++i) Socket(c, static_cast<float>(32 * i - 1) + 0.5f, 28.5f);
    return art::Still(std::move(c));
}

art::Picture HoldLit() {
    Canvas c(28, 28);
    Socket(c, 0, 0);
    c.Fill(Path::Ellipse(14, 14, 10, 10), art::Paint::Radial(14, 14, 10, {{0, kGoldLight}, {0.6f, kGold}, {1, kFire}}));
    c.Fill(Path::Ellipse(14, 14, 7, 7), kGoldDark);
    c.Fill(Path::Ellipse(13.5f, 13.5f, 6, 6), kGold);
    c.Text(10, 6, "$", {12, true, "Arial"}, kGoldDark);
    c.Fill(Path::Ellipse(10.5f, 10, 2, 1.3f), kWhite);
    return art::Still(std::move(c));
}

const art::ImageRecipe treasure{"p-img-Treasure.gif", 20, 16, 1, Heap};
const art::ImageRecipe chest{"p-img-TreasureChest.gif", 28, 22, 1, Chest};
const art::ImageRecipe hold{"p-img-Hold.gif", 165, 58, 1, Hold};
const art::ImageRecipe holdLit{"p-img-HoldLit.gif", 28, 28, 1, HoldLit};

}  // namespace
