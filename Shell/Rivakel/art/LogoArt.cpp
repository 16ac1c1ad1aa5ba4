// The portal's logos in the frame: the big skin's animated logo (117x84; the mascot bounces on
// the word mark, and the loop closes on the landing), the small skin's 39x29 badge, and the two
// trademark marks that pages place beside the name.
#include <cmath>

#include "PortalLook.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;

constexpr int kLogoW = 117, kLogoH = 84;
constexpr int kLogoFrames = 16;
constexpr int kLogoDelay = 7;  // hundredths of a second

// Height of the ball above its landing, for step t of the loop (0 and 1 are the landing).
float BounceHeight(float t) { return 4 * t * (1 - t); }

void DrawRibbon(Canvas& c, float y) {
    const Path ribbon = *Path::FromSvg("M14 0 H103 L97 7 L103 14 H14 L20 7 Z");
    const Path placed = ribbon.Transformed(1, 0, y);
    c.Fill(placed.Stroke(2), 0x1F5E00);
    c.Fill(placed, Paint::Linear(0, y, 0, y + 14, {{0, 0x66CC33}, {1, portal::kGreen}}));
    portal::Caption(c, kLogoW / 2.0f, y + 7, "GAMES", art::TextStyle{10, true}, portal::kWhite, 0x1F5E00);
}

constexpr float kBallX = 81;  // over the "a", whose top is low
constexpr float kBallR = 12;
constexpr float kBounce = 15;  // height of the bounce

// The topmost row of the word under the ball, where it lands.
int LandingRow(const Canvas& word) {
    for (int y = 0; y < word.Height(); ++y)
        for (int x = static_cast<int>(kBallX) - 3; x <= static_cast<int>(kBallX) + 3; ++x)
            if (word.At(x, y) != art::kKey) return y;
    return word.Height();
}

Canvas DrawLogoFrame(int frame) {
    const float t = static_cast<float>(frame) / kLogoFrames;
    const bool landed = frame == 0;
    // The word dips a pixel under the landing and comes back up as the ball leaves.
    const int dip = (landed || frame == kLogoFrames - 1) ? 1 : 0;
    Canvas c(kLogoW, kLogoH);
    DrawRibbon(c, 67);
    const art::TextStyle style{28, true};
    const int wordX = (kLogoW - Canvas::TextWidth("Rivakel", style)) / 2;
    Canvas word(kLogoW, kLogoH);
    portal::WordMark(word, wordX, 33 + dip, "Rivakel", style);
    c.Draw(word, 0, 0);

    // The ball: squashed on landing, stretched while it moves fast, round at the top.
    const float speed = std::fabs(1 - 2 * t);
    const float rx = landed ? kBallR + 2.5f : kBallR - 1.2f * speed;
    const float ry = landed ? kBallR - 3 : kBallR + 1.5f * speed;
    const float ground = static_cast<float>(LandingRow(word)) + 1;
    const float cy = ground - ry - BounceHeight(t) * kBounce;
    portal::Mascot(c, kBallX, cy, rx, ry);
    // Sparkles that wink at the top of the bounce.
    const float glow = std::max(0.0f, 1 - std::fabs(t - 0.5f) * 5);
    if (glow > 0) {
        c.Fill(portal::StarPath(kBallX + 18, cy - 7, 5 * glow + 1, 2 * glow + 0.5f), portal::kCreamDeep);
        c.Fill(portal::StarPath(kBallX - 19, cy + 3, 3.5f * glow + 1, 1.4f * glow + 0.4f), portal::kCreamDeep);
    }
    return c;
}

art::Picture DrawLogo() {
    art::Picture picture;
    for (int f = 0; f < kLogoFrames; ++f) {
        picture.frames.push_back(DrawLogoFrame(f));
        picture.delays.push_back(kLogoDelay);
    }
    return picture;
}

art::Picture DrawSmallLogo() {
    Canvas c(39, 29);
    portal::ButtonFace(c, {0, 0, 39, 29}, portal::kIndigoLight, false);
    c.Fill(Path::Ellipse(15, 25.5f, 8, 1.5f), portal::kIndigoDark);
    portal::Mascot(c, 15, 14.5f, 10.5f, 10);
    c.Fill(portal::StarPath(31, 9, 5, 2), portal::kCreamDeep);
    c.Fill(portal::StarPath(33, 21, 3, 1.2f), portal::kCreamDeep);
    return art::Still(std::move(c));
}

// "TM" in bold capitals, centred.
art::Picture DrawTrademark(int width, int height, const art::TextStyle& style, uint32_t colour, bool ringed) {
    Canvas c(width, height);
    const int x = (width - Canvas::TextWidth("TM", style)) / 2;
    const int y = (height - Canvas::TextHeight(style)) / 2;
    if (ringed)
        c.OutlinedText(x, y, "TM", style, colour, portal::kIndigoDeep);
    else
        c.Text(x, y, "TM", style, colour);
    return art::Still(std::move(c));
}

const art::ImageRecipe logo{"ani-logomain-117x84.gif", kLogoW, kLogoH, kLogoFrames, DrawLogo};
const art::ImageRecipe smallLogo{"img-logomain-small-39x29.gif", 39, 29, 1, DrawSmallLogo};
// For light grounds (pages), and a ringed one for the frame's coloured grounds.
const art::ImageRecipe trademark{"img-tm.gif", 13, 9, 1, [] {
                                     return DrawTrademark(13, 9, art::TextStyle{8, true}, portal::kIndigo, false);
                                 }};
const art::ImageRecipe trademark2{"img-tm2.gif", 16, 11, 1, [] {
                                      return DrawTrademark(16, 11, art::TextStyle{8, true}, portal::kCreamDeep, true);
                                  }};

}  // namespace
