// The card sheets: the blank face, the back, the suit symbols, the rank glyphs and the three
// court pictures. Glyphs are drawn pixel by pixel so that they stay crisp at their tiny sizes.
//
//   CardFront.gif 49x66  white face, rounded corners (transparent outside)
//   CardBack.gif  49x66  the back of face-down cards and of the draw pile
//   Suits.gif     36x20  clubs, spades (black), hearts, diamonds (red): 9x10 each, upright in
//                        rows 0-9 and upside down in rows 10-19. The corners of a card show them
//                        squeezed to 9 rows, which drops the fifth row: that row repeats the sixth.
//   Numbers.gif  143x56  A, 2-10, J, Q, K: 11x14 each; black upright (rows 0-13) and upside down
//                        (14-27), then the same in red (28-55)
//   Faces.gif     96x64  Jack, Queen, King: 32x64 each, an upper bust and the same turned over
#include <array>
#include <cmath>
#include <string_view>

#include "art/ArtRegistry.h"
#include "DunmoroPalette.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace dunmoro_art;

// ---------------------------------------------------------------- pixel glyphs

// Rows of 'X' (ink) and '.', and 'o' (a highlight) for the suits.
using Glyph9 = std::array<std::string_view, 9>;
using Glyph13 = std::array<std::string_view, 13>;

constexpr std::array<Glyph9, 4> kSuitGlyphs = {{
    {"...XXX...", "..XXXXX..", "...XXX...", ".XX.X.XX.", "XXXXXXXXX", ".XX.X.XX.", "....X....", "...XXX...",
     "........."},  // clubs
    {"....X....", "...XXX...", "..XXXXX..", ".XXXXXXX.", ".XXXXXXX.", "..XX.XX..", "....X....", "...XXX...",
     "........."},  // spades
    {"..XX.XX..", ".XoXXXXX.", ".XXXXXXX.", ".XXXXXXX.", "..XXXXX..", "...XXX...", "....X....", ".........",
     "........."},  // hearts
    {"....X....", "...XXX...", "..XoXXX..", ".XXXXXXX.", "..XXXXX..", "...XXX...", "....X....", ".........",
     "........."},  // diamonds
}};

constexpr std::array<Glyph13, 13> kRankGlyphs = {{
    {"...XXXX...", "..XXXXXX..", "..XX..XX..", "..XX..XX..", ".XX....XX.", ".XX....XX.", ".XX....XX.",
     ".XXXXXXXX.", ".XXXXXXXX.", "XX......XX", "XX......XX", "XX......XX", "XX......XX"},  // A
    {"..XXXXXX..", ".XXXXXXXX.", "XXX....XXX", "XX......XX", ".......XXX", "......XXX.", "....XXXX..",
     "..XXXX....", ".XXX......", "XXX.......", "XX........", "XXXXXXXXXX", "XXXXXXXXXX"},  // 2
    {".XXXXXXXX.", "XXXXXXXXXX", "XX......XX", "........XX", ".......XXX", "...XXXXXX.", "...XXXXXX.",
     ".......XXX", "........XX", "........XX", "XX......XX", "XXXXXXXXXX", ".XXXXXXXX."},  // 3
    {"......XXX.", ".....XXXX.", "....XXXXX.", "...XXX.XX.", "..XXX..XX.", ".XXX...XX.", "XXX....XX.",
     "XXXXXXXXXX", "XXXXXXXXXX", ".......XX.", ".......XX.", ".......XX.", ".......XX."},  // 4
    {"XXXXXXXXXX", "XXXXXXXXXX", "XX........", "XX........", "XXXXXXXX..", "XXXXXXXXX.", ".......XXX",
     "........XX", "........XX", "........XX", "XX.....XXX", "XXXXXXXXX.", ".XXXXXXX.."},  // 5
    {"..XXXXXX..", ".XXXXXXXX.", "XXX....XX.", "XX........", "XX........", "XX.XXXXX..", "XXXXXXXXX.",
     "XXX....XXX", "XX......XX", "XX......XX", "XXX....XXX", ".XXXXXXXX.", "..XXXXXX.."},  // 6
    {"XXXXXXXXXX", "XXXXXXXXXX", "........XX", ".......XX.", "......XXX.", "......XX..", ".....XXX..",
     ".....XX...", "....XXX...", "....XX....", "....XX....", "....XX....", "....XX...."},  // 7
    {"..XXXXXX..", ".XXXXXXXX.", "XX......XX", "XX......XX", "XXX....XXX", ".XXXXXXXX.", ".XXXXXXXX.",
     "XXX....XXX", "XX......XX", "XX......XX", "XXX....XXX", ".XXXXXXXX.", "..XXXXXX.."},  // 8
    {"..XXXXXX..", ".XXXXXXXX.", "XXX....XXX", "XX......XX", "XX......XX", "XXX....XXX", ".XXXXXXXXX",
     "..XXXXX.XX", "........XX", "........XX", ".XX....XXX", ".XXXXXXXX.", "..XXXXXX.."},  // 9
    {".XX..XXXX.", "XXX.XXXXXX", "XXX.XX..XX", ".XX.XX..XX", ".XX.XX..XX", ".XX.XX..XX", ".XX.XX..XX",
     ".XX.XX..XX", ".XX.XX..XX", ".XX.XX..XX", ".XX.XX..XX", ".XX.XXXXXX", ".XX..XXXX."},  // 10
    {"...XXXXXXX", "...XXXXXXX", "......XX..", "......XX..", "......XX..", "......XX..", "......XX..",
     "......XX..", "......XX..", "XX....XX..", "XXX..XXX..", ".XXXXXX...", "..XXXX...."},  // J
    {"..XXXXXX..", ".XXXXXXXX.", "XXX....XXX", "XX......XX", "XX......XX", "XX......XX", "XX......XX",
     "XX......XX", "XX...XX.XX", "XXX...XXXX", ".XXXXXXXX.", "..XXXXXXXX", "........XX"},  // Q
    {"XX.....XXX", "XX....XXX.", "XX...XXX..", "XX..XXX...", "XX.XXX....", "XXXXX.....", "XXXX......",
     "XXXXX.....", "XX.XXX....", "XX..XXX...", "XX...XXX..", "XX....XXX.", "XX.....XXX"},  // K
}};

// Draws a glyph at (x, y), turned over when `upsideDown` (within a cell of w x h).
template <size_t Rows>
void PutGlyph(Canvas& c, const std::array<std::string_view, Rows>& glyph, int x, int y, int cellW, int cellH,
              bool upsideDown, uint32_t ink, uint32_t highlight) {
    for (size_t row = 0; row < Rows; ++row) {
        for (size_t col = 0; col < glyph[row].size(); ++col) {
            const char pixel = glyph[row][col];
            if (pixel == '.') continue;
            int px = x + static_cast<int>(col), py = y + static_cast<int>(row);
            if (upsideDown) {
                px = x + cellW - 1 - static_cast<int>(col);
                py = y + cellH - 1 - static_cast<int>(row);
            }
            c.Set(px, py, pixel == 'o' ? highlight : ink);
        }
    }
}

art::Picture DrawSuits() {
    Canvas c(36, 20);
    for (int suit = 0; suit < 4; ++suit) {
        const uint32_t ink = suit < 2 ? kInk : kCardRed;
        const uint32_t light = suit < 2 ? kInkLight : kCardRedLight;
        const Glyph9& design = kSuitGlyphs[static_cast<size_t>(suit)];
        // Ten rows: design rows 0-4, row 4 again, rows 5-8.
        std::array<std::string_view, 10> rows{};
        for (int r = 0; r < 10; ++r) rows[static_cast<size_t>(r)] = design[static_cast<size_t>(r < 5 ? r : r - 1)];
        PutGlyph(c, rows, 9 * suit, 0, 9, 10, false, ink, light);
        PutGlyph(c, rows, 9 * suit, 10, 9, 10, true, ink, light);
    }
    return art::Still(c);
}

art::Picture DrawNumbers() {
    Canvas c(143, 56);
    for (int rank = 0; rank < 13; ++rank) {
        const int x = 11 * rank;
        for (int colour = 0; colour < 2; ++colour) {
            const uint32_t ink = colour == 0 ? kInk : kCardRed;
            const int top = 28 * colour;
            // Upright one pixel in from the cell's top-left; turned over, one in from its bottom-right.
            PutGlyph(c, kRankGlyphs[static_cast<size_t>(rank)], x + 1, top + 1, 10, 13, false, ink, ink);
            PutGlyph(c, kRankGlyphs[static_cast<size_t>(rank)], x, top + 14, 10, 13, true, ink, ink);
        }
    }
    return art::Still(c);
}

// ---------------------------------------------------------------- the face and the back

Path CardShape(float inset) { return Path::RoundRect(inset, inset, 49 - 2 * inset, 66 - 2 * inset, 4.5f - inset); }

art::Picture DrawCardFront() {
    Canvas c(49, 66);
    c.Fill(CardShape(0), kCardEdge);
    c.Fill(CardShape(1), kCardWhite);
    return art::Still(c);
}

art::Picture DrawCardBack() {
    Canvas c(49, 66);
    c.Fill(CardShape(0), kCardEdge);
    c.Fill(CardShape(1), kCardWhite);
    c.Fill(Path::RoundRect(3, 3, 43, 60, 3), kBackDeep);
    // A lattice of diamonds in two blues, with gold studs where the lines cross.
    for (int row = -1; row < 12; ++row) {
        for (int col = -1; col < 9; ++col) {
            const float cx = 3 + 6.0f * static_cast<float>(col) + (row % 2 == 0 ? 0.0f : 3.0f);
            const float cy = 3 + 6.0f * static_cast<float>(row);
            const Path diamond = Path::Polygon({{cx, cy - 2.6f}, {cx + 2.6f, cy}, {cx, cy + 2.6f}, {cx - 2.6f, cy}});
            c.Fill(diamond, kBackLight);
        }
    }
    // Inside the border only: redraw what spilled over the white frame.
    Canvas frame(49, 66);
    frame.Fill(CardShape(0), kCardEdge);
    frame.Fill(CardShape(1), kCardWhite);
    frame.Erase(Path::RoundRect(3, 3, 43, 60, 3));
    c.Draw(frame, 0, 0);
    c.Outline(Path::RoundRect(3.5f, 3.5f, 42, 59, 3), 1.0f, kBackEdge);
    // The medallion: a gold ring with Master Oru's mountain.
    c.Fill(Path::Ellipse(24.5f, 33, 11, 11), kBackDeep);
    c.Fill(Path::Ellipse(24.5f, 33, 9.5f, 9.5f), Paint::Radial(21, 29, 13, {{0, kGoldLight}, {1, kGold}}));
    c.Outline(Path::Ellipse(24.5f, 33, 9.5f, 9.5f), 1.0f, kGoldDark);
    c.Fill(Path::Polygon({{16.5f, 38}, {22, 28}, {24.5f, 31}, {27.5f, 26.5f}, {33, 38}}), kBackDeep);
    c.Fill(Path::Polygon({{25.8f, 29}, {27.5f, 26.5f}, {29.3f, 29.3f}, {27.5f, 28.6f}}), kCardWhite);
    return art::Still(c);
}

// ---------------------------------------------------------------- court pictures

struct Court {
    uint32_t robe, robeDark, trim;
    enum class Head { Cap, Crown, Veil } head;
    enum class Holds { Staff, Flower, Sword } holds;
    bool beard;
};

// One 32x32 bust: head and shoulders in a robe with a gold trim, holding the court's sign. The
// card shows it twice, the second turned over, so it leaves the bottom corners clear.
void DrawBust(Canvas& c, const Court& court) {
    using Head = Court::Head;
    using Holds = Court::Holds;
    // Shoulders and robe, lit from the left.
    Path robe;
    robe.MoveTo(3, 32);
    robe.LineTo(5, 24);
    robe.CubicTo(7, 20, 11, 19, 16, 19);
    robe.CubicTo(21, 19, 25, 20, 27, 24);
    robe.LineTo(29, 32);
    robe.Close();
    c.Fill(robe, Paint::Linear(4, 0, 29, 0, {{0, art::Shade(court.robe, 0.25f)}, {0.6f, court.robe}, {1, court.robeDark}}));
    c.Outline(robe, 1.0f, art::Shade(court.robeDark, -0.4f));
    // The gold V of the collar and a row of buttons.
    c.Line(11, 19.5f, 16, 27, 1.6f, court.trim);
    c.Line(21, 19.5f, 16, 27, 1.6f, court.trim);
    for (const float y : {28.5f, 31.0f}) c.Fill(Path::Ellipse(16, y, 1.0f, 1.0f), court.trim);
    // Head.
    const Path face = Path::Ellipse(16, 13, 5, 6);
    c.Fill(face, Paint::Radial(14.5f, 11, 7, {{0, kSkinLight}, {1, kSkin}}));
    c.Outline(face, 1.0f, kSkinDark);
    c.Set(14, 12, kInk);
    c.Set(18, 12, kInk);
    c.Set(16, 14, kSkinDark);
    c.Line(14.5f, 16, 17.5f, 16, 1.0f, 0xB03030);
    if (court.beard) {
        Path beard;
        beard.MoveTo(11, 13);
        beard.CubicTo(11.5f, 22, 20.5f, 22, 21, 13);
        beard.LineTo(19.5f, 16.8f);
        beard.LineTo(12.5f, 16.8f);
        beard.Close();
        c.Fill(beard, kBeard);
        c.Outline(beard, 0.8f, art::Shade(kBeard, -0.35f));
        c.Line(14.5f, 16, 17.5f, 16, 1.0f, 0xB03030);
    }
    if (court.head == Head::Veil) {
        Path hair;
        hair.MoveTo(10, 21);
        hair.CubicTo(8.5f, 10, 10.5f, 5, 16, 5);
        hair.CubicTo(21.5f, 5, 23.5f, 10, 22, 21);
        hair.LineTo(20.5f, 21);
        hair.CubicTo(21, 12, 19.5f, 8.5f, 16, 8.5f);
        hair.CubicTo(12.5f, 8.5f, 11, 12, 11.5f, 21);
        hair.Close();
        c.Fill(hair, kHair);
    }
    if (court.head == Head::Cap) {
        Path cap;
        cap.MoveTo(9.5f, 9.5f);
        cap.CubicTo(9.5f, 3, 22.5f, 3, 22.5f, 9.5f);
        cap.Close();
        c.Fill(cap, court.robe);
        c.Outline(cap, 1.0f, court.robeDark);
        c.Line(9.5f, 9.3f, 22.5f, 9.3f, 1.2f, court.trim);
        c.Line(20, 6, 26, 1.5f, 1.8f, kCardRed);
    } else {
        const Path crown = Path::Polygon({{10, 9}, {10, 2.5f}, {13, 5.5f}, {16, 1.5f}, {19, 5.5f}, {22, 2.5f}, {22, 9}});
        c.Fill(crown, Paint::Linear(0, 1, 0, 9, {{0, kGoldLight}, {1, kGold}}));
        c.Outline(crown, 0.9f, kGoldDark);
        c.Set(16, 6, kCardRed);
    }
    switch (court.holds) {
        case Holds::Staff:
            c.Line(6, 31.5f, 6, 6, 1.6f, kHair);
            c.Fill(Path::Polygon({{6, 2}, {8.5f, 6.5f}, {6, 8}, {3.5f, 6.5f}}), kSnow);
            c.Outline(Path::Polygon({{6, 2}, {8.5f, 6.5f}, {6, 8}, {3.5f, 6.5f}}), 0.8f, 0x8888AA);
            break;
        case Holds::Flower:
            c.Line(7, 31.5f, 7, 23, 1.2f, 0x2E8B2E);
            for (int petal = 0; petal < 5; ++petal) {
                const float a = static_cast<float>(petal) * 1.2566f;
                c.Fill(Path::Ellipse(7 + 2.2f * std::cos(a), 21 + 2.2f * std::sin(a), 1.6f, 1.6f), kCardRed);
            }
            c.Fill(Path::Ellipse(7, 21, 1.2f, 1.2f), kGold);
            break;
        case Holds::Sword:
            c.Line(26, 31.5f, 26, 6, 1.8f, 0xC8CCD8);
            c.Line(26.6f, 31.5f, 26.6f, 6, 0.6f, 0xFFFFFF);
            c.Line(23, 24, 29, 24, 1.6f, kGold);
            break;
    }
}

art::Picture DrawFaces() {
    Canvas c(96, 64);
    using Head = Court::Head;
    using Holds = Court::Holds;
    const std::array<Court, 3> courts = {{
        {kCourtBlue, kCourtBlueDark, kGold, Head::Cap, Holds::Staff, false},           // Jack
        {kCardRed, kCardRedDark, kGold, Head::Veil, Holds::Flower, false},             // Queen
        {kCourtPurple, kCourtPurpleDark, kGold, Head::Crown, Holds::Sword, true},      // King
    }};
    for (int k = 0; k < 3; ++k) {
        Canvas half(32, 32);
        DrawBust(half, courts[static_cast<size_t>(k)]);
        c.Draw(half, 32 * k, 0);
        // The lower half is the upper one turned over.
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (half.At(x, y) != art::kKey) c.Set(32 * k + 31 - x, 63 - y, half.At(x, y));
    }
    return art::Still(c);
}

const art::ImageRecipe cardFront{"CardFront.gif", 49, 66, 1, DrawCardFront};
const art::ImageRecipe cardBack{"CardBack.gif", 49, 66, 1, DrawCardBack};
const art::ImageRecipe suits{"Suits.gif", 36, 20, 1, DrawSuits};
const art::ImageRecipe numbers{"Numbers.gif", 143, 56, 1, DrawNumbers};
const art::ImageRecipe faces{"Faces.gif", 96, 64, 1, DrawFaces};

}  // namespace
