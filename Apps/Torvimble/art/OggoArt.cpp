// Oggo the dealer, a stone troll with a moss tuft and a brass earring, in the six moods the
// tables show (75x75 each), and the pictures that carry him elsewhere:
//
//   img-oggosleep, -laugh, -mad, -smug01, -lookdown, -smug   faces 0 to 5
//   Egg.gif                 100x90, the hidden page: Oggo's egg on a nest of clams
//   img-shellicon-80x60     the game's tile in the portal
//   img-titlescreen-500x420 the title: the name, Oggo at his table, room for the texts on grey
#include <cmath>

#include "TorvimbleLook.h"
#include "TorvimblePalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace torvimble_art;

enum class Mood { Sleep, Laugh, Mad, SmugHalf, LookDown, Smug };

void Eye(Canvas& c, float x, float y, float s, float lookX, float lookY) {
    c.Fill(Path::Ellipse(x, y, 5 * s, 5.5f * s), kWhite);
    c.Outline(Path::Ellipse(x, y, 5 * s, 5.5f * s), 1.0f, kStoneDark);
    c.Fill(Path::Ellipse(x + lookX * s, y + lookY * s, 2.4f * s, 2.6f * s), kInk);
    c.Set(static_cast<int>(x + lookX * s - 1), static_cast<int>(y + lookY * s - 1), kWhite);
}

void ClosedEye(Canvas& c, float x, float y, float s, bool happy) {
    Path lid;
    lid.MoveTo(x - 5 * s, y);
    if (happy) lid.QuadTo(x, y - 5 * s, x + 5 * s, y);
    else lid.QuadTo(x, y + 4 * s, x + 5 * s, y);
    c.Outline(lid, 1.6f * s, kInk);
}

void Brow(Canvas& c, float x, float y, float s, float tilt) {
    c.Line(x - 6 * s, y + tilt * s, x + 6 * s, y - tilt * s, 2.6f * s, kMossDark);
}

// Oggo's head in a box of side 75 s at (ox, oy).
void Oggo(Canvas& c, float ox, float oy, float s, Mood mood) {
    const auto X = [&](float v) { return ox + v * s; };
    const auto Y = [&](float v) { return oy + v * s; };
    // Ears, then the head: a wide rounded boulder lit from the top left.
    for (const float side : {-1.f, 1.f}) {
        const Path ear = Path::Ellipse(X(37.5f + side * 31), Y(40), 7 * s, 9 * s);
        c.Fill(ear, kStone);
        c.Outline(ear, 1.0f, kStoneDark);
    }
    c.Fill(Path::Ellipse(X(68.5f), Y(48), 2.2f * s, 2.2f * s), kBrass);
    Path head;
    head.MoveTo(X(10), Y(45));
    head.CubicTo(X(8), Y(16), X(22), Y(8), X(37.5f), Y(8));
    head.CubicTo(X(53), Y(8), X(67), Y(16), X(65), Y(45));
    head.CubicTo(X(64), Y(66), X(52), Y(73), X(37.5f), Y(73));
    head.CubicTo(X(23), Y(73), X(11), Y(66), X(10), Y(45));
    head.Close();
    c.Fill(head, Paint::Radial(X(28), Y(26), 52 * s, {{0, kStoneLight}, {0.5f, kStone}, {1, kStoneDark}}));
    c.Outline(head, 1.2f, art::Shade(kStoneDark, -0.3f));
    // Speckles of granite.
    Dice dice(75);
    for (int i = 0; i < 14; ++i) {
        const float px = X(18 + dice.Next() * 40), py = Y(14 + dice.Next() * 50);
        c.Fill(Path::Ellipse(px, py, 0.9f * s, 0.9f * s), kStoneDark);
    }
    // The moss tuft.
    for (int i = 0; i < 5; ++i) {
        const float x = X(27 + 5.0f * static_cast<float>(i));
        Path blade;
        blade.MoveTo(x - 3 * s, Y(12));
        blade.QuadTo(x - 2 * s, Y(2), x + (static_cast<float>(i) - 2) * 1.5f * s, Y(0.5f));
        blade.QuadTo(x + 1 * s, Y(6), x + 3 * s, Y(12));
        blade.Close();
        c.Fill(blade, i % 2 == 0 ? kMoss : kMossDark);
    }
    // Nose.
    const Path nose = Path::Ellipse(X(37.5f), Y(45), 8 * s, 6.5f * s);
    c.Fill(nose, Paint::Radial(X(35), Y(42), 9 * s, {{0, kStoneLight}, {1, kStone}}));
    c.Outline(nose, 1.0f, kStoneDark);
    // Eyes and brows by mood.
    const float ey = 33;
    switch (mood) {
        case Mood::Sleep:
            ClosedEye(c, X(27), Y(ey), s, false);
            ClosedEye(c, X(48), Y(ey), s, false);
            c.Text(static_cast<int>(X(58)), static_cast<int>(Y(4)), "z", {static_cast<int>(12 * s), true}, kIndigo);
            c.Text(static_cast<int>(X(65)), static_cast<int>(Y(-2)), "Z", {static_cast<int>(14 * s), true}, kIndigo);
            break;
        case Mood::Laugh:
            ClosedEye(c, X(27), Y(ey), s, true);
            ClosedEye(c, X(48), Y(ey), s, true);
            Brow(c, X(27), Y(24), s, 1.5f);
            Brow(c, X(48), Y(24), s, -1.5f);
            break;
        case Mood::Mad:
            Eye(c, X(27), Y(ey), s, 0, 1);
            Eye(c, X(48), Y(ey), s, 0, 1);
            Brow(c, X(27), Y(26), s, -3);
            Brow(c, X(48), Y(26), s, 3);
            break;
        case Mood::SmugHalf:
            Eye(c, X(27), Y(ey), s, 2, 0);
            Eye(c, X(48), Y(ey), s, 2, 0);
            Brow(c, X(27), Y(25), s, 0);
            Brow(c, X(48), Y(23), s, 2);
            break;
        case Mood::LookDown:
            Eye(c, X(27), Y(ey), s, 0, 2.5f);
            Eye(c, X(48), Y(ey), s, 0, 2.5f);
            Brow(c, X(27), Y(25), s, 1);
            Brow(c, X(48), Y(25), s, -1);
            break;
        case Mood::Smug:
            Eye(c, X(27), Y(ey), s, -1.5f, 0.5f);
            ClosedEye(c, X(48), Y(ey), s, true);
            Brow(c, X(27), Y(24), s, 2);
            Brow(c, X(48), Y(24), s, -1);
            break;
    }
    // Mouth.
    Path mouth;
    switch (mood) {
        case Mood::Laugh:
            mouth.MoveTo(X(24), Y(55));
            mouth.QuadTo(X(37.5f), Y(53), X(51), Y(55));
            mouth.QuadTo(X(37.5f), Y(72), X(24), Y(55));
            mouth.Close();
            c.Fill(mouth, 0x5A1414);
            c.Fill(Path::Rect(X(29), Y(54.5f), 4 * s, 3 * s), kCream);
            c.Fill(Path::Rect(X(42), Y(54.5f), 4 * s, 3 * s), kCream);
            c.Fill(Path::Ellipse(X(37.5f), Y(64), 5 * s, 2.5f * s), 0xD05050);
            break;
        case Mood::Mad:
            mouth.MoveTo(X(26), Y(62));
            mouth.QuadTo(X(37.5f), Y(54), X(49), Y(62));
            c.Outline(mouth, 2.2f * s, 0x5A1414);
            c.Fill(Path::Polygon({{X(30), Y(58.5f)}, {X(32), Y(54)}, {X(34), Y(57.5f)}}), kCream);
            break;
        case Mood::Sleep:
            c.Fill(Path::Ellipse(X(37.5f), Y(60), 3 * s, 2.5f * s), 0x5A1414);
            break;
        case Mood::LookDown:
            mouth.MoveTo(X(30), Y(59));
            mouth.LineTo(X(45), Y(59));
            c.Outline(mouth, 2.0f * s, 0x5A1414);
            break;
        default:
            mouth.MoveTo(X(25), Y(56));
            mouth.QuadTo(X(40), Y(64), X(51), Y(53));
            c.Outline(mouth, 2.2f * s, 0x5A1414);
            c.Fill(Path::Polygon({{X(44), Y(57.5f)}, {X(46), Y(62)}, {X(48), Y(56)}}), kCream);
            break;
    }
    if (mood == Mood::Mad) {
        c.Line(X(60), Y(14), X(66), Y(8), 1.6f * s, kCardRed);
        c.Line(X(62), Y(8), X(66), Y(14), 1.6f * s, kCardRed);
    }
}

art::Picture Face(Mood mood) {
    Canvas c(75, 75);
    Oggo(c, 0, 0, 1, mood);
    return art::Still(std::move(c));
}

// Fanned cards for the title and the tile.
void Fan(Canvas& c, float cx, float cy, float scale, int count) {
    for (int i = 0; i < count; ++i) {
        const float t = static_cast<float>(i) - static_cast<float>(count - 1) / 2;
        const float x = cx + t * 16 * scale, y = cy + std::fabs(t) * 4 * scale;
        const Path card = Path::RoundRect(x, y, 34 * scale, 46 * scale, 3 * scale);
        c.Fill(card, kCardEdge);
        c.Fill(Path::RoundRect(x + 1, y + 1, 34 * scale - 2, 46 * scale - 2, 3 * scale - 1), kCardWhite);
        const uint32_t ink = i % 2 == 0 ? kCardRed : kInk;
        const char* ranks[] = {"A", "K", "Q", "J", "10"};
        c.Text(static_cast<int>(x + 3 * scale), static_cast<int>(y + 2 * scale), ranks[i % 5],
               {static_cast<int>(13 * scale), true}, ink);
        const int suit = i % 2 == 0 ? (i % 4 == 0 ? Hearts : Diamonds) : (i % 4 == 1 ? Spades : Clubs);
        SuitShape(c, suit, x + 10 * scale, y + 16 * scale, 16 * scale, 18 * scale, Paint::Solid(ink));
    }
}

// A little heap of clams in brass and cream.
void Clams(Canvas& c, float x, float y, float s) {
    const float spots[][2] = {{0, 8}, {14, 9}, {28, 8}, {7, 0}, {21, 1}, {14, -8}};
    for (const auto& spot : spots) {
        const float cx = x + spot[0] * s, cy = y + spot[1] * s, r = 7 * s;
        Path shell;
        shell.MoveTo(cx - r * 0.3f, cy + r * 0.7f);
        shell.CubicTo(cx - r * 1.2f, cy + r * 0.1f, cx - r * 0.8f, cy - r, cx, cy - r);
        shell.CubicTo(cx + r * 0.8f, cy - r, cx + r * 1.2f, cy + r * 0.1f, cx + r * 0.3f, cy + r * 0.7f);
        shell.Close();
        c.Fill(shell, Paint::Radial(cx - r * 0.3f, cy - r * 0.4f, r * 1.6f, {{0, kCream}, {0.5f, kBrassLight}, {1, kBrass}}));
        c.Outline(shell, 1.0f, kBrassDark);
        for (int rib = -1; rib <= 1; ++rib) c.Line(cx, cy + r * 0.55f, cx + static_cast<float>(rib) * r * 0.45f, cy - r * 0.7f, 0.8f, kBrassDark);
    }
}

art::Picture EggPicture() {
    Canvas c(100, 90);
    Path egg;
    egg.MoveTo(50, 6);
    egg.CubicTo(70, 6, 80, 40, 78, 56);
    egg.CubicTo(76, 74, 62, 80, 50, 80);
    egg.CubicTo(38, 80, 24, 74, 22, 56);
    egg.CubicTo(20, 40, 30, 6, 50, 6);
    egg.Close();
    c.Fill(egg, Paint::Radial(42, 28, 55, {{0, kStoneLight}, {0.55f, kStone}, {1, kStoneDark}}));
    c.Outline(egg, 1.2f, art::Shade(kStoneDark, -0.3f));
    // A crack with one curious eye behind it.
    Path crack;
    crack.MoveTo(32, 40);
    crack.LineTo(40, 34);
    crack.LineTo(46, 42);
    crack.LineTo(54, 33);
    crack.LineTo(60, 41);
    crack.LineTo(68, 36);
    c.Outline(crack, 1.6f, kInk);
    c.Fill(Path::Ellipse(50, 47, 5, 4), kInk);
    c.Fill(Path::Ellipse(51, 47, 2.5f, 2.5f), kBrassLight);
    c.Fill(Path::Ellipse(44, 20, 3, 5), art::Shade(kStoneLight, 0.3f));
    Clams(c, 6, 78, 1.0f);
    Clams(c, 64, 80, 0.9f);
    return art::Still(std::move(c));
}

art::Picture ShellIcon() {
    Canvas c(80, 60);
    Felt(c, 0, 0, 80, 60, 8, 80);
    c.Outline(Path::RoundRect(0.5f, 0.5f, 79, 59, 8), 1.0f, kBrassDark);
    Fan(c, 34, 8, 0.62f, 3);
    Oggo(c, 2, 6, 0.42f, Mood::Smug);
    Clams(c, 52, 36, 0.6f);
    Lettering(c, 40, 42, "Torvimble", {13, true});
    return art::Still(std::move(c));
}

art::Picture TitleScreen() {
    Canvas c(500, 420);
    c.Clear(kTableGrey);
    // The left: Oggo behind his table with the cards and the clams; the right stays grey for
    // the "Top Rocks" table, the player's name and the menu.
    Felt(c, 12, 250, 270, 150, 20, 500);
    c.Outline(Path::RoundRect(12.5f, 250.5f, 269, 149, 20), 3.0f, kWood);
    Oggo(c, 40, 90, 2.2f, Mood::Smug);
    Fan(c, 110, 270, 1.4f, 5);
    Clams(c, 40, 355, 1.6f);
    Clams(c, 200, 362, 1.3f);
    c.Fill(Path::RoundRect(10, 12, 270, 62, 12), kWoodDark);
    c.Fill(Path::RoundRect(12, 14, 266, 58, 11), Paint::Linear(0, 14, 0, 72, {{0, kWoodLight}, {1, kWood}}));
    c.Outline(Path::RoundRect(16.5f, 18.5f, 257, 49, 8), 1.5f, kBrass);
    Lettering(c, 145, 20, "Torvimble", {40, true});
    ShadowText(c, 145, 78, "Blackjack - In Between - Draw Poker", {12, true}, kWoodDark, 0xBBBBBB);
    // A brass rule between the table of best players and the menu.
    c.Fill(Path::RoundRect(300, 170, 190, 4, 2), Paint::Linear(0, 170, 0, 174, {{0, kBrassLight}, {1, kBrassDark}}));
    c.Fill(Path::RoundRect(300, 285, 190, 4, 2), Paint::Linear(0, 285, 0, 289, {{0, kBrassLight}, {1, kBrassDark}}));
    return art::Still(std::move(c));
}

const art::ImageRecipe sleep{"img-oggosleep-75x75.gif", 75, 75, 1, [] { return Face(Mood::Sleep); }};
const art::ImageRecipe laugh{"img-oggolaugh-75x75.gif", 75, 75, 1, [] { return Face(Mood::Laugh); }};
const art::ImageRecipe mad{"img-oggomad-75x75.gif", 75, 75, 1, [] { return Face(Mood::Mad); }};
const art::ImageRecipe smugHalf{"img-oggosmug01-75x75.gif", 75, 75, 1, [] { return Face(Mood::SmugHalf); }};
const art::ImageRecipe lookDown{"img-oggolookdown-75x75.gif", 75, 75, 1, [] { return Face(Mood::LookDown); }};
const art::ImageRecipe smug{"img-oggosmug-75x75.gif", 75, 75, 1, [] { return Face(Mood::Smug); }};
const art::ImageRecipe egg{"Egg.gif", 100, 90, 1, EggPicture};
const art::ImageRecipe icon{"img-shellicon-80x60.gif", 80, 60, 1, ShellIcon};
const art::ImageRecipe title{"img-titlescreen-500x420.gif", 500, 420, 1, TitleScreen};

}  // namespace
