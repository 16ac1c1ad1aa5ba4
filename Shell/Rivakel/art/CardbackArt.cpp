// The cardback pictures of the shell: the built-in default cardback (49x66, the card size of the
// card games), the selector's arrows (two frames of 18x27: normal, under the pointer; indigo, to stand out on the
// orange page) and the
// offer's check box (two frames: clear, ticked).
#include <cmath>

#include "PortalLook.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;

constexpr int kCardW = 49, kCardH = 66;

// A white card with rounded corners, and inside it an indigo field of orange-edged diamonds
// around the portal's mascot.
art::Picture DrawDefaultCardback() {
    Canvas c(kCardW, kCardH);
    c.Fill(Path::RoundRect(0, 0, kCardW, kCardH, 5), portal::kIndigoDeep);
    c.Fill(Path::RoundRect(1, 1, kCardW - 2, kCardH - 2, 4), portal::kWhite);
    const Path field = Path::RoundRect(4, 4, kCardW - 8, kCardH - 8, 2);
    c.Fill(field, Paint::Linear(0, 4, 0, kCardH - 4, {{0, portal::kIndigoLight}, {1, portal::kIndigo}}));
    // A lattice of diamonds, kept inside the field.
    for (int row = 0; row < 10; ++row) {
        for (int col = 0; col < 7; ++col) {
            const float cx = 7 + 7 * static_cast<float>(col) + ((row % 2) != 0 ? 3.5f : 0);
            const float cy = 8 + 6 * static_cast<float>(row);
            if (cx + 3 > kCardW - 5 || cy + 3 > kCardH - 5) continue;
            c.Fill(Path::Polygon({{cx, cy - 3}, {cx + 3, cy}, {cx, cy + 3}, {cx - 3, cy}}), portal::kIndigoDark);
            c.Fill(Path::Polygon({{cx, cy - 1.5f}, {cx + 1.5f, cy}, {cx, cy + 1.5f}, {cx - 1.5f, cy}}), 0x7777CC);
        }
    }
    c.Fill(Path::Ellipse(kCardW / 2.0f, kCardH / 2.0f, 14, 14), portal::kIndigoDeep);
    c.Fill(Path::Ellipse(kCardW / 2.0f, kCardH / 2.0f, 13, 13), portal::kOrange);
    c.Fill(Path::Ellipse(kCardW / 2.0f, kCardH / 2.0f, 11, 11), portal::kIndigo);
    portal::Mascot(c, kCardW / 2.0f, kCardH / 2.0f + 1, 8, 7.5f);
    c.Outline(Path::RoundRect(4.5f, 4.5f, kCardW - 9, kCardH - 9, 2), 1, portal::kOrange);
    return art::Still(std::move(c));
}

art::Picture DrawArrow(bool right) {
    return portal::NormalAndOver(
        [right](Canvas& c, bool over) {
            portal::ButtonFace(c, {0, 0, 18, 27}, portal::kIndigo, over);
            const float tip = right ? 13.5f : 4.5f, back = right ? 5.5f : 12.5f;
            c.Fill(Path::Polygon({{back, 7}, {tip, 13.5f}, {back, 20}}), over ? portal::kWhite : portal::kCreamDeep);
            c.Outline(Path::Polygon({{back, 7}, {tip, 13.5f}, {back, 20}}), 1, portal::kIndigoDeep);
        },
        18, 27);
}

art::Picture DrawCheckBox() {
    art::Picture picture;
    for (const bool ticked : {false, true}) {
        Canvas c(13, 13);
        c.Fill(Path::Rect(0, 0, 13, 13), portal::kBrown);
        c.Fill(Path::Rect(1, 1, 11, 11), portal::kWhite);
        c.Line(2, 2.5f, 11, 2.5f, 1, 0xDDDDDD);
        if (ticked) {
            c.Line(3, 6.5f, 5.5f, 9.5f, 2, portal::kGreen);
            c.Line(5.5f, 9.5f, 10.5f, 3, 2, portal::kGreen);
        }
        picture.frames.push_back(std::move(c));
        picture.delays.push_back(0);
    }
    picture.loop = false;
    return picture;
}

const art::ImageRecipe defaultCardback{"p-img-shell-defaultcardback.gif", kCardW, kCardH, 1, DrawDefaultCardback};
const art::ImageRecipe leftArrow{"slb-cardselect-left.gif", 18, 27, 2, [] { return DrawArrow(false); }};
const art::ImageRecipe rightArrow{"slb-cardselect-right.gif", 18, 27, 2, [] { return DrawArrow(true); }};
const art::ImageRecipe checkBox{"CheckBox2.gif", 13, 13, 2, DrawCheckBox};

}  // namespace
