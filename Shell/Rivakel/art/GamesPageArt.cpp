// The Games pages' own pictures: the framed box's corners and scroll track, the inert scroll
// arrows, the box headings and the page's buttons, and the age badge beside the header. Box
// headings sit on the box's black band; everything else sits on the orange page.
#include <cmath>
#include <string>

#include "PortalLook.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;

constexpr uint32_t kBlack = 0x000000;

// The box's rounded corners: black ring, the page's orange outside the curve, the box's white
// (bottom corners) or the black band (top corners) inside.
art::Picture Corner(bool top, bool left) {
    Canvas c(12, 12);
    c.Clear(portal::kPage);
    const float cx = left ? 12 : 0, cy = top ? 12 : 0;
    c.Fill(Path::Ellipse(cx, cy, 12, 12), kBlack);
    if (!top) c.Fill(Path::Ellipse(cx, cy, 10, 10), portal::kWhite);
    return art::Still(std::move(c));
}

// The scroll track: a pale teal groove with light and dark edges, tiled downwards.
art::Picture ScrollTrack() {
    Canvas c(16, 16);
    c.Clear(0xCCE6E6);
    c.Fill(Path::Rect(4, 0, 8, 16), portal::kTeal);
    c.Line(4.5f, 0, 4.5f, 16, 1, art::Shade(portal::kTeal, -0.3f));
    c.Line(11.5f, 0, 11.5f, 16, 1, 0xE6F2F2);
    return art::Still(std::move(c));
}

// Frames: normal, under the pointer, and the inert picture the pages draw.
art::Picture ScrollArrow(bool up) {
    art::Picture picture;
    for (int frame = 0; frame < 3; ++frame) {
        Canvas c(22, 22);
        const uint32_t colour = frame == 1 ? art::Shade(portal::kIndigo, 0.3f) : portal::kIndigo;
        portal::ButtonFace(c, {1, 1, 20, 20}, frame == 2 ? portal::kTeal : colour, false);
        const float tip = up ? 6 : 16, base = up ? 15 : 7;
        const uint32_t ink = frame == 2 ? portal::kIndigo : portal::kCreamDeep;
        c.Fill(Path::Polygon({{11, tip}, {17, base}, {5, base}}), ink);
        picture.frames.push_back(std::move(c));
        picture.delays.push_back(0);
    }
    return picture;
}

// A plain badge of our own: a cream card with a smiling star and "ALL AGES" beneath.
art::Picture AgeBadge() {
    Canvas c(31, 45);
    c.Fill(Path::RoundRect(0, 0, 31, 45, 5), portal::kInk);
    c.Fill(Path::RoundRect(2, 2, 27, 41, 4), portal::kCream);
    c.Fill(portal::StarPath(15.5f, 15, 12, 5.5f), portal::kOrange);
    c.Outline(portal::StarPath(15.5f, 15, 12, 5.5f), 1, portal::kOrangeDark);
    c.Fill(Path::Ellipse(13, 14, 1.2f, 1.6f), portal::kBrown);
    c.Fill(Path::Ellipse(18, 14, 1.2f, 1.6f), portal::kBrown);
    Path smile;
    smile.MoveTo(12.5f, 17.5f);
    smile.QuadTo(15.5f, 20.5f, 18.5f, 17.5f);
    c.Outline(smile, 1, portal::kBrown);
    c.Fill(Path::Rect(2, 29, 27, 14), portal::kIndigo);
    const art::TextStyle style{7, true};
    portal::Caption(c, 15.5f, 32.5f, "ALL", style, portal::kWhite, portal::kIndigoDeep);
    portal::Caption(c, 15.5f, 39.5f, "AGES", style, portal::kWhite, portal::kIndigoDeep);
    return art::Still(std::move(c));
}

const art::ImageRecipe cornerTl{"img-hbox-tl-12x12.gif", 12, 12, 1, [] { return Corner(true, true); }};
const art::ImageRecipe cornerTr{"img-hbox-tr-12x12.gif", 12, 12, 1, [] { return Corner(true, false); }};
const art::ImageRecipe cornerBl{"img-hbox-bl-12x12.gif", 12, 12, 1, [] { return Corner(false, true); }};
const art::ImageRecipe cornerBr{"img-hbox-br-12x12.gif", 12, 12, 1, [] { return Corner(false, false); }};
const art::ImageRecipe track{"img-scrollbg-16x16.gif", 16, 16, 1, ScrollTrack};
const art::ImageRecipe arrowUp{"asl-btn-scroll_up-22x22.gif", 22, 22, 3, [] { return ScrollArrow(true); }};
const art::ImageRecipe arrowDown{"asl-btn-scroll_dn-22x22.gif", 22, 22, 3, [] { return ScrollArrow(false); }};
const art::ImageRecipe gamesYouHave{"txt-games_you_have-218x14.gif", 218, 14, 1,
                                    [] { return portal::Lettering("GAMES YOU HAVE", 218, 14, portal::kCreamDeep, portal::kIndigo); }};
const art::ImageRecipe clickToRemove{"txt-click_remove_game-187x14.gif", 187, 14, 1, [] {
    return portal::Lettering("CLICK A GAME TO REMOVE IT", 187, 14, portal::kCreamDeep, portal::kIndigo);
}};
const art::ImageRecipe recommended{"txt-rv_rec_games-397x14.gif", 397, 14, 1, [] {
    return portal::Lettering("RIVAKEL RECOMMENDS THESE GAMES FOR YOU", 397, 14, portal::kIndigo, portal::kCreamDeep);
}};
const art::ImageRecipe getMore{"btn-txt-allget-135x24.gif", 135, 24, 1,
                               [] { return portal::TextButton("Get More Games!", 135, 24, portal::kGreen); }};
const art::ImageRecipe settings{"btn-txt-settings-78x24.gif", 78, 24, 1,
                                [] { return portal::TextButton("Settings", 78, 24, portal::kIndigo); }};
const art::ImageRecipe badge{"img-esrb-31x45.gif", 31, 45, 1, AgeBadge};

}  // namespace
