// The customers and their legs.
//
//   ani-<look>_<pose>-42x86.gif   looks man1, man2, woman1, woman2; poses sitting (4 frames),
//                                 cheer (4), catcha (3), catchb (3), throw (3). Seated facing
//                                 the field from the waist up; the legs are the row's. Hair and
//                                 shirt use exactly the look's four recolour colours (light and
//                                 shade of each) and nothing else does; outlines are near black.
//   img-leg1-23x24.gif to 9       legs under a seat: jeans, khakis, black, grey, long socks,
//                                 shorts, a plaster cast, plaid and track pants
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "Apps/Pellawick/CustomerLook.h"
#include "PellawickLook.h"
#include "PellawickPalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Path;
using art::PointF;
using namespace pellawick_art;

constexpr int kWidth = kFigureWidth, kHeight = kFigureHeight;
constexpr uint32_t kEye = 0x1A1410;
constexpr uint32_t kTrousers = 0x4A5A78;
constexpr uint32_t kTrousersShade = 0x35415A;

struct Pose {
    float rise = 0;
    PointF left{14, 57}, right{28, 57};  // hands
    bool blink = false;
    bool mouthOpen = false;
    float look = 0;  // eyes shifted sideways
    int holding = -1;
};

struct Colours {
    uint32_t hair, hairShade, shirt, shirtShade, skin, skinShade;
};

Colours ColoursOf(int look) {
    const auto& from = pellawick::RecolourFrom(look);
    const bool deep = look == 1 || look == 3;
    return {from[0], from[1], from[2], from[3], deep ? kSkinDeep : kSkin, deep ? kSkinDeepShade : kSkinShade};
}

void Arm(Canvas& c, PointF shoulder, PointF hand, const Colours& k) {
    const PointF elbow{(shoulder.x + hand.x) / 2 + (hand.x < shoulder.x ? -2.0f : 2.0f), (shoulder.y + hand.y) / 2 + 2};
    const auto limb = [&](float width, uint32_t sleeve, uint32_t forearm) {
        c.Line(shoulder.x, shoulder.y, elbow.x, elbow.y, width, sleeve);
        c.Line(elbow.x, elbow.y, hand.x, hand.y, width - 1, forearm);
    };
    limb(6.5f, kInk, kInk);
    limb(4.5f, k.shirt, k.skin);
    c.Fill(Path::Ellipse(hand.x, hand.y, 3.2f, 3.2f), kInk);
    c.Fill(Path::Ellipse(hand.x, hand.y, 2.2f, 2.2f), k.skin);
}

void Hair(Canvas& c, int look, float cx, float cy, const Colours& k, bool back) {
    switch (look) {
        case 0:  // short and tidy
            if (back) return;
            c.Fill(Path::Ellipse(cx, cy - 5.5f, 9.2f, 5.5f), kInk);
            c.Fill(Path::Ellipse(cx, cy - 5.7f, 8.3f, 4.6f), k.hairShade);
            c.Fill(Path::Ellipse(cx - 1, cy - 6.5f, 7, 3.4f), k.hair);
            break;
        case 1:  // a round mop of curls
            if (back) {
                c.Fill(Path::Ellipse(cx, cy - 3, 12, 10.5f), kInk);
                c.Fill(Path::Ellipse(cx, cy - 3, 11, 9.5f), k.hairShade);
                return;
            }
            for (const float dx : {-6.0f, -2.0f, 2.0f, 6.0f})
                c.Fill(Path::Ellipse(cx + dx, cy - 8, 3.2f, 3.0f), k.hair);
            break;
        case 2:  // long hair to the shoulders
            if (back) {
                c.Fill(Path::RoundRect(cx - 11, cy - 10, 22, 24, 8), kInk);
                c.Fill(Path::RoundRect(cx - 10, cy - 9, 20, 22, 7), k.hairShade);
                return;
            }
            c.Fill(Path::Ellipse(cx, cy - 6, 9.4f, 5.2f), kInk);
            c.Fill(Path::Ellipse(cx, cy - 6, 8.5f, 4.4f), k.hair);
            c.Fill(Path::Polygon({{cx - 2, cy - 9.5f}, {cx + 8, cy - 7}, {cx + 8, cy - 3}, {cx + 1, cy - 6}}), k.hairShade);
            break;
        default:  // a bun on top
            if (back) {
                c.Fill(Path::Ellipse(cx + 1, cy - 12, 5.5f, 4.8f), kInk);
                c.Fill(Path::Ellipse(cx + 1, cy - 12, 4.5f, 3.8f), k.hair);
                c.Fill(Path::Ellipse(cx + 2.5f, cy - 11, 2.2f, 2), k.hairShade);
                return;
            }
            c.Fill(Path::Ellipse(cx, cy - 6, 9.2f, 5.0f), kInk);
            c.Fill(Path::Ellipse(cx, cy - 6, 8.3f, 4.2f), k.hair);
            c.Fill(Path::Ellipse(cx + 4, cy - 4.8f, 3.6f, 2.0f), k.hairShade);
            break;
    }
}

Canvas Customer(int look, const Pose& pose) {
    Canvas c(kWidth, kHeight);
    const Colours k = ColoursOf(look);
    const float r = pose.rise;
    const float cx = 21, cy = 24 - r;
    // Hair behind the head, then the body from the lap up.
    Hair(c, look, cx, cy, k, true);
    c.Fill(Path::RoundRect(10, 55 - r, 22, 64 - (55 - r), 4), kInk);
    c.Fill(Path::RoundRect(11, 56 - r, 20, 62 - (56 - r), 3.5f), kTrousers);
    c.Fill(Path::Rect(22, 57 - r, 9, 62 - (57 - r)), kTrousersShade);
    c.Fill(Path::RoundRect(10, 33 - r, 22, 27, 6), kInk);
    c.Fill(Path::RoundRect(11, 34 - r, 20, 25, 5), k.shirt);
    // The shade on whole pixels: a blend of the shirt's two tones would come out nearer the hair's.
    c.Fill(Path::Rect(27, 38 - r, 4, 20), k.shirtShade);
    c.Fill(Path::Rect(11, 55 - r, 20, 3), k.shirtShade);
    c.Fill(Path::Polygon({{18, 34 - r}, {24, 34 - r}, {21, 39 - r}}), k.skin);
    // The head.
    c.Fill(Path::Rect(19, 30 - r, 4, 5), k.skinShade);
    c.Fill(Path::Ellipse(cx, cy, 8.6f, 9.4f), kInk);
    c.Fill(Path::Ellipse(cx, cy, 7.6f, 8.4f), k.skin);
    c.Fill(Path::Ellipse(cx + 3.5f, cy + 2, 3.6f, 5.8f), k.skinShade);
    c.Fill(Path::Ellipse(cx + 1.8f, cy + 1, 5.4f, 6.6f), k.skin);
    Hair(c, look, cx, cy, k, false);
    Arm(c, {13, 38 - r}, pose.left, k);
    Arm(c, {29, 38 - r}, pose.right, k);
    if (pose.holding >= 0) Snack(c, pose.holding, (pose.left.x + pose.right.x) / 2 - 6, pose.left.y - 9, 12);
    // Exact colours only: the recolouring finds every pixel of hair and shirt.
    std::vector<uint32_t> plain = {kInk, k.skin, k.skinShade, kTrousers, kTrousersShade};
    if (pose.holding >= 0)
        plain.insert(plain.end(), {kWhite, kPopcorn, kPopcornShade, kStripeRed, kIndigo, kBun, kSausage, kMustard});
    const TonePair swapped[] = {{k.hair, k.hairShade}, {k.shirt, k.shirtShade}};
    SnapTo(c, plain, swapped);
    // The face last, pixel by pixel, so nothing else can snap to its whites and reds.
    const int fx = static_cast<int>(cx), fy = static_cast<int>(cy);
    const int glance = static_cast<int>(pose.look);
    for (const int x : {fx - 3 + glance, fx + 3 + glance}) {
        if (pose.blink) {
            for (int dx = -1; dx <= 1; ++dx) c.Set(x + dx, fy + 1, kEye);
        } else {
            c.Set(x - 1, fy, kWhite);
            c.Set(x - 1, fy + 1, kWhite);
            c.Set(x, fy, kEye);
            c.Set(x, fy + 1, kEye);
        }
    }
    if (pose.mouthOpen) {
        for (int dy = 4; dy <= 6; ++dy)
            for (int dx = -1; dx <= 1; ++dx) c.Set(fx + dx, fy + dy, kMouth);
    } else {
        c.Set(fx - 2, fy + 4, kMouth);
        c.Set(fx + 2, fy + 4, kMouth);
        for (int dx = -1; dx <= 1; ++dx) c.Set(fx + dx, fy + 5, kMouth);
    }
    return c;
}

art::Picture Animation(int look, std::initializer_list<Pose> poses, int delay) {
    art::Picture p;
    for (const Pose& pose : poses) {
        p.frames.push_back(Customer(look, pose));
        p.delays.push_back(delay);
    }
    return p;
}

art::Picture Sitting(int look) {
    Pose blink;
    blink.blink = true;
    Pose glance;
    glance.look = -1.5f;
    return Animation(look, {Pose{}, blink, Pose{}, glance}, 45);
}

art::Picture Cheer(int look) {
    const auto up = [](float rise, float spread, float height, bool open) {
        Pose p;
        p.rise = rise;
        p.left = {14 - spread, height - rise};
        p.right = {28 + spread, height - rise};
        p.mouthOpen = open;
        return p;
    };
    return Animation(look, {up(2, 2, 26, false), up(6, 5, 12, true), up(8, 7, 6, true), up(4, 4, 16, true)}, 12);
}

art::Picture CatchA(int look) {
    const auto reach = [](float lift) {
        Pose p;
        p.left = {9, 13 - lift};
        p.right = {33, 13 - lift};
        p.mouthOpen = lift > 1;
        p.rise = lift;
        return p;
    };
    return Animation(look, {reach(0), reach(2), reach(3)}, 12);
}

art::Picture CatchB(int look) {
    const auto eat = [look](float lift, bool chew) {
        Pose p;
        p.left = {17, 38 - lift};
        p.right = {25, 38 - lift};
        p.mouthOpen = chew;
        p.holding = look % 3;
        return p;
    };
    return Animation(look, {eat(0, false), eat(3, true), eat(1, false)}, 14);
}

art::Picture Throw(int look) {
    const auto wind = [](PointF right, bool open) {
        Pose p;
        p.right = right;
        p.mouthOpen = open;
        return p;
    };
    return Animation(look, {wind({36, 22}, false), wind({27, 18}, true), wind({8, 32}, true)}, 10);
}

struct LegStyle {
    uint32_t cloth, clothShade, sock, shoe;
    float hem;  // where the trousers end, 0 top to 20 ankle
};

art::Picture Legs(const LegStyle& s) {
    Canvas c(23, 24);
    for (const float x : {3.0f, 13.0f}) {
        c.Fill(Path::RoundRect(x - 1, 0, 9, 21, 2), kInk);
        c.Fill(Path::Rect(x, 0, 7, 20), s.sock);
        c.Fill(Path::Rect(x, 0, 7, s.hem), s.cloth);
        c.Fill(Path::Rect(x + 5, 0, 2, s.hem), s.clothShade);
        c.Fill(Path::RoundRect(x - 2, 18, 11, 6, 2.5f), kInk);
        c.Fill(Path::RoundRect(x - 1, 19, 9, 4, 2), s.shoe);
        c.Line(x, 19.5f, x + 5, 19.5f, 0.8f, art::Shade(s.shoe, 0.4f));
    }
    return art::Still(std::move(c));
}

// Each look's name and its five animations.
struct LookRecipes {
    explicit LookRecipes(int look) {
        const std::string name(pellawick::LookName(look));
        const auto add = [&](const char* pose, int frames, std::function<art::Picture()> draw) {
            recipes.push_back(std::make_unique<art::ImageRecipe>("ani-" + name + "_" + pose + "-42x86.gif", kWidth,
                                                                 kHeight, frames, std::move(draw)));
        };
        add("sitting", 4, [look] { return Sitting(look); });
        add("cheer", 4, [look] { return Cheer(look); });
        add("catcha", 3, [look] { return CatchA(look); });
        add("catchb", 3, [look] { return CatchB(look); });
        add("throw", 3, [look] { return Throw(look); });
    }
    std::vector<std::unique_ptr<art::ImageRecipe>> recipes;
};

const LookRecipes looks[] = {LookRecipes(0), LookRecipes(1), LookRecipes(2), LookRecipes(3)};

constexpr std::array<LegStyle, 9> kLegStyles = {{
    {0x3E64A8, 0x2B4A80, 0x3E64A8, 0xF4F4F4, 20},   // jeans and white sneakers
    {0xC8A96E, 0xA2844E, 0xC8A96E, 0x6B3E1E, 20},   // khakis and brown shoes
    {0x33363D, 0x22242A, 0x33363D, 0x1C1C1C, 20},   // black trousers
    {0x8E949E, 0x6E737C, 0x8E949E, 0xB0302A, 20},   // grey trousers and red sneakers
    {0x4C8C3C, 0x386B2C, 0xFAFAFA, 0x2C2C2C, 7},    // shorts and long white socks
    {0xD2803C, 0xAE6428, kSkin, 0xF4F4F4, 9},       // shorts and bare knees
    {0x3E64A8, 0x2B4A80, 0xF7F7F0, 0xE8E8E0, 20},   // jeans and a plaster cast
    {0xA8322E, 0x7C2220, 0xA8322E, 0x4A2A14, 20},   // plaid trousers
    {0x2D7A6E, 0x1F5A50, 0x2D7A6E, 0xF4F4F4, 20},   // track pants
}};

art::Picture Leg(int n) {
    art::Picture p = Legs(kLegStyles[static_cast<size_t>(n)]);
    Canvas& c = p.frames.front();
    if (n == 6) {
        // The cast covers the right leg and has a signature.
        c.Fill(Path::RoundRect(11.5f, 2, 10, 21, 2), 0x9C9A90);
        c.Fill(Path::RoundRect(12.5f, 3, 8, 19, 1.5f), 0xF7F7F0);
        c.Line(14, 10, 19, 8, 0.8f, kIndigo);
    }
    if (n == 7) {
        for (const float x : {3.0f, 13.0f}) {
            for (float y = 3; y < 19; y += 5) c.Line(x, y, x + 7, y, 0.8f, 0xE8C35A);
            c.Line(x + 3.5f, 0, x + 3.5f, 19, 0.8f, 0x5A1412);
        }
    }
    if (n == 8) {
        for (const float x : {3.5f, 13.5f}) c.Line(x, 0, x, 19, 0.9f, kWhite);
    }
    return p;
}

const art::ImageRecipe legs[] = {
    {"img-leg1-23x24.gif", 23, 24, 1, [] { return Leg(0); }},
    {"img-leg2-23x24.gif", 23, 24, 1, [] { return Leg(1); }},
    {"img-leg3-23x24.gif", 23, 24, 1, [] { return Leg(2); }},
    {"img-leg4-23x24.gif", 23, 24, 1, [] { return Leg(3); }},
    {"img-leg5-23x24.gif", 23, 24, 1, [] { return Leg(4); }},
    {"img-leg6-23x24.gif", 23, 24, 1, [] { return Leg(5); }},
    {"img-leg7-23x24.gif", 23, 24, 1, [] { return Leg(6); }},
    {"img-leg8-23x24.gif", 23, 24, 1, [] { return Leg(7); }},
    {"img-leg9-23x24.gif", 23, 24, 1, [] { return Leg(8); }},
};

}  // namespace
