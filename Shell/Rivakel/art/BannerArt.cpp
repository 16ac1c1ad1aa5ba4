// The advertising spots' built-in pictures: the two default banners (468x60, the 470x62 spot
// less its one-pixel edge) and the built-in catalogue's button (120x60) and page (500x420).
//
// "RIVFRIEND.GIF" leaves its third frame's band (106, 0)-(465, 35) to the shell, which fills it
// with (204, 0, 0) and writes the game's name there; every frame uses that red for the band.
#include <array>
#include <cmath>
#include <string>
#include <variant>

#include "PortalLook.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using portal::Glyph;

constexpr int kBannerW = 468, kBannerH = 60;
constexpr uint32_t kFriendRed = 0xCC0000;
constexpr uint32_t kFriendRedDeep = 0x880000;

void Twinkles(Canvas& c, float phase, uint32_t colour) {
    constexpr std::array<std::array<float, 3>, 6> kStars{{
        {246, 12, 0}, {318, 22, 0.4f}, {290, 8, 0.7f}, {336, 50, 0.2f}, {462, 54, 0.55f}, {458, 8, 0.85f}}};
    for (const auto& s : kStars) {
        const float glow = 0.5f + 0.5f * std::sin((phase + s[2]) * 6.2832f);
        c.Fill(portal::StarPath(s[0], s[1], 2.5f + 2.5f * glow, 1 + glow), colour);
    }
}

// The join banner: the mascot bounces beside the offer while the button glows.
Canvas DrawJoinFrame(int frame, int frames) {
    const float t = static_cast<float>(frame) / static_cast<float>(frames);
    Canvas c(kBannerW, kBannerH);
    c.Fill(Path::Rect(0, 0, kBannerW, kBannerH),
           Paint::Linear(0, 0, 0, kBannerH, {{0, portal::kIndigoLight}, {0.55f, portal::kIndigo}, {1, portal::kIndigoDeep}}));
    Twinkles(c, t, 0x7777CC);
    // The mascot: squashed as it lands, stretched as it rises.
    const float height = 4 * t * (1 - t);
    const bool landed = frame == 0;
    const float rx = landed ? 17 : 15 - 1.5f * std::fabs(1 - 2 * t);
    const float ry = landed ? 12 : 15 + 1.5f * std::fabs(1 - 2 * t);
    c.Fill(Path::Ellipse(34, 55, 14 - 5 * height, 2.5f), portal::kIndigoDeep);
    portal::Mascot(c, 34, 55 - ry - height * 14, rx, ry);
    portal::TitleText(c, 66, 5, "Join Rivakel!", art::TextStyle{24, true}, portal::kCreamDeep, portal::kIndigoDeep,
                      portal::kOrange);
    c.Text(68, 38, "All your games in one place, and it's free.", art::TextStyle{12, true}, portal::kCream);
    const bool lit = frame % 4 < 2;
    portal::ButtonFace(c, {352, 13, 104, 34}, portal::kGreen, lit);
    portal::Caption(c, 404, 30, "Join Now", art::TextStyle{15, true}, portal::kWhite, 0x1F5E00);
    return c;
}

art::Picture DrawJoin() {
    constexpr int kFrames = 8;
    art::Picture picture;
    for (int f = 0; f < kFrames; ++f) {
        picture.frames.push_back(DrawJoinFrame(f, kFrames));
        picture.delays.push_back(12);
    }
    return picture;
}

// The mail-a-friend banner: an envelope flies in, then the shell names the game in the band.
Canvas DrawFriendFrame(int frame) {
    Canvas c(kBannerW, kBannerH);
    c.Fill(Path::Rect(0, 0, kBannerW, kBannerH), kFriendRed);
    c.Fill(Path::Rect(106, 36, 360, 24), kFriendRedDeep);
    // The envelope's panel at the left.
    c.Fill(Path::RoundRect(3, 3, 98, 54, 10), portal::kCreamDeep);
    c.Outline(Path::RoundRect(3.5f, 3.5f, 97, 53, 10), 1, portal::kBrown);
    const float x = frame == 0 ? 34 : 52;
    const float size = frame == 0 ? 30 : 40;
    portal::DrawGlyph(c, Glyph::Mail, x, 30, size, portal::GlyphColour(Glyph::Mail), portal::kIndigoDeep);
    if (frame == 0) {
        c.Line(66, 22, 88, 22, 2, portal::kOrange);
        c.Line(70, 30, 94, 30, 2, portal::kOrange);
        c.Line(66, 38, 88, 38, 2, portal::kOrange);
    } else {
        c.Fill(portal::StarPath(82, 14, 7, 3), portal::kOrange);
    }
    switch (frame) {
    case 0:
        portal::TitleText(c, 126, 5, "Share the fun!", art::TextStyle{22, true}, portal::kCreamDeep, kFriendRedDeep,
                          portal::kBrown);
        break;
    case 1:
        portal::TitleText(c, 126, 5, "Send a game to a friend", art::TextStyle{20, true}, portal::kCreamDeep,
                          kFriendRedDeep, portal::kBrown);
        break;
    default:
        break;  // the shell writes the game's name here
    }
    c.Text(126, 40, frame < 2 ? "Your friends play free, too." : "Click here: it's free!",
           art::TextStyle{13, true}, portal::kCream);
    return c;
}

art::Picture DrawFriend() {
    art::Picture picture;
    for (int f = 0; f < 3; ++f) picture.frames.push_back(DrawFriendFrame(f));
    picture.delays = {150, 150, 400};
    return picture;
}

// The catalogue button: a fan of game cards under the catalogue's name; the newest card lifts.
Canvas DrawCatalogIconFrame(bool lifted) {
    Canvas c(120, 60);
    c.Fill(Path::Rect(0, 0, 120, 60), Paint::Linear(0, 0, 0, 60, {{0, 0xBBE0E0}, {1, portal::kTeal}}));
    constexpr std::array<Glyph, 3> kCards{Glyph::Card, Glyph::Games, Glyph::Join};
    for (size_t i = 0; i < kCards.size(); ++i) {
        const float x = 8 + 17 * static_cast<float>(i);
        const float y = (i == 2 && lifted) ? 5 : 9;
        const uint32_t tile = portal::GlyphColour(kCards[i]);
        portal::ButtonFace(c, {x, y, 26, 34}, tile, false);
        portal::DrawGlyph(c, kCards[i], x + 13, y + 17, 18, portal::GlyphInk(kCards[i]), art::Shade(tile, -0.6f));
    }
    c.OutlinedText(70, 8, "Game", art::TextStyle{13, true}, portal::kWhite, portal::kIndigo);
    c.OutlinedText(70, 22, "Store", art::TextStyle{13, true}, portal::kWhite, portal::kIndigo);
    portal::Caption(c, 60, 51, lifted ? "New games!" : "Take a look", art::TextStyle{10, true}, portal::kIndigo,
                    portal::kCream);
    if (lifted) c.Fill(portal::StarPath(112, 10, 6, 2.5f), portal::kOrange);
    return c;
}

art::Picture DrawCatalogIcon() {
    art::Picture picture;
    picture.frames.push_back(DrawCatalogIconFrame(false));
    picture.frames.push_back(DrawCatalogIconFrame(true));
    picture.delays = {200, 80};
    return picture;
}

// The diving game's card: its submarine seen through a round window on the sea.
void SeaWindow(Canvas& c, float cx, float cy) {
    constexpr float r = 30;
    c.Fill(Path::Ellipse(cx, cy, r, r),
           Paint::Linear(0, cy - r, 0, cy + r, {{0, 0xBDEBFF}, {0.45f, 0x55B0E0}, {1, 0x1F5F96}}));
    for (const float dx : {-22.0f, -8.0f, 6.0f, 20.0f})
        c.Line(cx + dx - 4, cy - 17, cx + dx + 2, cy - 19, 1.5f, 0xE6F7FF);  // ripples under the surface
    portal::Submarine(c, cx, cy + 6, 1);
    for (const auto& [dx, dy, br] : {std::array{-20.0f, -4.0f, 2.5f}, std::array{-16.0f, -11.0f, 1.8f},
                                     std::array{22.0f, -6.0f, 2.0f}}) {
        c.Outline(Path::Ellipse(cx + dx, cy + dy, br, br), 1, 0xE6F7FF);
    }
    c.Outline(Path::Ellipse(cx, cy, r, r), 2, 0x1F5F96);
}

// What a card shows in its medallion: a portal glyph, or a picture of the game drawn centred there.
using Emblem = std::variant<Glyph, void (*)(Canvas&, float cx, float cy)>;

struct CatalogTile {
    const char* name;
    const char* line;
    Emblem emblem;
    uint32_t colour;
};

// The page's tiles, three to a row; the built-in catalogue's image map has the same rectangles.
constexpr std::array<CatalogTile, 6> kTiles{{
    {"Dunmoro", "Solitaire challenge", Glyph::Card, 0x339900},
    {"Glimtide", "Fireworks memory", Glyph::Join, 0x333399},
    {"Pellawick", "Stadium snacks", Glyph::Games, 0xFF9900},
    {"Torvimble", "Cards for clams", Glyph::Card, 0x2E8B9A},
    {"Brisquet", "Bubble puzzles", Glyph::Games, 0xC00000},
    {"Aurelsk", "Deep-sea diving", SeaWindow, 0x3399CC},
}};

art::Picture DrawCatalogPage() {
    Canvas c(500, 420);
    c.Fill(Path::Rect(0, 0, 500, 420), portal::kCream);
    c.Fill(Path::Rect(0, 0, 500, 56),
           Paint::Linear(0, 0, 0, 56, {{0, portal::kIndigoLight}, {1, portal::kIndigoDark}}));
    portal::TitleText(c, 16, 10, "Rivakel Game Store", art::TextStyle{26, true}, portal::kCreamDeep, portal::kIndigoDeep,
                      portal::kOrange);
    c.Text(18, 62, "Click a game to see it on our web site.", art::TextStyle{13, true}, portal::kInk);
    for (size_t i = 0; i < kTiles.size(); ++i) {
        const CatalogTile& tile = kTiles[i];
        const float x = 20 + 160 * static_cast<float>(i % 3), y = 84 + 165 * static_cast<float>(i / 3);
        portal::ButtonFace(c, {x, y, 140, 150}, tile.colour, false);
        portal::Medallion(c, x + 70, y + 52, 34, portal::kCream, false);
        if (const Glyph* glyph = std::get_if<Glyph>(&tile.emblem))
            portal::DrawGlyph(c, *glyph, x + 70, y + 52, 40, tile.colour, art::Shade(tile.colour, -0.6f));
        else
            std::get<1>(tile.emblem)(c, x + 70, y + 52);
        portal::Caption(c, x + 70, y + 106, tile.name, art::TextStyle{16, true}, portal::kWhite,
                        art::Shade(tile.colour, -0.6f));
        portal::Caption(c, x + 70, y + 128, tile.line, art::TextStyle{11, true}, portal::kCreamDeep,
                        art::Shade(tile.colour, -0.6f));
    }
    // The round badge at the top right.
    c.Fill(portal::StarPath(440, 30, 27, 20), art::Shade(portal::kOrange, -0.3f));
    c.Fill(portal::StarPath(440, 30, 25, 18), portal::kOrange);
    portal::Caption(c, 440, 30, "NEW!", art::TextStyle{13, true}, portal::kWhite, portal::kBrown);
    return art::Still(std::move(c));
}

const art::ImageRecipe join{"GETRIVPED.gif", kBannerW, kBannerH, 8, DrawJoin};
const art::ImageRecipe friendOffer{"RIVFRIEND.gif", kBannerW, kBannerH, 3, DrawFriend};
const art::ImageRecipe catalogIcon{"img-catalog-icon-120x60x2.gif", 120, 60, 2, DrawCatalogIcon};
const art::ImageRecipe catalogPage{"img-catalog-page-500x420.gif", 500, 420, 1, DrawCatalogPage};

}  // namespace
