// Tallimo's truck and belt.
//
//   img-truck-151x113.gif       the cab, standing right of the racks on the truck's floor band
//   img-minitruck-151x113.gif   the whole truck, small
//   img-shelf-100x36.gif        one rack of three cells; four stand above each other
//   img-tire-46x46.gif          a rear wheel under the racks
//   img-lives-truck-20x14.gif   one life in the status bar
//   ani-conveyor-198x10.gif     4 frames: the belt's ribs moving right
#include "TallimoLook.h"
#include "TallimoPalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace tallimo_art;

// The cab's image sits 73 pixels below the racks' top; the floor band runs through it at 65 to 91.
art::Picture Cab() {
    Canvas c(151, 113);
    c.Fill(Path::Rect(0, 65, 120, 26), kFloor);
    c.Fill(Path::Rect(0, 67, 120, 3), 0x4A4A4A);
    // The cab: rear wall, roof, a sloped windscreen down to the bonnet.
    const Path body = [] {
        Path p;
        p.MoveTo(6, 88);
        p.LineTo(6, 8);
        p.QuadTo(6, 2, 12, 2);
        p.LineTo(86, 2);
        p.QuadTo(94, 2, 98, 8);
        p.LineTo(118, 44);
        p.LineTo(140, 48);
        p.QuadTo(148, 50, 148, 58);
        p.LineTo(148, 88);
        p.Close();
        return p;
    }();
    c.Fill(body, Paint::Linear(0, 2, 0, 88, {{0, kCabLight}, {0.35f, kCab}, {1, kCabDark}}));
    c.Outline(body, 2, kCabDark);
    const Path window = Path::Polygon({{60, 10}, {88, 10}, {106, 42}, {60, 42}});
    c.Fill(window, Paint::Linear(60, 10, 100, 42, {{0, kGlassLight}, {1, kGlass}}));
    c.Outline(window, 1.5f, kCabDark);
    c.Line(70, 14, 80, 36, 2, kGlassLight);
    c.Fill(Path::RoundRect(16, 12, 34, 30, 3), Paint::Linear(16, 12, 50, 42, {{0, kGlassLight}, {1, kGlass}}));
    c.Outline(Path::RoundRect(16, 12, 34, 30, 3), 1.5f, kCabDark);
    // Door, handle, stripe and the shop's name on the door.
    c.Outline(Path::RoundRect(56, 8, 56, 76, 4), 1.2f, kCabDark);
    c.Fill(Path::RoundRect(62, 48, 10, 3, 1.5f), kSteelLight);
    c.Fill(Path::Rect(8, 56, 139, 5), kWhite);
    c.Fill(Path::Rect(8, 61, 139, 2), kAmber);
    // Bumper, headlight, wheel arch and the front wheel.
    c.Fill(Path::RoundRect(138, 76, 12, 10, 2), kSteelLight);
    c.Outline(Path::RoundRect(138, 76, 12, 10, 2), 1, kSteelDark);
    c.Fill(Path::RoundRect(140, 52, 8, 8, 2), 0xFFF3A0);
    c.Outline(Path::RoundRect(140, 52, 8, 8, 2), 1, kCabDark);
    c.Fill(Path::Ellipse(100, 90, 27, 27), kFloor);
    Tyre(c, 100, 90, 22.5f);
    return art::Still(std::move(c));
}

art::Picture MiniTruck() {
    Canvas c(151, 113);
    SmallTruck(c, 0, 2, 1);
    return art::Still(std::move(c));
}

art::Picture Shelf() {
    Canvas c(100, 36);
    c.Fill(Path::Rect(2, 0, 96, 33), Paint::Linear(0, 0, 0, 33, {{0, 0xE6EEF2}, {1, 0xC9D6DC}}));
    for (const float x : {33.5f, 65.5f}) c.Line(x, 1, x, 33, 1, 0xB4C2C8);
    c.Fill(Path::Rect(0, 0, 3, 36), kSteel);
    c.Fill(Path::Rect(97, 0, 3, 36), kSteel);
    c.Fill(Path::Rect(0, 0, 1, 36), kSteelLight);
    c.Fill(Path::Rect(99, 0, 1, 36), kSteelDark);
    c.Fill(Path::Rect(0, 33, 100, 3), kSteel);
    c.Fill(Path::Rect(0, 33, 100, 1), kSteelLight);
    c.Fill(Path::Rect(0, 35, 100, 1), kSteelDark);
    return art::Still(std::move(c));
}

art::Picture RearTyre() {
    Canvas c(46, 46);
    Tyre(c, 23, 23, 22.5f);
    return art::Still(std::move(c));
}

art::Picture LivesTruck() {
    Canvas c(20, 14);
    c.Fill(Path::Rect(0, 1, 13, 9), kSteelLight);
    c.Outline(Path::Rect(0.5f, 1.5f, 12, 8), 1, kSteelDark);
    c.Fill(Path::RoundRect(13, 3, 7, 8, 1.5f), kCab);
    c.Fill(Path::Rect(15, 4, 4, 3), kGlass);
    c.Fill(Path::Rect(0, 9, 20, 2), kFloor);
    for (const float x : {4.0f, 16.0f}) c.Fill(Path::Ellipse(x, 11.5f, 2.5f, 2.5f), kRubber);
    return art::Still(std::move(c));
}

art::Picture Conveyor() {
    constexpr int kFrames = 4;
    art::Picture picture;
    for (int f = 0; f < kFrames; ++f) {
        Canvas c(198, 10);
        c.Fill(Path::RoundRect(0, 0, 198, 10, 5), kRubber);
        c.Fill(Path::Rect(4, 1, 190, 2), kRubberLight);
        for (float x = static_cast<float>(f * 3) - 12; x < 198; x += 12) c.Line(x, 3, x + 4, 8, 1.5f, 0x5E5E66);
        for (const float cx : {5.0f, 193.0f}) {
            c.Fill(Path::Ellipse(cx, 5, 4, 4), kSteel);
            c.Fill(Path::Ellipse(cx, 5, 1.2f, 1.2f), kSteelDark);
        }
        c.Outline(Path::RoundRect(0.5f, 0.5f, 197, 9, 4.5f), 1, 0x141418);
        picture.frames.push_back(std::move(c));
        picture.delays.push_back(5);
    }
    return picture;
}

const art::ImageRecipe cab{"img-truck-151x113.gif", 151, 113, 1, Cab};
const art::ImageRecipe mini{"img-minitruck-151x113.gif", 151, 113, 1, MiniTruck};
const art::ImageRecipe shelf{"img-shelf-100x36.gif", 100, 36, 1, Shelf};
const art::ImageRecipe tyre{"img-tire-46x46.gif", 46, 46, 1, RearTyre};
const art::ImageRecipe lives{"img-lives-truck-20x14.gif", 20, 14, 1, LivesTruck};
const art::ImageRecipe belt{"ani-conveyor-198x10.gif", 198, 10, 4, Conveyor};

}  // namespace
