// What flies and what is wished for.
//
//   img-Food1.gif to img-Food3.gif   16x16 popcorn, cola and a hot dog in flight
//   img-money.gif                    16x12, a bill fluttering (4 frames)
//   img-Ball.gif                     10x10 baseball
//   img-bubble0-39x29.gif to 6       the wish bubble as patience runs out: white to red, the
//                                    bar below the food empties; all of it in the left 36 columns
//   img-foodicon1-44x40.gif to 3     the scoreboard's stock icons, with "_on" when selected;
//                                    the stock digits go on the dark tag at the top left
#include <cmath>
#include <string>

#include "PellawickLook.h"
#include "PellawickPalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace pellawick_art;

art::Picture Food(int food) {
    Canvas c(16, 16);
    Snack(c, food, 0, 0, 16);
    return art::Still(std::move(c));
}

art::Picture Money() {
    art::Picture p;
    for (int f = 0; f < 4; ++f) {
        Canvas c(16, 12);
        const float lift = std::sin(static_cast<float>(f) * 1.5708f) * 2.0f;
        const Path bill = Path::Polygon({{1, 3 + lift}, {15, 3 - lift}, {15, 10 - lift}, {1, 10 + lift}});
        c.Fill(bill, kMoneyDark);
        c.Fill(Path::Polygon({{2, 4 + lift}, {14, 4 - lift}, {14, 9 - lift}, {2, 9 + lift}}),
               Paint::Linear(0, 3, 0, 10, {{0, art::Shade(kMoney, 0.3f)}, {1, kMoney}}));
        c.Fill(Path::Ellipse(8, 6.5f, 2.2f, 2.0f), kMoneyDark);
        c.Fill(Path::Ellipse(8, 6.5f, 1.2f, 1.1f), art::Shade(kMoney, 0.45f));
        c.Set(3, static_cast<int>(5 + lift), kMoneyDark);
        c.Set(12, static_cast<int>(8 - lift), kMoneyDark);
        p.frames.push_back(std::move(c));
        p.delays.push_back(8);
    }
    return p;
}

art::Picture Ball() {
    Canvas c(10, 10);
    c.Fill(Path::Ellipse(5, 5, 4.8f, 4.8f), 0x8C8C8C);
    c.Fill(Path::Ellipse(5, 5, 4.0f, 4.0f), Paint::Radial(3.5f, 3.5f, 6, {{0, kWhite}, {1, 0xD8D8D0}}));
    Path left, right;
    left.MoveTo(2.2f, 1.8f);
    left.QuadTo(4.2f, 5, 2.2f, 8.2f);
    right.MoveTo(7.8f, 1.8f);
    right.QuadTo(5.8f, 5, 7.8f, 8.2f);
    c.Outline(left, 0.9f, kStripeRed);
    c.Outline(right, 0.9f, kStripeRed);
    return art::Still(std::move(c));
}

art::Picture Bubble(int spent) {
    Canvas c(39, 29);
    const float t = static_cast<float>(spent) / 6.0f;
    const uint32_t fill = art::Mix(kWhite, 0xFF6A55, t * t * 0.85f + t * 0.15f);
    const uint32_t edge = art::Mix(kIndigo, 0xA3140C, t);
    Path shape = Path::RoundRect(1, 1, 34, 23, 10);
    const Path tail = Path::Polygon({{6, 19}, {14, 22}, {3, 28}});
    c.Fill(tail, edge);
    c.Fill(shape, edge);
    c.Fill(Path::Polygon({{7, 19}, {12, 21}, {5, 25.5f}}), fill);
    c.Fill(Path::RoundRect(2.2f, 2.2f, 31.6f, 20.6f, 9), fill);
    c.Fill(Path::RoundRect(5, 3.5f, 12, 2.2f, 1.1f), art::Mix(fill, kWhite, 0.7f));
    // The patience left: six lamps below the food, green while there is time.
    for (int i = 0; i < 6; ++i) {
        const bool lit = i < 6 - spent;
        const uint32_t lamp = lit ? (spent < 3 ? kLeaf : spent < 5 ? kOrange : 0xD01E10) : art::Mix(fill, kInk, 0.25f);
        c.Fill(Path::RoundRect(6.5f + 3.9f * static_cast<float>(i), 18.6f, 3, 2.6f, 0.8f), lamp);
    }
    return art::Still(std::move(c));
}

art::Picture FoodIcon(int food, bool selected) {
    Canvas c(44, 40);
    const uint32_t rim = selected ? kOrange : kSteelDark;
    const uint32_t face = selected ? 0xFFF1C7 : 0xDDE6EA;
    c.Fill(Path::RoundRect(0.5f, 0.5f, 43, 39, 7), art::Shade(rim, -0.35f));
    c.Fill(Path::RoundRect(1.5f, 1.5f, 41, 37, 6),
           Paint::Linear(0, 0, 0, 40, {{0, art::Shade(rim, 0.35f)}, {1, rim}}));
    c.Fill(Path::RoundRect(4, 4, 36, 32, 4), Paint::Linear(0, 4, 0, 36, {{0, face}, {1, art::Shade(face, -0.12f)}}));
    // The dark tag the stock digits are written on.
    c.Fill(Path::RoundRect(5, 2, 26, 15, 4), kIndigoDark);
    c.Fill(Path::RoundRect(6, 3, 24, 13, 3.5f), kIndigo);
    Snack(c, food, 17, 12, 24);
    if (selected) {
        for (const float x : {38.0f, 6.0f}) {
            c.Fill(Path::Polygon({{x, 30}, {x + 1.2f, 32.8f}, {x + 4, 34}, {x + 1.2f, 35.2f}, {x, 38}, {x - 1.2f, 35.2f},
                                  {x - 4, 34}, {x - 1.2f, 32.8f}}),
                   kWhite);
        }
    }
    return art::Still(std::move(c));
}

const art::ImageRecipe food1{"img-Food1.gif", 16, 16, 1, [] { return Food(0); }};
const art::ImageRecipe food2{"img-Food2.gif", 16, 16, 1, [] { return Food(1); }};
const art::ImageRecipe food3{"img-Food3.gif", 16, 16, 1, [] { return Food(2); }};
const art::ImageRecipe money{"img-money.gif", 16, 12, 4, Money};
const art::ImageRecipe ball{"img-Ball.gif", 10, 10, 1, Ball};

const art::ImageRecipe bubbles[] = {
    {"img-bubble0-39x29.gif", 39, 29, 1, [] { return Bubble(0); }},
    {"img-bubble1-39x29.gif", 39, 29, 1, [] { return Bubble(1); }},
    {"img-bubble2-39x29.gif", 39, 29, 1, [] { return Bubble(2); }},
    {"img-bubble3-39x29.gif", 39, 29, 1, [] { return Bubble(3); }},
    {"img-bubble4-39x29.gif", 39, 29, 1, [] { return Bubble(4); }},
    {"img-bubble5-39x29.gif", 39, 29, 1, [] { return Bubble(5); }},
    {"img-bubble6-39x29.gif", 39, 29, 1, [] { return Bubble(6); }},
};

const art::ImageRecipe icons[] = {
    {"img-foodicon1-44x40.gif", 44, 40, 1, [] { return FoodIcon(0, false); }},
    {"img-foodicon2-44x40.gif", 44, 40, 1, [] { return FoodIcon(1, false); }},
    {"img-foodicon3-44x40.gif", 44, 40, 1, [] { return FoodIcon(2, false); }},
    {"img-foodicon1_on-44x40.gif", 44, 40, 1, [] { return FoodIcon(0, true); }},
    {"img-foodicon2_on-44x40.gif", 44, 40, 1, [] { return FoodIcon(1, true); }},
    {"img-foodicon3_on-44x40.gif", 44, 40, 1, [] { return FoodIcon(2, true); }},
};

}  // namespace
