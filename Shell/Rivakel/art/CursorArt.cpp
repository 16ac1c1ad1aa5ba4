// The six stock cursors, 32x32. Each ".cur" file holds its hot spot before the picture
// (core/resources/CursorResource.h): the tip for the pointer, the fingertip for the hand, the
// centre for the others.
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;

constexpr uint32_t kInk = 0x111111;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kShade = 0xD8D8E8;

// A white shape with a dark rim and a grey shadow on its lower right.
void Sticker(Canvas& c, const Path& shape) {
    c.Fill(shape.Transformed(1, 1.5f, 1.5f), Paint::Solid(0x777777));
    c.Fill(shape, Paint::Linear(0, 0, 32, 32, {{0, kWhite}, {1, kShade}}));
    c.Outline(shape, 1.2f, kInk);
}

art::Picture DrawPointer() {
    Canvas c(32, 32);
    Sticker(c, Path::Polygon({{1, 1}, {1, 21}, {6, 16.5f}, {9.5f, 25}, {13, 23.5f}, {9.5f, 15.5f}, {16, 15.5f}}));
    return art::Still(std::move(c));
}

// A hand: the palm with curled fingers, and the pointing finger when `pointing`.
Path HandShape(bool pointing) {
    const auto path = Path::FromSvg(pointing
        ? "M9 3 a2.5 2.5 0 0 1 5 0 V13 a2.3 2.3 0 0 1 4.5 0.5 a2.3 2.3 0 0 1 4.3 1 a2.3 2.3 0 0 1 4.2 1.5 V22 "
          "Q27 28 21 30 H14 Q10 29 7 24 L3.5 18 a2.2 2.2 0 0 1 3.6 -2.4 L9 18 Z"
        : "M7 15 a2.3 2.3 0 0 1 4.6 -1 a2.3 2.3 0 0 1 4.6 -0.5 a2.3 2.3 0 0 1 4.6 0.5 a2.3 2.3 0 0 1 4.6 1.5 "
          "V22 Q26 28 20 30 H13 Q9 29 7 24 Z");
    return path ? *path : Path();
}

art::Picture DrawHand() {
    Canvas c(32, 32);
    Sticker(c, HandShape(true));
    for (const float x : {13.6f, 18.1f})
        c.Line(x, 14, x, 18, 1.0f, 0x555555);
    return art::Still(std::move(c));
}

art::Picture DrawNoLink() {
    Canvas c(32, 32);
    c.Fill(Path::Ellipse(16, 16, 12, 12), Paint::Solid(kWhite));
    c.Outline(Path::Ellipse(16, 16, 10, 10), 4.0f, 0xC00000);
    c.Line(9, 9, 23, 23, 4.0f, 0xC00000);
    c.Outline(Path::Ellipse(16, 16, 12.5f, 12.5f), 1.0f, 0x600000);
    return art::Still(std::move(c));
}

art::Picture DrawOpenHand() {
    Canvas c(32, 32);
    const auto shape = Path::FromSvg(
        "M6 17 L4 12 a2.2 2.2 0 0 1 4 -1.6 L10 14 V6 a2.2 2.2 0 0 1 4.4 0 V13 V4.5 a2.2 2.2 0 0 1 4.4 0 V13 "
        "V6.5 a2.2 2.2 0 0 1 4.4 0 V14 V10 a2.2 2.2 0 0 1 4.4 0 V21 Q27 29 20 30 H14 Q9 29 6 17 Z");
    if (shape) Sticker(c, *shape);
    return art::Still(std::move(c));
}

art::Picture DrawClosedHand() {
    Canvas c(32, 32);
    Sticker(c, HandShape(false));
    for (const float x : {11.6f, 16.2f, 20.8f}) c.Line(x, 14, x, 17, 1.0f, 0x555555);
    return art::Still(std::move(c));
}

art::Picture DrawHourGlass() {
    Canvas c(32, 32);
    const Path glass = *Path::FromSvg("M9 5 H23 V8 Q23 13 17.5 16 Q23 19 23 24 V27 H9 V24 Q9 19 14.5 16 Q9 13 9 8 Z");
    c.Fill(glass.Transformed(1, 1.5f, 1.5f), Paint::Solid(0x777777));
    c.Fill(glass, Paint::Solid(0xEEF4FF));
    c.Fill(*Path::FromSvg("M11.5 9 H20.5 Q19.5 12 16 14.5 Q12.5 12 11.5 9 Z"), Paint::Solid(0xFF9900));
    c.Fill(*Path::FromSvg("M16 20 Q21 22 21.5 25.5 H10.5 Q11 22 16 20 Z"), Paint::Solid(0xFF9900));
    c.Line(16, 14.5f, 16, 21, 1.0f, 0xFF9900);
    c.Outline(glass, 1.2f, kInk);
    c.Fill(Path::RoundRect(7, 3, 18, 3, 1.2f), Paint::Solid(0x663300));
    c.Fill(Path::RoundRect(7, 26, 18, 3, 1.2f), Paint::Solid(0x663300));
    return art::Still(std::move(c));
}

const art::ImageRecipe pointer{"Pointer.cur", 32, 32, 1, DrawPointer, 1, 1};
const art::ImageRecipe hand{"Hand.cur", 32, 32, 1, DrawHand, 11, 1};
const art::ImageRecipe noLink{"NoLink.cur", 32, 32, 1, DrawNoLink, 16, 16};
const art::ImageRecipe openHand{"OpenHand.cur", 32, 32, 1, DrawOpenHand, 16, 16};
const art::ImageRecipe closedHand{"ClosedHand.cur", 32, 32, 1, DrawClosedHand, 16, 16};
const art::ImageRecipe hourGlass{"HourGlass.cur", 32, 32, 1, DrawHourGlass, 16, 16};

}  // namespace
