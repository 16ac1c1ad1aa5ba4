// Wick, the seller, 42x86 on the aisle: orange cap, white shirt, the snack tray on its strap.
//
//   img-wick-standing.gif, img-wick-throwleft.gif, img-wick-throwright.gif,
//   img-wick-Refueling.gif (arms full of cartons), img-wick-ThumbsUp.gif,
//   img-wick-WalkingUp.gif (from behind), img-wick-WalkingDown.gif (mid-stride)
//   ani-wick_beenhit-42x86.gif   splattered and wobbling (4 frames, repeating)
//   ani-wick_die-42x86.gif       knocked flat with stars round his head (6 frames, once)
#include <cmath>

#include "PellawickLook.h"
#include "PellawickPalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Path;
using art::PointF;
using namespace pellawick_art;

constexpr int kWidth = kFigureWidth, kHeight = kFigureHeight;
constexpr uint32_t kShirt = 0xF7F7F2, kShirtShade = 0xCFD3DC;
constexpr uint32_t kPants = 0x3F4A7A, kPantsShade = 0x2C3458;
constexpr uint32_t kShoe = 0x6B3A1E;
constexpr uint32_t kTray = 0xD93A2B, kTrayShade = 0x9C2418;

enum class Face { Plain, Grin, Ouch, Back };

struct Pose {
    float lean = 0;    // the upper body sideways
    float crouch = 0;  // the upper body lower
    PointF left{11, 50}, right{31, 50};
    float stride = 0;  // one foot forward
    Face face = Face::Plain;
    bool tray = true;
    bool splat = false;
    bool thumb = false;   // the right hand gives a thumbs up
    int carrying = -1;    // a snack in the left hand
};

void Limb(Canvas& c, PointF a, PointF b, float width, uint32_t colour) {
    c.Line(a.x, a.y, b.x, b.y, width + 2, kInk);
    c.Line(a.x, a.y, b.x, b.y, width, colour);
}

void Hand(Canvas& c, PointF at, bool thumb) {
    c.Fill(Path::Ellipse(at.x, at.y, 3.3f, 3.3f), kInk);
    c.Fill(Path::Ellipse(at.x, at.y, 2.3f, 2.3f), kSkin);
    if (thumb) {
        c.Fill(Path::RoundRect(at.x - 1.6f, at.y - 8, 3.2f, 7, 1.5f), kInk);
        c.Fill(Path::RoundRect(at.x - 0.7f, at.y - 7, 1.6f, 5.5f, 0.8f), kSkin);
    }
}

Canvas Wick(const Pose& p) {
    Canvas c(kWidth, kHeight);
    const float bx = 21 + p.lean, top = 4 + p.crouch;
    // Legs and shoes.
    const float hip = 54 + p.crouch * 0.6f;
    Limb(c, {bx - 4, hip}, {17 - p.stride, 80}, 6, kPants);
    Limb(c, {bx + 4, hip}, {25 + p.stride, 80}, 6, kPantsShade);
    for (const float fx : {16 - p.stride, 26 + p.stride}) {
        c.Fill(Path::RoundRect(fx - 5, 79, 10, 6, 2.5f), kInk);
        c.Fill(Path::RoundRect(fx - 4, 80, 8, 4, 2), kShoe);
    }
    // The body.
    c.Fill(Path::RoundRect(bx - 11, top + 20, 22, 37 - p.crouch * 0.4f, 6), kInk);
    c.Fill(Path::RoundRect(bx - 10, top + 21, 20, 35 - p.crouch * 0.4f, 5), kShirt);
    c.Fill(Path::Polygon({{bx + 3, top + 22}, {bx + 10, top + 26}, {bx + 10, top + 54}, {bx + 4, top + 54}}), kShirtShade);
    c.Fill(Path::Rect(bx - 10, top + 50 - p.crouch * 0.4f, 20, 5), kPants);
    if (p.face != Face::Back) {
        // The strap and a name badge.
        c.Line(bx - 7, top + 22, bx + 6, top + 42, 2, kIndigo);
        c.Fill(Path::RoundRect(bx - 8, top + 30, 6, 4, 1), kOrange);
    }
    // The head and cap.
    const float hx = bx, hy = top + 11;
    c.Fill(Path::Ellipse(hx, hy, 8, 8.8f), kInk);
    c.Fill(Path::Ellipse(hx, hy, 7, 7.8f), p.face == Face::Back ? 0x7A4A26 : kSkin);
    if (p.face != Face::Back) c.Fill(Path::Ellipse(hx + 3.5f, hy + 2, 3.2f, 5.2f), kSkinShade);
    if (p.face != Face::Back) c.Fill(Path::Ellipse(hx + 1.8f, hy + 1, 5, 6), kSkin);
    c.Fill(Path::Ellipse(hx, hy - 4.5f, 8.6f, 5.2f), kInk);
    c.Fill(Path::Ellipse(hx, hy - 4.8f, 7.6f, 4.4f), kOrange);
    c.Fill(Path::Ellipse(hx - 2, hy - 6, 3.2f, 1.6f), art::Shade(kOrange, 0.45f));
    if (p.face == Face::Back) {
        c.Fill(Path::RoundRect(hx - 4, hy - 1, 8, 2.4f, 1), kOrangeDark);
    } else {
        c.Fill(Path::RoundRect(hx - 9, hy - 2.2f, 13, 3, 1.5f), kInk);
        c.Fill(Path::RoundRect(hx - 8.4f, hy - 1.8f, 11.8f, 2, 1), kOrangeDark);
        if (p.face == Face::Ouch) {
            for (const float ex : {hx - 3.0f, hx + 3.0f}) {
                c.Line(ex - 1.4f, hy + 1, ex + 1.4f, hy + 3.6f, 0.9f, kInk);
                c.Line(ex - 1.4f, hy + 3.6f, ex + 1.4f, hy + 1, 0.9f, kInk);
            }
            c.Fill(Path::Ellipse(hx, hy + 6, 2, 1.4f), kMouth);
        } else {
            for (const float ex : {hx - 3.0f, hx + 3.0f}) {
                c.Fill(Path::Ellipse(ex, hy + 2, 1.4f, 1.7f), kWhite);
                c.Fill(Path::Ellipse(ex, hy + 2.3f, 0.9f, 1.1f), kInk);
            }
            if (p.face == Face::Grin) {
                c.Fill(Path::Polygon({{hx - 3.5f, hy + 5}, {hx + 3.5f, hy + 5}, {hx, hy + 8.2f}}), kMouth);
                c.Line(hx - 3, hy + 5.2f, hx + 3, hy + 5.2f, 0.8f, kWhite);
            } else {
                Path smile;
                smile.MoveTo(hx - 2.5f, hy + 5.4f);
                smile.QuadTo(hx, hy + 7.4f, hx + 2.5f, hy + 5.4f);
                c.Outline(smile, 0.9f, kMouth);
            }
        }
    }
    if (p.splat) {
        c.Fill(Path::Ellipse(hx - 2, hy + 3, 5, 3.6f), kPopcornShade);
        for (const float dx : {-5.0f, -1.0f, 3.0f}) c.Fill(Path::Ellipse(hx + dx, hy + 2 + dx * 0.2f, 1.8f, 1.5f), kPopcorn);
        c.Fill(Path::Ellipse(bx + 4, top + 36, 4, 2.6f), kCola);
    }
    // The tray at the waist, then the arms over it.
    if (p.tray && p.face != Face::Back) {
        c.Fill(Path::RoundRect(bx - 12, top + 40, 24, 11, 2), kInk);
        c.Fill(Path::RoundRect(bx - 11, top + 41, 22, 9, 1.5f), kTray);
        c.Fill(Path::Rect(bx - 11, top + 47, 22, 3), kTrayShade);
        Snack(c, 0, bx - 11, top + 34, 10);
        Snack(c, 1, bx - 4, top + 35, 9);
        Snack(c, 2, bx + 3, top + 37, 8);
    }
    const PointF shoulderL{bx - 8, top + 25}, shoulderR{bx + 8, top + 25};
    Limb(c, shoulderL, {(shoulderL.x + p.left.x) / 2 - 1, (shoulderL.y + p.left.y) / 2}, 4.5f, kShirt);
    Limb(c, {(shoulderL.x + p.left.x) / 2 - 1, (shoulderL.y + p.left.y) / 2}, p.left, 3.5f, kSkin);
    Limb(c, shoulderR, {(shoulderR.x + p.right.x) / 2 + 1, (shoulderR.y + p.right.y) / 2}, 4.5f, kShirtShade);
    Limb(c, {(shoulderR.x + p.right.x) / 2 + 1, (shoulderR.y + p.right.y) / 2}, p.right, 3.5f, kSkin);
    Hand(c, p.left, false);
    Hand(c, p.right, p.thumb);
    if (p.carrying >= 0) Snack(c, p.carrying, p.left.x - 6, p.left.y - 11, 12);
    return c;
}

art::Picture Standing() { return art::Still(Wick(Pose{})); }

art::Picture ThrowTo(bool left) {
    Pose p;
    p.lean = left ? -2 : 2;
    if (left) {
        p.left = {2, 28};
        p.carrying = 0;
    } else {
        p.right = {40, 28};
        p.left = {12, 50};
    }
    p.face = Face::Grin;
    Canvas c = Wick(p);
    if (!left) Snack(c, 0, 30, 17, 12);
    return art::Still(std::move(c));
}

art::Picture Refuelling() {
    Pose p;
    p.crouch = 4;
    p.tray = false;
    p.left = {13, 40};
    p.right = {29, 40};
    Canvas c = Wick(p);
    // An armful of fresh stock.
    Snack(c, 0, 9, 29, 12);
    Snack(c, 1, 16, 27, 12);
    Snack(c, 2, 22, 32, 12);
    return art::Still(std::move(c));
}

art::Picture ThumbsUp() { return art::Still(pellawick_art::ThumbsUpWick()); }

art::Picture WalkingUp() {
    Pose p;
    p.face = Face::Back;
    p.stride = 2;
    p.left = {10, 46};
    p.right = {32, 52};
    return art::Still(Wick(p));
}

art::Picture WalkingDown() {
    Pose p;
    p.stride = -2;
    p.left = {11, 52};
    p.right = {31, 47};
    return art::Still(Wick(p));
}

art::Picture BeenHit() {
    art::Picture pic;
    for (int f = 0; f < 4; ++f) {
        Pose p;
        p.lean = f % 2 == 0 ? -1.5f : 1.5f;
        p.face = Face::Ouch;
        p.splat = true;
        p.left = {6, 40 - static_cast<float>(f % 2) * 4};
        p.right = {36, 36 + static_cast<float>(f % 2) * 4};
        pic.frames.push_back(Wick(p));
        pic.delays.push_back(12);
    }
    return pic;
}

// Flat on the floor: the body lying across the picture's foot, stars circling.
Canvas Lying(float starAngle) {
    Canvas c(kWidth, kHeight);
    c.Fill(Path::RoundRect(6, 72, 30, 11, 4), kInk);
    c.Fill(Path::RoundRect(7, 73, 28, 9, 3.5f), kShirt);
    c.Fill(Path::RoundRect(26, 74, 15, 7, 3), kPants);
    c.Fill(Path::Ellipse(7, 74, 6.5f, 6), kInk);
    c.Fill(Path::Ellipse(7, 74, 5.5f, 5), kSkin);
    c.Fill(Path::Ellipse(3, 70, 4, 3), kOrange);
    for (int i = 0; i < 3; ++i) {
        const float a = starAngle + static_cast<float>(i) * 2.094f;
        const float sx = 9 + std::cos(a) * 8, sy = 62 + std::sin(a) * 3;
        c.Fill(Path::Polygon({{sx, sy - 2.6f}, {sx + 0.8f, sy - 0.8f}, {sx + 2.6f, sy}, {sx + 0.8f, sy + 0.8f},
                              {sx, sy + 2.6f}, {sx - 0.8f, sy + 0.8f}, {sx - 2.6f, sy}, {sx - 0.8f, sy - 0.8f}}),
               kAmber);
    }
    return c;
}

art::Picture Die() {
    art::Picture pic;
    pic.loop = false;
    for (int f = 0; f < 3; ++f) {
        Pose p;
        p.crouch = static_cast<float>(8 + f * 10);
        p.lean = static_cast<float>(-f * 3);
        p.face = Face::Ouch;
        p.left = {4, 30 + static_cast<float>(f) * 8};
        p.right = {38, 28 + static_cast<float>(f) * 8};
        p.tray = false;
        pic.frames.push_back(Wick(p));
        pic.delays.push_back(10);
    }
    for (int f = 0; f < 3; ++f) {
        pic.frames.push_back(Lying(static_cast<float>(f) * 0.7f));
        pic.delays.push_back(f == 2 ? 100 : 14);
    }
    return pic;
}

}  // namespace

art::Canvas pellawick_art::ThumbsUpWick() {
    Pose p;
    p.right = {35, 22};
    p.thumb = true;
    p.face = Face::Grin;
    return Wick(p);
}

namespace {

const art::ImageRecipe standing{"img-wick-standing.gif", kWidth, kHeight, 1, Standing};
const art::ImageRecipe throwLeft{"img-wick-throwleft.gif", kWidth, kHeight, 1, [] { return ThrowTo(true); }};
const art::ImageRecipe throwRight{"img-wick-throwright.gif", kWidth, kHeight, 1, [] { return ThrowTo(false); }};
const art::ImageRecipe refuelling{"img-wick-Refueling.gif", kWidth, kHeight, 1, Refuelling};
const art::ImageRecipe thumbsUp{"img-wick-ThumbsUp.gif", kWidth, kHeight, 1, ThumbsUp};
const art::ImageRecipe walkingUp{"img-wick-WalkingUp.gif", kWidth, kHeight, 1, WalkingUp};
const art::ImageRecipe walkingDown{"img-wick-WalkingDown.gif", kWidth, kHeight, 1, WalkingDown};
const art::ImageRecipe beenHit{"ani-wick_beenhit-42x86.gif", kWidth, kHeight, 4, BeenHit};
const art::ImageRecipe die{"ani-wick_die-42x86.gif", kWidth, kHeight, 6, Die};

}  // namespace
