// The tables' room: the grey ground the screens draw their texts on, the felt rugs, the three
// headers and the brass-framed panels, plates and rulers laid out where the screens put them.
//
//   img-background-500x420            grey ground with a bevelled edge
//   slb-background_rug-430x324        the blackjack felt; slb-background_rug-430-253 the others'
//   img-{blackjack,inbetween,poker}_header   300x24 name plates
//   slb-dealer_score-130x35, slb-player_score-130x35   the rows' plates
//   slb-face_panel-149x111            Oggo's frame, grey where the face is drawn
//   slb-mebet_panel-148x108, slb-bet_panel-227x66      the chip trays
//   slb-blackjack_status-53x47        the left column's boxes
//   img-horizontalruler-216x12, -328x12
#include <algorithm>
#include <string>

#include "TorvimbleLook.h"
#include "TorvimblePalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace torvimble_art;

art::Picture Background() {
    Canvas c(500, 420);
    c.Clear(kTableGrey);
    c.Outline(Path::Rect(0.5f, 0.5f, 499, 419), 1.0f, 0xC8C8C8);
    c.Outline(Path::Rect(1.5f, 1.5f, 497, 417), 1.0f, 0x6E6E6E);
    return art::Still(std::move(c));
}

// Felt in a wooden rail with brass studs.
art::Picture Rug(int w, int h, uint32_t seed) {
    Canvas c(w, h);
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    c.Fill(Path::RoundRect(0, 0, fw, fh, 18), kWoodDark);
    c.Fill(Path::RoundRect(1, 1, fw - 2, fh - 2, 17),
           Paint::Linear(0, 0, 0, fh, {{0, kWoodLight}, {0.15f, kWood}, {0.85f, kWood}, {1, kWoodDark}}));
    c.Fill(Path::RoundRect(9, 9, fw - 18, fh - 18, 11), kWoodDark);
    Felt(c, 10, 10, fw - 20, fh - 20, 10, seed);
    // A faint gold line a little inside the rail.
    c.Outline(Path::RoundRect(18.5f, 18.5f, fw - 37, fh - 37, 6), 1.0f, art::Mix(kFelt, kBrass, 0.45f));
    for (float x = 40; x < fw - 30; x += 60) {
        c.Fill(Path::Ellipse(x, 5, 1.8f, 1.8f), kBrassLight);
        c.Fill(Path::Ellipse(x, fh - 5, 1.8f, 1.8f), kBrass);
    }
    return art::Still(std::move(c));
}

art::Picture Header(const char* title) {
    Canvas c(300, 24);
    c.Fill(Path::RoundRect(0, 0, 300, 24, 6), kBrassDark);
    c.Fill(Path::RoundRect(1, 1, 298, 22, 5), Paint::Linear(0, 0, 0, 24, {{0, kBrassLight}, {0.5f, kBrass}, {1, kBrassDark}}));
    c.Fill(Path::RoundRect(4, 4, 292, 16, 3), kWood);
    for (const float x : {10.f, 290.f}) c.Fill(Path::Ellipse(x, 12, 2, 2), kBrassLight);
    ShadowText(c, 150, 4, title, {15, true}, kCream, kWoodDark);
    return art::Still(std::move(c));
}

art::Picture Plate(int w, int h, const char* caption) {
    Canvas c(w, h);
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    c.Fill(Path::RoundRect(0, 0, fw, fh, 8), kWoodDark);
    c.Fill(Path::RoundRect(1, 1, fw - 2, fh - 2, 7), Paint::Linear(0, 0, 0, fh, {{0, kWoodLight}, {1, kWood}}));
    c.Outline(Path::RoundRect(3.5f, 3.5f, fw - 7, fh - 7, 5), 1.0f, kBrass);
    Lettering(c, w / 2, (h - Canvas::TextHeight({17, true})) / 2, caption, {17, true});
    return art::Still(std::move(c));
}

// A brass frame, grey inside where the screen draws, with a caption on a tab.
art::Picture Frame(int w, int h, const char* caption, uint32_t inside) {
    Canvas c(w, h);
    BrassPanel(c, 0, 0, static_cast<float>(w), static_cast<float>(h), 8, inside);
    if (caption[0] != '\0') {
        const art::TextStyle style{11, true};
        const int tw = Canvas::TextWidth(caption, style) + 14;
        const float tx = static_cast<float>(w - tw) / 2;
        c.Fill(Path::RoundRect(tx, 1, static_cast<float>(tw), 15, 4), kWood);
        c.Outline(Path::RoundRect(tx + 0.5f, 1.5f, static_cast<float>(tw) - 1, 14, 4), 1.0f, kBrassDark);
        ShadowText(c, w / 2, 2, caption, style, kCream, kWoodDark);
    }
    return art::Still(std::move(c));
}

art::Picture Tray(int w, int h, const char* caption) {
    Canvas c(w, h);
    BrassPanel(c, 0, 0, static_cast<float>(w), static_cast<float>(h), 9, kFeltDark);
    Felt(c, 5, 5, static_cast<float>(w - 10), static_cast<float>(h - 10), 5, static_cast<uint32_t>(w * h));
    ShadowText(c, w / 2, 5, caption, {11, true}, kCream, kFeltDark);
    return art::Still(std::move(c));
}

art::Picture StatusBox() {
    Canvas c(53, 47);
    c.Fill(Path::RoundRect(0, 0, 53, 47, 6), kBrassDark);
    c.Fill(Path::RoundRect(1, 1, 51, 45, 5), Paint::Linear(0, 0, 53, 47, {{0, kBrassLight}, {1, kBrassDark}}));
    c.Fill(Path::Rect(3, 3, 47, 41), kTableGrey);
    c.Outline(Path::Rect(2.5f, 2.5f, 48, 42), 1.0f, 0x6E6E6E);
    return art::Still(std::move(c));
}

art::Picture Ruler(int w) {
    Canvas c(w, 12);
    const float fw = static_cast<float>(w);
    c.Fill(Path::RoundRect(0, 4, fw, 4, 2), Paint::Linear(0, 4, 0, 8, {{0, kBrassLight}, {1, kBrassDark}}));
    for (const float x : {6.f, fw / 2, fw - 6}) {
        c.Fill(Path::Polygon({{x, 0}, {x + 5, 6}, {x, 12}, {x - 5, 6}}), kBrassDark);
        c.Fill(Path::Polygon({{x, 1.5f}, {x + 3.5f, 6}, {x, 10.5f}, {x - 3.5f, 6}}),
               Paint::Linear(x - 3, 2, x + 3, 10, {{0, kBrassLight}, {1, kBrass}}));
    }
    return art::Still(std::move(c));
}

const art::ImageRecipe background{"img-background-500x420.gif", 500, 420, 1, Background};
const art::ImageRecipe bigRug{"slb-background_rug-430x324.gif", 430, 324, 1, [] { return Rug(430, 324, 21); }};
const art::ImageRecipe smallRug{"slb-background_rug-430-253.gif", 430, 253, 1, [] { return Rug(430, 253, 22); }};
const art::ImageRecipe blackjackHeader{"img-blackjack_header.gif", 300, 24, 1, [] { return Header("21 Dede - Blackjack"); }};
const art::ImageRecipe inBetweenHeader{"img-inbetween_header.gif", 300, 24, 1, [] { return Header("Zizuruv Eridi - In Between"); }};
const art::ImageRecipe pokerHeader{"img-poker_header.gif", 300, 24, 1, [] { return Header("Dazuz Irere - Draw Poker"); }};
const art::ImageRecipe dealerPlate{"slb-dealer_score-130x35.gif", 130, 35, 1, [] { return Plate(130, 35, "Oggo"); }};
const art::ImageRecipe playerPlate{"slb-player_score-130x35.gif", 130, 35, 1, [] { return Plate(130, 35, "You"); }};
const art::ImageRecipe facePanel{"slb-face_panel-149x111.gif", 149, 111, 1, [] { return Frame(149, 111, "Oggo the Dealer", kTableGrey); }};
const art::ImageRecipe meBetPanel{"slb-mebet_panel-148x108.gif", 148, 108, 1, [] { return Tray(148, 108, "Your Bet"); }};
const art::ImageRecipe betPanel{"slb-bet_panel-227x66.gif", 227, 66, 1, [] { return Tray(227, 66, "Your Bet"); }};
const art::ImageRecipe statusBox{"slb-blackjack_status-53x47.gif", 53, 47, 1, StatusBox};
const art::ImageRecipe shortRuler{"img-horizontalruler-216x12.gif", 216, 12, 1, [] { return Ruler(216); }};
const art::ImageRecipe longRuler{"img-horizontalruler-328x12.gif", 328, 12, 1, [] { return Ruler(328); }};

}  // namespace
