// The shell window's frame pictures for both skins, the system buttons and the big skin's bevel.
//
// The frame is the whole window's background. The shell draws onto it, at fixed places: the
// navigation buttons, each an 85x32 cell on kNavGround; the game area (500x420); the in-game menu
// column, which it fills with kMenuColumn; the logo; the banner spots (big skin); and a few lines
// of text. Each part of the frame below is shaped around those places, which FrameLayout.h holds.
#include <cmath>

#include "FrameLayout.h"
#include "PortalLook.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using art::Shade;
using portal::Box;
using portal::kIndigo;
using portal::kIndigoDark;
using portal::kIndigoDeep;

Box Grow(Box b, float by) { return {b.x - by, b.y - by, b.w + 2 * by, b.h + 2 * by}; }
Box Shrink(Box b, float by) { return Grow(b, -by); }
Path Rounded(Box b, float r) { return Path::RoundRect(b.x, b.y, b.w, b.h, r); }

// A panel with a dark rim, a one-pixel light inner edge at its top and its face.
void Panel(Canvas& c, Box b, float r, const Paint& face, uint32_t rim, uint32_t light) {
    c.Fill(Rounded(b, r), rim);
    c.Fill(Rounded(Shrink(b, 1), r - 1), light);
    c.Fill(Rounded({b.x + 1, b.y + 2, b.w - 2, b.h - 3}, r - 1), face);
}

// A banner spot: a recess, dark at its top left and light at its bottom right, around a calm
// striped face with a few stars, which is what shows until a banner arrives.
void BannerSlot(Canvas& c, Box b) {
    const Box outer = Grow(b, 2);
    c.Fill(Rounded(outer, 3), 0xEEF6F6);
    c.Fill(Rounded({outer.x, outer.y, outer.w - 1, outer.h - 1}, 3), 0x336666);
    Canvas face(static_cast<int>(b.w), static_cast<int>(b.h));
    face.Fill(Path::Rect(0, 0, b.w, b.h), Paint::Linear(0, 0, 0, b.h, {{0, 0xD4E8E8}, {1, 0xE8F4F4}}));
    for (float x = -b.h; x < b.w; x += 14)
        face.Fill(Path::Polygon({{x, b.h}, {x + b.h, 0}, {x + b.h + 5, 0}, {x + 5, b.h}}), 0xDCEEEE);
    const float stars[][2] = {{0.15f, 0.35f}, {0.5f, 0.62f}, {0.85f, 0.3f}};
    for (const auto& s : stars) face.Fill(portal::StarPath(b.w * s[0], b.h * s[1], 7, 3), 0xC4DEDE);
    c.Draw(face, static_cast<int>(b.x), static_cast<int>(b.y));
}

// Game pieces in a tone just off the background, down a side of the window.
void Pieces(Canvas& c, float cx, std::initializer_list<std::pair<portal::Glyph, float>> pieces) {
    for (const auto& [glyph, cy] : pieces) portal::DrawGlyph(c, glyph, cx, cy, 46, 0x3E3EA8, 0x4A4AB4);
}

// Soft round spots of a lighter indigo scattered over the background.
void Bubbles(Canvas& c, Box area, uint32_t seed) {
    uint32_t state = seed;
    const auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<float>((state >> 16) & 0x7FFF) / 32767.0f;
    };
    const int count = static_cast<int>(area.w * area.h / 2600);
    for (int i = 0; i < count; ++i) {
        const float x = area.x + next() * area.w, y = area.y + next() * area.h, r = 3 + next() * 9;
        c.Fill(Path::Ellipse(x, y, r, r), Shade(kIndigo, 0.06f + next() * 0.05f));
    }
}

// The ring around the game area: orange between two dark lines.
void GameRing(Canvas& c, Box game) {
    c.Fill(Rounded(Grow(game, 5), 6), kIndigoDeep);
    c.Fill(Rounded(Grow(game, 4), 5), portal::kOrange);
    c.Fill(Path::Rect(game.x - 3, game.y - 3, game.w + 6, 1), 0xFFCC66);
    c.Fill(Rounded(Grow(game, 2), 2), kIndigoDeep);
}

// The menu column beside the game area. The column continues past what the shell fills, with
// rounded ends, and tucks over the ring's left side; a dark line parts it from the game.
void MenuAndGame(Canvas& c, Box fill, Box game) {
    GameRing(c, game);
    const Box tray{fill.x - 4, fill.y - 8, fill.w + 8, fill.h + 16};
    Panel(c, tray, 10, Paint::Solid(portal::kMenuColumn), kIndigoDeep, 0x3333BB);
    c.Fill(Path::Rect(fill.x, fill.y, fill.w, fill.h), portal::kMenuColumn);
    c.Fill(Path::Rect(game.x - 1, tray.y + 3, 1, tray.h - 6), kIndigoDeep);
    c.Fill(Path::Rect(game.x, game.y, game.w, game.h), portal::kPage);
}

void NavBand(Canvas& c, Box band) {
    c.Fill(Rounded(Grow(band, 1), 12), kIndigoDeep);
    c.Fill(Rounded(band, 11), Shade(portal::kNavGround, 0.3f));
    c.Fill(Rounded({band.x, band.y + 2, band.w, band.h - 2}, 11), Shade(portal::kNavGround, -0.25f));
    c.Fill(Rounded({band.x, band.y + 2, band.w, band.h - 4}, 10), portal::kNavGround);
}

art::Picture DrawBigFrame() {
    using namespace frame::big;
    Canvas c(kWidth, kHeight);
    c.Fill(Path::Rect(0, 0, kWidth, kHeight), Paint::Linear(0, 0, 0, kHeight, {{0, 0x3A3AAA}, {1, 0x2C2C8C}}));
    Bubbles(c, {0, 0, kWidth, kHeight}, 7);
    Pieces(c, 50, {{portal::Glyph::Join, 215}, {portal::Glyph::Card, 340}, {portal::Glyph::Games, 465}});
    Pieces(c, 750, {{portal::Glyph::Card, 215}, {portal::Glyph::Games, 340}, {portal::Glyph::Join, 465}});

    // The logo's nook at the top left, with room under the logo for the terms link.
    Panel(c, kLogoNook, 12,
          Paint::Linear(0, kLogoNook.y, 0, kLogoNook.y + kLogoNook.h, {{0, 0x2A2A80}, {1, kIndigoDeep}}), kIndigoDeep,
          0x5555BB);
    c.Fill(Path::Ellipse(kLogo.x + kLogo.w / 2, kLogo.y + kLogo.h / 2, 66, 50),
           Paint::Radial(kLogo.x + kLogo.w / 2, kLogo.y + kLogo.h / 2, 66, {{0, 0x4848B0}, {1, 0x262678}}));

    // The header: navigation band above a teal strip for the banners.
    Panel(c, kHeader, 12, Paint::Linear(0, kHeader.y, 0, kHeader.y + kHeader.h, {{0, 0xBBE0E0}, {1, portal::kTeal}}),
          kIndigoDeep, 0xDDF0F0);
    NavBand(c, kNavBand);
    for (const float x : {257.5f, 352.5f, 447.5f}) c.Fill(Path::Ellipse(x, kNavCellY + 16, 2, 2), portal::kCreamDeep);
    c.Fill(portal::StarPath(567.5f, kNavCellY + 17, 10, 4.2f), portal::kCreamDeep);
    BannerSlot(c, kBanner);
    BannerSlot(c, kCatalogue);

    // The console: the menu column beside the game area.
    Panel(c, kConsole, 14, Paint::Solid(kIndigoDark), kIndigoDeep, 0x4444AA);
    MenuAndGame(c, kMenuFill, kGameArea);

    // The system buttons' plate.
    Panel(c, kSysPlate, 6, Paint::Solid(kIndigoDark), kIndigoDeep, 0x5555BB);
    return art::Still(std::move(c));
}

art::Picture DrawSmallFrame() {
    using namespace frame::small;
    Canvas c(kWidth, kPictureHeight);
    c.Fill(Path::Rect(0, 0, kWidth, kPictureHeight), Paint::Linear(0, 0, 0, kHeight, {{0, 0x3A3AAA}, {1, 0x2C2C8C}}));
    Bubbles(c, {0, 0, kWidth, kPictureHeight}, 11);

    // The title bar, under the title text and the system buttons.
    c.Fill(Path::Rect(0, 0, kWidth, kTitleBarHeight),
           Paint::Linear(0, 0, 0, kTitleBarHeight, {{0, 0x2A2A80}, {1, kIndigoDeep}}));
    c.Fill(Path::Rect(0, kTitleBarHeight - 1, kWidth, 1), portal::kOrange);

    // The navigation column down the left side.
    Panel(c, kNavColumn, 8, Paint::Linear(0, 0, kNavColumn.w, 0, {{0, 0x2A2A80}, {1, 0x24246E}}), kIndigoDeep,
          0x4444AA);

    // A groove sets "Join" apart from the pages above it.
    c.Fill(Path::Rect(kNavColumn.x + 7, kNavDividerY, kNavColumn.w - 14, 1), kIndigoDeep);
    c.Fill(Path::Rect(kNavColumn.x + 7, kNavDividerY + 1, kNavColumn.w - 14, 1), 0x5555BB);

    MenuAndGame(c, kMenuFill, kGameArea);
    return art::Still(std::move(c));
}

// Cells 0 and 1: the button's face, normal and under the pointer; 2 and 3: the minimize and
// close symbols, laid over either face.
art::Picture DrawSystemButtons() {
    art::Picture picture;
    constexpr int kW = 16, kH = 14;
    for (int cell = 0; cell < 4; ++cell) {
        Canvas c(kW, kH);
        if (cell < 2) {
            portal::ButtonFace(c, {0, 0, kW, kH}, cell == 0 ? portal::kIndigoLight : portal::kOrange, false);
        } else if (cell == 2) {
            c.Fill(Path::Rect(3.5f, 8, 9, 3.5f), kIndigoDeep);
            c.Fill(Path::Rect(4.5f, 8.8f, 7, 2), portal::kWhite);
        } else {
            const Path cross = *Path::FromSvg("M4.5 3.5 L11.5 10.5 M11.5 3.5 L4.5 10.5");
            c.Fill(cross.Stroke(3.6f), kIndigoDeep);
            c.Fill(cross.Stroke(1.8f), portal::kWhite);
        }
        picture.frames.push_back(std::move(c));
        picture.delays.push_back(0);
    }
    picture.loop = false;
    return picture;
}

// Eight 5x5 cells in a row, reading the frame's ring left to right and top to bottom:
// top-left corner, top edge, top-right corner, left edge, right edge, bottom-left corner, bottom
// edge, bottom-right corner. Raised: lit on the top and left, shaded on the bottom and right.
art::Picture DrawBevelEdges() {
    constexpr int kCell = 5;
    // Tones from the window's outer edge inward.
    constexpr uint32_t kLit[kCell] = {0x9999EE, 0x7777DD, 0x5555BB, 0x3F3FA5, kIndigoDeep};
    constexpr uint32_t kShaded[kCell] = {0x0E0E30, kIndigoDeep, 0x1E1E5E, 0x2A2A80, 0x4444AA};
    Canvas c(8 * kCell, kCell);
    // For each cell: which two sides meet there (top or bottom, left or right); -1 none.
    struct Sides {
        int vertical;    // 0 top, 1 bottom
        int horizontal;  // 0 left, 1 right
    };
    constexpr Sides kCells[8] = {{0, 0}, {0, -1}, {0, 1}, {-1, 0}, {-1, 1}, {1, 0}, {1, -1}, {1, 1}};
    for (int cell = 0; cell < 8; ++cell) {
        for (int y = 0; y < kCell; ++y) {
            for (int x = 0; x < kCell; ++x) {
                // Distance from the outer edge along each side, kCell when the side is absent.
                const int dv = kCells[cell].vertical < 0 ? kCell : (kCells[cell].vertical == 0 ? y : kCell - 1 - y);
                const int dh = kCells[cell].horizontal < 0 ? kCell : (kCells[cell].horizontal == 0 ? x : kCell - 1 - x);
                const bool fromVertical = dv <= dh;
                const int depth = fromVertical ? dv : dh;
                const bool lit = fromVertical ? kCells[cell].vertical == 0 : kCells[cell].horizontal == 0;
                // Where a lit side meets a shaded one the diagonal decides, so corners mitre.
                c.Set(cell * kCell + x, y, lit ? kLit[depth] : kShaded[depth]);
            }
        }
    }
    return art::Still(std::move(c));
}

const art::ImageRecipe bigFrame{"img-main-800x572.gif", frame::big::kWidth, frame::big::kHeight, 1, DrawBigFrame};
const art::ImageRecipe smallFrame{"img-main-640x482.gif", frame::small::kWidth, frame::small::kPictureHeight, 1,
                                  DrawSmallFrame};
const art::ImageRecipe systemButtons{"asl-sysbuttons-16x14x4.gif", 16, 14, 4, DrawSystemButtons};
const art::ImageRecipe bevelEdges{"slb-BevelEdges.gif", 40, 5, 1, DrawBevelEdges};

}  // namespace
