// What the in-between and poker tables pay, and their boxes:
//
//   slb-inbetween_winstrip-355x        355x40: under each of the marker's 13 places, the spread
//                                       and what it pays
//   img-inbetween_win_indicator        14x14 gold star, the marker of both tables
//   slb-inbetween-status-380x46        the stake and message strip, grey where texts go
//   slb-inbetween_cardvalue-52x48      the value box under each card
//   img-inbetween_{raise,3kind,draw}text-128x21   the spread's verdict
//   slb-videopoker_winpanel-268        268x160: hand names on rows 12 apart, room for the pay column
//   slb-bet1..5_payout-40x145          the pays of ranks 1 to 10 at that bet, on the same rows
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "TorvimbleLook.h"
#include "TorvimblePalette.h"
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using namespace torvimble_art;

constexpr uint32_t kBoard = 0x123A24;  // the dark green of the pay boards

// Marker x on the strip (its left edge), spread shown and pay, by marker index 1 to 13.
struct StripColumn {
    int markerX;
    const char* spread;
    const char* pays;
};
constexpr std::array<StripColumn, 13> kStrip = {{
    {11, "1", "5:1"},  {35, "2", "4:1"},  {56, "3", "2:1"},   {79, "4", "1:1"},   {101, "5", "1:1"},
    {123, "6", "1:1"}, {145, "7", "1:1"}, {166, "8", "1:1"},  {188, "9", "1:1"},  {211, "10", "1:1"},
    {233, "11", "1:1"}, {254, "0", "Tie"}, {286, "Pair", "11:1"},
}};
constexpr int kMarkerSize = 14;

art::Picture WinStrip() {
    Canvas c(355, 40);
    c.Fill(Path::RoundRect(0, 0, 355, 40, 6), kBrassDark);
    c.Fill(Path::RoundRect(2, 2, 351, 36, 5), kBoard);
    c.Line(4, 19.5f, 351, 19.5f, 1.0f, art::Mix(kBoard, kBrass, 0.5f));
    for (const StripColumn& column : kStrip) {
        const int cx = column.markerX + kMarkerSize / 2;
        const bool special = column.markerX >= 254;
        ShadowText(c, cx, 4, column.spread, {11, true}, special ? kBrassLight : kCream, kBlack);
        ShadowText(c, cx, 22, column.pays, {11, true}, special ? kBrassLight : 0x9FE8A8, kBlack);
    }
    c.Line(251.5f, 4, 251.5f, 36, 1.0f, kBrass);
    return art::Still(std::move(c));
}

art::Picture Indicator() {
    Canvas c(kMarkerSize, kMarkerSize);
    const Path star = Path::Polygon({{7, 0}, {8.8f, 4.8f}, {14, 5.2f}, {10, 8.4f}, {11.4f, 13.6f}, {7, 10.8f}, {2.6f, 13.6f},
                                     {4, 8.4f}, {0, 5.2f}, {5.2f, 4.8f}});
    c.Fill(star, Paint::Radial(6, 5, 9, {{0, kWhite}, {0.35f, kBrassLight}, {1, kBrass}}));
    c.Outline(star, 0.9f, kCardRed);
    return art::Still(std::move(c));
}

art::Picture StatusStrip() {
    Canvas c(380, 46);
    BrassPanel(c, 0, 0, 380, 46, 8, kTableGrey);
    return art::Still(std::move(c));
}

art::Picture CardValueBox() {
    Canvas c(52, 48);
    BrassPanel(c, 0, 0, 52, 48, 7, kTableGrey);
    return art::Still(std::move(c));
}

art::Picture Verdict(const char* text, uint32_t colour) {
    Canvas c(128, 21);
    c.Fill(Path::RoundRect(0, 0, 128, 21, 5), art::Shade(colour, -0.5f));
    c.Fill(Path::RoundRect(1, 1, 126, 19, 4), Paint::Linear(0, 0, 0, 21, {{0, art::Shade(colour, 0.25f)}, {1, colour}}));
    ShadowText(c, 64, 3, text, {13, true}, kWhite, art::Shade(colour, -0.6f));
    return art::Still(std::move(c));
}

constexpr std::array<const char*, 10> kHands = {"Royal Flush", "Four Aces",  "Straight Flush", "Four of a Kind",
                                                 "Full House",  "Flush",      "Straight",       "Three of a Kind",
                                                 "Two Pair",    "Jacks or Better"};
constexpr std::array<int, 10> kPays = {1000, 400, 150, 50, 10, 8, 4, 3, 2, 1};
// The row of rank r is 12 r + 8 below the top of the pay column, which stands at (198, 5).
int RowTop(int rank) { return 12 * rank + 8; }

art::Picture WinPanel() {
    Canvas c(268, 160);
    c.Fill(Path::RoundRect(0, 0, 268, 160, 10), kBrassDark);
    c.Fill(Path::RoundRect(1, 1, 266, 158, 9), Paint::Linear(0, 0, 80, 160, {{0, kBrassLight}, {0.5f, kBrass}, {1, kBrassDark}}));
    c.Fill(Path::RoundRect(5, 5, 258, 150, 6), kBoard);
    ShadowText(c, 100, 6, "What your hand pays", {11, true}, kBrassLight, kBlack);
    for (int rank = 1; rank <= 10; ++rank) {
        const int y = RowTop(rank) + 5;
        if (rank % 2 == 0) c.Fill(Path::Rect(8, static_cast<float>(y), 188, 12), art::Shade(kBoard, 0.12f));
        c.Text(14, y, kHands[static_cast<size_t>(rank - 1)], {11, true}, rank <= 2 ? kBrassLight : kCream);
    }
    // The pay column's well.
    c.Fill(Path::Rect(197, 4, 42, 147), kBlack);
    c.Fill(Path::Rect(198, 5, 40, 145), 0x0A200F);
    return art::Still(std::move(c));
}

art::Picture Payout(int bet) {
    Canvas c(40, 145);
    c.Clear(0x0A200F);
    c.Line(0.5f, 0, 0.5f, 145, 1.0f, art::Mix(0x0A200F, kBrass, 0.4f));
    ShadowText(c, 20, 2, ("x" + std::to_string(bet)).c_str(), {11, true}, kBrassLight, kBlack);
    for (int rank = 1; rank <= 10; ++rank) {
        const std::string amount = std::to_string(kPays[static_cast<size_t>(rank - 1)] * bet);
        // Left-aligned from x 2: the marker stands just after the last digit.
        c.Text(2, RowTop(rank), amount, {11, false}, rank <= 2 ? kBrassLight : 0x9FE8A8);
    }
    return art::Still(std::move(c));
}

struct Recipes {
    std::vector<std::unique_ptr<art::ImageRecipe>> all;
    Recipes() {
        for (int bet = 1; bet <= 5; ++bet)
            all.push_back(std::make_unique<art::ImageRecipe>("slb-bet" + std::to_string(bet) + "_payout-40x145.gif", 40, 145,
                                                             1, [bet] { return Payout(bet); }));
    }
};
const Recipes recipes;

const art::ImageRecipe strip{"slb-inbetween_winstrip-355x.gif", 355, 40, 1, WinStrip};
const art::ImageRecipe indicator{"img-inbetween_win_indicator.gif", kMarkerSize, kMarkerSize, 1, Indicator};
const art::ImageRecipe status{"slb-inbetween-status-380x46.gif", 380, 46, 1, StatusStrip};
const art::ImageRecipe cardValue{"slb-inbetween_cardvalue-52x48.gif", 52, 48, 1, CardValueBox};
const art::ImageRecipe raiseText{"img-inbetween_raisetext-128x21.gif", 128, 21, 1, [] { return Verdict("Raise or Deal", 0x2E8B2E); }};
const art::ImageRecipe pairText{"img-inbetween_3kindtext-128x21.gif", 128, 21, 1, [] { return Verdict("Pair! 3 of a Kind?", 0x7A3EB8); }};
const art::ImageRecipe drawText{"img-inbetween_drawtext-128x21.gif", 128, 21, 1, [] { return Verdict("Draw - Bet Again", 0xB8241C); }};
const art::ImageRecipe winPanel{"slb-videopoker_winpanel-268.gif", 268, 160, 1, WinPanel};

}  // namespace
