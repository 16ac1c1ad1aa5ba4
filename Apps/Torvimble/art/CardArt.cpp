// The card pieces the tables compose their cards from:
//
//   img-card-front-50x66.gif  the blank face (the card's surface is 49 wide: column 49 stays empty)
//   img-card-back-50x66.gif   the back: an indigo lattice with a brass clam
//   slb-card-numbers-11x14x13x4.gif  143x56: A, 2-10, J, Q, K in 11x14 cells; rows black upright,
//                             black turned, red upright, red turned
//   slb-card-suits-10x10x4x2.gif     40x20: 9x10 pips at x 0 hearts, 9 spades, 18 clubs,
//                             27 diamonds; upright in rows 0-9, turned in rows 10-19
//   img-ace_of_<suit>-33x33.gif      the aces' big pips
//   img-{red,Black}{king,queen,joker}-29x28.gif  the jack, queen and king busts (in that order)
#include <array>
#include <cmath>
#include <string>

#include "TorvimbleLook.h"
#include "TorvimblePalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace torvimble_art;

uint32_t SuitInk(int suit) { return suit >= Hearts ? kCardRed : kInk; }

// Copies `from` into `to` at (x, y), turned half round when asked.
void Put(Canvas& to, const Canvas& from, int x, int y, bool turned) {
    for (int py = 0; py < from.Height(); ++py)
        for (int px = 0; px < from.Width(); ++px) {
            const uint32_t pixel = from.At(px, py);
            if (pixel == art::kKey) continue;
            if (turned) to.Set(x + from.Width() - 1 - px, y + from.Height() - 1 - py, pixel);
            else to.Set(x + px, y + py, pixel);
        }
}

art::Picture Suits() {
    Canvas c(40, 20);
    const std::array<int, 4> order = {Hearts, Spades, Clubs, Diamonds};
    for (int i = 0; i < 4; ++i) {
        Canvas pip(9, 10);
        SuitShape(pip, order[static_cast<size_t>(i)], 0.2f, 0.3f, 8.6f, 9.4f, Paint::Solid(SuitInk(order[static_cast<size_t>(i)])));
        Put(c, pip, 9 * i, 0, false);
        Put(c, pip, 9 * i, 10, true);
    }
    return art::Still(c);
}

art::Picture Numbers() {
    static const std::array<const char*, 13> kRanks = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    Canvas c(143, 56);
    const art::TextStyle style{15, true};
    for (int rank = 0; rank < 13; ++rank)
        for (int row = 0; row < 4; ++row)
            FitGlyph(c, 11 * rank, 14 * row, 11, 14, kRanks[static_cast<size_t>(rank)], style, row < 2 ? kInk : kCardRed,
                     row % 2 == 1);
    return art::Still(c);
}

Path CardShape(float inset) { return Path::RoundRect(inset, inset, 49 - 2 * inset, 66 - 2 * inset, 4.5f - inset); }

art::Picture Front() {
    Canvas c(50, 66);
    c.Fill(CardShape(0), kCardEdge);
    c.Fill(CardShape(1), Paint::Linear(0, 0, 49, 66, {{0, kCardWhite}, {1, 0xF2F0E8}}));
    return art::Still(c);
}

// A scallop shell: the fan, its ribs and the hinge.
void Clam(Canvas& c, float cx, float cy, float r, uint32_t light, uint32_t base, uint32_t dark) {
    Path fan;
    fan.MoveTo(cx - r * 0.25f, cy + r * 0.7f);
    fan.CubicTo(cx - r * 1.2f, cy + r * 0.2f, cx - r * 0.9f, cy - r * 0.9f, cx, cy - r * 0.9f);
    fan.CubicTo(cx + r * 0.9f, cy - r * 0.9f, cx + r * 1.2f, cy + r * 0.2f, cx + r * 0.25f, cy + r * 0.7f);
    fan.Close();
    c.Fill(fan, Paint::Radial(cx - r * 0.3f, cy - r * 0.5f, r * 1.6f, {{0, light}, {0.6f, base}, {1, dark}}));
    c.Outline(fan, 1.0f, dark);
    for (int rib = -2; rib <= 2; ++rib)
        c.Line(cx, cy + r * 0.6f, cx + static_cast<float>(rib) * r * 0.32f, cy - r * 0.72f, 0.8f, dark);
    c.Fill(Path::Polygon({{cx - r * 0.4f, cy + r * 0.62f}, {cx + r * 0.4f, cy + r * 0.62f}, {cx + r * 0.25f, cy + r * 0.95f},
                          {cx - r * 0.25f, cy + r * 0.95f}}),
           base);
    c.Outline(Path::Polygon({{cx - r * 0.4f, cy + r * 0.62f}, {cx + r * 0.4f, cy + r * 0.62f}, {cx + r * 0.25f, cy + r * 0.95f},
                             {cx - r * 0.25f, cy + r * 0.95f}}),
              0.8f, dark);
}

art::Picture Back() {
    Canvas c(50, 66);
    c.Fill(CardShape(0), kCardEdge);
    c.Fill(CardShape(1), kCardWhite);
    c.Fill(Path::RoundRect(3, 3, 43, 60, 3), kIndigo);
    for (int row = 0; row < 11; ++row)
        for (int col = 0; col < 8; ++col) {
            const float cx = 5 + 6.0f * static_cast<float>(col) + (row % 2 == 0 ? 0.0f : 3.0f);
            const float cy = 5 + 6.0f * static_cast<float>(row);
            if (cx > 45 || cy > 62) continue;
            c.Fill(Path::Polygon({{cx, cy - 2}, {cx + 2, cy}, {cx, cy + 2}, {cx - 2, cy}}), art::Shade(kIndigo, 0.25f));
        }
    c.Outline(Path::RoundRect(3.5f, 3.5f, 42, 59, 3), 1.0f, kBrass);
    c.Fill(Path::Ellipse(24.5f, 33, 12, 12), kIndigo);
    c.Outline(Path::Ellipse(24.5f, 33, 11, 11), 1.4f, kBrass);
    Clam(c, 24.5f, 33, 8, kBrassLight, kBrass, kBrassDark);
    return art::Still(c);
}

art::Picture Ace(int suit) {
    Canvas c(33, 33);
    const uint32_t ink = SuitInk(suit);
    // A brass ring with four studs around the big pip.
    c.Outline(Path::Ellipse(16.5f, 16.5f, 15, 15), 1.2f, kBrass);
    for (int i = 0; i < 4; ++i) {
        const float a = static_cast<float>(i) * 1.5708f + 0.7854f;
        c.Fill(Path::Ellipse(16.5f + 15 * std::cos(a), 16.5f + 15 * std::sin(a), 1.6f, 1.6f), kBrassDark);
    }
    SuitShape(c, suit, 7, 6, 19, 21,
              Paint::Linear(7, 6, 24, 27, {{0, art::Shade(ink, 0.45f)}, {0.4f, ink}, {1, art::Shade(ink, -0.35f)}}));
    c.Fill(Path::Ellipse(12, 12, 1.6f, 2.2f), art::Shade(ink, 0.7f));
    return art::Still(c);
}

struct Court {
    enum class Head { Cap, Veil, Crown } head;
    bool beard;
};

// A jack, queen or king from the chest up in a robe of the suit's colour.
art::Picture Bust(bool red, Court court) {
    Canvas c(29, 28);
    const uint32_t robe = red ? kCardRed : 0x2A2A5A;
    const uint32_t robeDark = art::Shade(robe, -0.45f);
    // The frame leaves the top-left corner to the card's rank.
    c.Fill(Path::RoundRect(3, 0, 26, 28, 3), 0xFFF4D6);
    c.Outline(Path::RoundRect(3.5f, 0.5f, 25, 27, 3), 1.0f, red ? kCardRed : kInk);
    Path body;
    body.MoveTo(3, 27.5f);
    body.LineTo(4.5f, 21);
    body.CubicTo(6, 18, 10, 17, 14.5f, 17);
    body.CubicTo(19, 17, 23, 18, 24.5f, 21);
    body.LineTo(26, 27.5f);
    body.Close();
    c.Fill(body, Paint::Linear(3, 0, 26, 0, {{0, art::Shade(robe, 0.3f)}, {0.6f, robe}, {1, robeDark}}));
    c.Line(10, 17.5f, 14.5f, 24, 1.4f, kBrass);
    c.Line(19, 17.5f, 14.5f, 24, 1.4f, kBrass);
    const Path face = Path::Ellipse(14.5f, 11.5f, 4.5f, 5.2f);
    c.Fill(face, Paint::Radial(13, 10, 6, {{0, 0xFFE2C4}, {1, 0xE8B48A}}));
    c.Outline(face, 0.9f, 0x9A5A32);
    c.Set(13, 11, kInk);
    c.Set(16, 11, kInk);
    c.Line(13.2f, 14, 15.8f, 14, 0.9f, 0xB03030);
    if (court.beard) {
        Path beard;
        beard.MoveTo(10, 12);
        beard.CubicTo(10.5f, 19.5f, 18.5f, 19.5f, 19, 12);
        beard.LineTo(17.5f, 14.8f);
        beard.LineTo(11.5f, 14.8f);
        beard.Close();
        c.Fill(beard, 0xE8E8E8);
        c.Outline(beard, 0.7f, 0x9A9A9A);
        c.Line(13.2f, 14, 15.8f, 14, 0.9f, 0xB03030);
    }
    switch (court.head) {
        case Court::Head::Cap: {
            Path cap;
            cap.MoveTo(9, 8.5f);
            cap.CubicTo(9, 2.5f, 20, 2.5f, 20, 8.5f);
            cap.Close();
            c.Fill(cap, robe);
            c.Outline(cap, 0.9f, robeDark);
            c.Line(9, 8.3f, 20, 8.3f, 1.1f, kBrass);
            c.Line(18, 5, 24, 1.5f, 1.5f, kBrassLight);
            break;
        }
        case Court::Head::Veil: {
            Path hair;
            hair.MoveTo(8.5f, 19);
            hair.CubicTo(7, 9, 9.5f, 4.5f, 14.5f, 4.5f);
            hair.CubicTo(19.5f, 4.5f, 22, 9, 20.5f, 19);
            hair.LineTo(19, 19);
            hair.CubicTo(19.5f, 11, 18, 7.5f, 14.5f, 7.5f);
            hair.CubicTo(11, 7.5f, 9.5f, 11, 10, 19);
            hair.Close();
            c.Fill(hair, 0x7A4A1E);
            const Path tiara = Path::Polygon({{10, 6}, {12, 2.5f}, {14.5f, 4.5f}, {17, 2.5f}, {19, 6}});
            c.Fill(tiara, kBrass);
            c.Outline(tiara, 0.7f, kBrassDark);
            break;
        }
        case Court::Head::Crown: {
            const Path crown = Path::Polygon({{9, 7.5f}, {9, 1.5f}, {11.5f, 4.5f}, {14.5f, 0.8f}, {17.5f, 4.5f}, {20, 1.5f}, {20, 7.5f}});
            c.Fill(crown, Paint::Linear(0, 1, 0, 8, {{0, kBrassLight}, {1, kBrass}}));
            c.Outline(crown, 0.8f, kBrassDark);
            c.Set(14, 5, kCardRed);
            break;
        }
    }
    return art::Still(c);
}

const art::ImageRecipe front{"img-card-front-50x66.gif", 50, 66, 1, Front};
const art::ImageRecipe back{"img-card-back-50x66.gif", 50, 66, 1, Back};
const art::ImageRecipe numbers{"slb-card-numbers-11x14x13x4.gif", 143, 56, 1, Numbers};
const art::ImageRecipe suits{"slb-card-suits-10x10x4x2.gif", 40, 20, 1, Suits};
const art::ImageRecipe aceClubs{"img-ace_of_clubs-33x33.gif", 33, 33, 1, [] { return Ace(Clubs); }};
const art::ImageRecipe aceSpades{"img-ace_of_spades-33x33.gif", 33, 33, 1, [] { return Ace(Spades); }};
const art::ImageRecipe aceHearts{"img-ace_of_hearts-33x33.gif", 33, 33, 1, [] { return Ace(Hearts); }};
const art::ImageRecipe aceDiamonds{"img-ace_of_diamonds-33x33.gif", 33, 33, 1, [] { return Ace(Diamonds); }};
// The names say king, queen and joker; they show the jack, the queen and the king.
const art::ImageRecipe redJack{"img-redking-29x28.gif", 29, 28, 1, [] { return Bust(true, {Court::Head::Cap, false}); }};
const art::ImageRecipe redQueen{"img-redqueen-29x28.gif", 29, 28, 1, [] { return Bust(true, {Court::Head::Veil, false}); }};
const art::ImageRecipe redKing{"img-redjoker-29x28.gif", 29, 28, 1, [] { return Bust(true, {Court::Head::Crown, true}); }};
const art::ImageRecipe blackJack{"img-Blackking-29x28.gif", 29, 28, 1, [] { return Bust(false, {Court::Head::Cap, false}); }};
const art::ImageRecipe blackQueen{"img-Blackqueen-29x28.gif", 29, 28, 1, [] { return Bust(false, {Court::Head::Veil, false}); }};
const art::ImageRecipe blackKing{"img-Blackjoker-29x28.gif", 29, 28, 1, [] { return Bust(false, {Court::Head::Crown, true}); }};

}  // namespace
