// The bubbles and the frame of the board.
//
//   p-img-bbl<kind>.gif   32 x 32, a twinkle played once when the bubble is made: it starts and
//                         ends at rest, so a settled board is a still picture. The white one
//                         grows a halo and keeps it, as it also serves as the pop flash.
//   p-slb-boardedge.gif   eight 16 x 16 cells: corners top-left, top-right, bottom-right,
//                         bottom-left, then the left, right, top and bottom edges. The rail keeps
//                         to the outer 12 pixels of each cell, clear of the bubbles.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "BrisquetLook.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using namespace brisquet_art;

constexpr int kFrames = 8;
constexpr float kCentre = 16.0f;
constexpr float kRadius = 15.2f;

art::Picture Twinkle(int kind) {
    // A small bounce and a star that flares on the glint and fades.
    constexpr float kSquash[kFrames] = {0, 0.05f, -0.04f, 0.025f, -0.015f, 0.008f, 0, 0};
    constexpr float kStar[kFrames] = {0, 2.5f, 5, 7, 5.5f, 3.5f, 1.5f, 0};
    const uint32_t star = kind == kBlack ? kOrange : 0xFFFFFF;
    art::Picture picture;
    picture.loop = false;
    for (int f = 0; f < kFrames; ++f) {
        Canvas c(32, 32);
        DrawBubble(c, kCentre, kCentre, kRadius, kKinds[kind], kSquash[f]);
        DrawSparkle(c, 10.5f, 9.5f, kStar[f], star);
        picture.frames.push_back(std::move(c));
        picture.delays.push_back(f == 0 ? 10 : 5);
    }
    return picture;
}

art::Picture Flash() {
    // Rays grow around the white bubble; the last frame, the flash, stays.
    art::Picture picture;
    picture.loop = false;
    for (int f = 0; f < kFrames; ++f) {
        Canvas c(32, 32);
        const float t = static_cast<float>(f) / (kFrames - 1);
        for (int i = 0; i < 8; ++i) {
            const float a = (static_cast<float>(i) + 0.5f * t) * std::numbers::pi_v<float> / 4;
            const float reach = 10 + 5.5f * t;
            c.Line(kCentre + std::cos(a) * 6, kCentre + std::sin(a) * 6, kCentre + std::cos(a) * reach,
                   kCentre + std::sin(a) * reach, i % 2 == 0 ? 2.0f : 1.2f, i % 2 == 0 ? kGoldLight : 0xCFE4FF);
        }
        DrawBubble(c, kCentre, kCentre, 12.5f - 2.0f * t, kKinds[kWhite]);
        DrawSparkle(c, kCentre, kCentre, 3 + 4 * t, 0xFFFFFF);
        picture.frames.push_back(std::move(c));
        picture.delays.push_back(4);
    }
    return picture;
}

// The rail's tone at cross-section s (-1 at its outer side, 1 at its inner side) when its outer
// side faces (ox, oy): a tube lit from the top left.
uint32_t RailTone(float s, float ox, float oy) {
    if (std::fabs(s) > 0.84f) return kRailRim;
    const float nz = std::sqrt(std::max(0.0f, 1 - s * s));
    const float lit = -s * (ox * -0.55f + oy * -0.62f) + nz * 0.56f;
    if (lit > 0.86f) return kRailGlint;
    if (lit > 0.62f) return kRailLight;
    if (lit > 0.3f) return kRailBody;
    return kRailShade;
}

constexpr float kRail = 12.0f;

// Cell 0 to 3: the corners, turning around the inner point (ix, iy); 4 to 7 the straight edges.
void EdgeCell(Canvas& strip, int cell) {
    constexpr int kInnerX[4] = {12, 4, 4, 12};
    constexpr int kInnerY[4] = {12, 12, 4, 4};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const float px = static_cast<float>(x) + 0.5f, py = static_cast<float>(y) + 0.5f;
            float depth = -1, ox = 0, oy = 0;
            switch (cell) {
            case 4: depth = px, ox = -1; break;
            case 5: depth = 16 - px, ox = 1; break;
            case 6: depth = py, oy = -1; break;
            case 7: depth = 16 - py, oy = 1; break;
            default: {
                const float ix = static_cast<float>(kInnerX[cell]), iy = static_cast<float>(kInnerY[cell]);
                const float sx = cell == 0 || cell == 3 ? -1.0f : 1.0f, sy = cell < 2 ? -1.0f : 1.0f;
                const float dx = (px - ix) * sx, dy = (py - iy) * sy;  // outward from the board
                if (dx > 0 && dy > 0) {
                    const float d = std::hypot(dx, dy);
                    depth = kRail - d, ox = sx * dx / d, oy = sy * dy / d;
                } else if (dy > 0) {
                    depth = kRail - dy, oy = sy;
                } else if (dx > 0) {
                    depth = kRail - dx, ox = sx;
                }
            }
            }
            if (depth < 0 || depth >= kRail) continue;
            strip.Set(cell * 16 + x, y, RailTone(depth / kRail * 2 - 1, ox, oy));
        }
    }
    // A gold bead on every edge cell and a larger one on each corner.
    const bool corner = cell < 4;
    const float bx = static_cast<float>(cell * 16) +
                     (corner ? (cell == 0 || cell == 3 ? 6.0f : 10.0f) : cell == 4 ? 6.0f : cell == 5 ? 10.0f : 8.0f);
    const float by = corner ? (cell < 2 ? 6.0f : 10.0f) : cell == 6 ? 6.0f : cell == 7 ? 10.0f : 8.0f;
    const float r = corner ? 4.2f : 2.6f;
    strip.Fill(art::Path::Ellipse(bx, by, r, r), kGoldDark);
    strip.Fill(art::Path::Ellipse(bx - 0.3f, by - 0.3f, r - 1, r - 1), kGold);
    strip.Fill(art::Path::Ellipse(bx - r * 0.35f, by - r * 0.35f, r * 0.35f, r * 0.35f), kGoldLight);
}

art::Picture BoardEdge() {
    Canvas strip(128, 16);
    for (int cell = 0; cell < 8; ++cell) EdgeCell(strip, cell);
    return art::Still(std::move(strip));
}

const art::ImageRecipe red{"p-img-bblred.gif", 32, 32, kFrames, [] { return Twinkle(0); }};
const art::ImageRecipe blue{"p-img-bblblue.gif", 32, 32, kFrames, [] { return Twinkle(1); }};
const art::ImageRecipe yellow{"p-img-bblyellow.gif", 32, 32, kFrames, [] { return Twinkle(2); }};
const art::ImageRecipe green{"p-img-bblgreen.gif", 32, 32, kFrames, [] { return Twinkle(3); }};
const art::ImageRecipe black{"p-img-bblblack.gif", 32, 32, kFrames, [] { return Twinkle(kBlack); }};
const art::ImageRecipe white{"p-img-bblwhite.gif", 32, 32, kFrames, Flash};
const art::ImageRecipe edge{"p-slb-boardedge.gif", 128, 16, 1, BoardEdge};

}  // namespace
