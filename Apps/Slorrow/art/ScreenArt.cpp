// The screens' pictures: the flag-striped background, the titles, the stars and banners, the
// partner's mark, the popularity meter's pieces, the buttons (normal and hover) and the logo.
#include "SlorrowLook.h"
#include "art/ArtRegistry.h"
#include "art/Paint.h"
#include "art/Path.h"

namespace {

using art::Canvas;
using art::Path;
using art::Picture;
using namespace slorrow_art;

Picture Background() {
    Canvas c(500, 420);
    for (int band = 0; band < 7; ++band) {
        c.Fill(Path::Rect(0, static_cast<float>(band) * 60, 500, 60), band % 2 == 0 ? kFlagRed : kWhite);
    }
    c.Fill(Path::Rect(0, 0, 200, 180), kFlagBlue);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 5; ++col) Star(c, 22 + col * 38.0f + (row % 2) * 19, 25 + row * 42.0f, 9, kWhite);
    // A pale board across the middle, where the rules and the taunts are written in dark ink.
    c.Fill(Path::RoundRect(8, 163, 484, 120, 12), kFlagBlue);
    c.Fill(Path::RoundRect(10, 165, 480, 116, 10), 0xFFF6E0);
    return art::Still(std::move(c));
}

Picture Banner(int width, int height, std::string_view text, int textHeight) {
    Canvas c(width, height);
    c.Fill(Path::Rect(0, 0, static_cast<float>(width), static_cast<float>(height)), kFlagBlue);
    c.Fill(Path::Rect(0, 3, static_cast<float>(width), 2), kWhite);
    c.Fill(Path::Rect(0, static_cast<float>(height) - 5, static_cast<float>(width), 2), kWhite);
    TitleText(c, static_cast<float>(width) / 2, (height - textHeight) / 2, text, textHeight, kWhite, kFlagRed);
    return art::Still(std::move(c));
}

// The two names stand clear of the "Fight!" button in the middle.
Picture PlayerBanner() {
    Picture picture = Banner(500, 58, "", 24);
    art::Canvas& c = picture.frames.front();
    TitleText(c, 92, 17, "PLAYER 1", 24, kWhite, kFlagRed);
    TitleText(c, 418, 17, "PLAYER 2", 24, kWhite, kFlagRed);
    return picture;
}

// A row of stars, under the game-over screen's buttons.
Picture StarBanner() {
    Picture picture = Banner(500, 58, "", 24);
    for (int i = 0; i < 12; ++i) Star(picture.frames.front(), 21 + i * 41.5f, 29, 9, kWhite);
    return picture;
}

Picture TitleImage() {
    Canvas c(434, 299);
    c.Fill(Path::RoundRect(0, 0, 434, 299, 20), kFlagBlue);
    c.Fill(Path::RoundRect(4, 4, 426, 291, 17), kSky);
    c.Fill(Path::Ellipse(120, 330, 200, 120), kGrass);
    c.Fill(Path::Ellipse(330, 340, 190, 130), kGrassLight);
    DrawCandidate(c, false, Look::Win, 0, 50, 40, 110, 220);
    DrawCandidate(c, true, Look::Dizzy, 2, 260, 60, 130, 200);
    c.Fill(Path::Ellipse(220, 90, 12, 12), kMud);
    return art::Still(std::move(c));
}

Picture StarPicture(int width, int height) {
    Canvas c(width, height);
    const float r = static_cast<float>(std::min(width, height)) / 2;
    Star(c, static_cast<float>(width) / 2, static_cast<float>(height) / 2 + 1, r, art::Shade(kGold, -0.45f));
    Star(c, static_cast<float>(width) / 2, static_cast<float>(height) / 2 + 1, r - 2, kGold);
    return art::Still(std::move(c));
}

Picture Zorbit() {
    Canvas c(62, 40);
    c.Fill(Path::RoundRect(0, 0, 62, 40, 8), kInk);
    c.Fill(Path::Ellipse(18, 20, 12, 12), kGold);
    TitleText(c, 44, 13, "ZB", 14, kWhite, kInk);
    return art::Still(std::move(c));
}

Picture Face(bool ass) {
    Canvas c(45, 47);
    const uint32_t body = ass ? 0x8A7A6A : 0x9AA3B0;
    c.Fill(Path::Ellipse(22.5f, 24, 18, 18), art::Shade(body, -0.45f));
    c.Fill(Path::Ellipse(22.5f, 24, 17, 17), body);
    if (ass) {
        c.Fill(Path::Polygon({{8, 14}, {12, 0}, {17, 12}}), body);
        c.Fill(Path::Polygon({{28, 12}, {33, 0}, {37, 14}}), body);
    } else {
        c.Fill(Path::Ellipse(5, 22, 6, 11), body);
        c.Fill(Path::Ellipse(40, 22, 6, 11), body);
        c.Fill(Path::RoundRect(19, 30, 7, 16, 3), body);
    }
    c.Fill(Path::Ellipse(16, 20, 2, 2), kInk);
    c.Fill(Path::Ellipse(29, 20, 2, 2), kInk);
    return art::Still(std::move(c));
}

Picture Pointer() {
    Canvas c(48, 47);
    const Path pointer = Path::Polygon({{24, 46}, {10, 24}, {38, 24}});
    c.Fill(pointer, kGold);
    c.Outline(pointer, 1.5f, art::Shade(kGold, -0.5f));
    c.Fill(Path::Ellipse(24, 14, 12, 12), art::Shade(kGold, -0.5f));
    c.Fill(Path::Ellipse(24, 14, 10.5f, 10.5f), kGold);
    return art::Still(std::move(c));
}

Picture Notch() {
    Canvas c(5, 25);
    c.Fill(Path::Rect(0, 0, 4, 25), kFlagBlue);
    c.Fill(Path::Rect(0, 0, 1, 25), art::Shade(kFlagBlue, 0.4f));
    return art::Still(std::move(c));
}

Picture Button(int width, int height, std::string_view caption, uint32_t colour, bool hover) {
    Canvas c(width, height);
    DrawButton(c, caption, colour, hover);
    return art::Still(std::move(c));
}

// The game's tile on the portal's pages: Brambo on his hill lets fly, the mud ball arcs over to
// Quillet, who has had one already, and the name runs along the grass.
Picture Logo() {
    Canvas c(80, 60);
    c.Fill(Path::RoundRect(0, 0, 80, 60, 9), kFlagBlue);
    c.Fill(Path::RoundRect(2, 2, 76, 56, 8), art::Paint::Linear(0, 2, 0, 50, {{0, art::Shade(kSky, -0.2f)}, {1, kSky}}));
    c.Fill(Path::Ellipse(14, 62, 30, 24), kGrass);
    c.Fill(Path::Ellipse(68, 64, 28, 24), kGrassLight);
    DrawCandidate(c, true, Look::Win, 0, 2, 6, 22, 34);
    DrawCandidate(c, false, Look::Dizzy, 1, 56, 9, 22, 31);
    // The ball's flight from Brambo's hand, dotted, and the ball about to land.
    for (int i = 0; i < 7; ++i) {
        const float t = static_cast<float>(i) / 8.0f;
        c.Fill(Path::Ellipse(23 + 27 * t, 9 + 8 * t - 10 * t * (1 - t), 0.9f, 0.9f), kMudLight);
    }
    c.Fill(Path::Ellipse(52, 17, 3.6f, 3.6f), art::Shade(kMud, -0.3f));
    c.Fill(Path::Ellipse(52, 17, 2.8f, 2.8f), kMud);
    c.Fill(Path::Ellipse(51, 16, 1, 0.8f), kMudLight);
    TitleText(c, 40, 42, "Slorrow", 13, kFlagRed, kFlagBlue);
    return art::Still(std::move(c));
}

const art::ImageRecipe background{"img-REDWHITEBLUEbackground-500x420.gif", 500, 420, 1, Background};
const art::ImageRecipe titleLogo{"img-titlelogo-500x128.gif", 500, 128, 1, [] { return Banner(500, 128, "SLORROW", 64); }};
const art::ImageRecipe titleImage{"img-TitleImage-434x299.gif", 434, 299, 1, TitleImage};
const art::ImageRecipe selectLogo{"img-SelectLogo-500x128.gif", 500, 128, 1, [] { return Banner(500, 128, "PICK YOUR SIDE", 44); }};
const art::ImageRecipe starSmall{"img-star-27x30.gif", 27, 30, 1, [] { return StarPicture(27, 30); }};
const art::ImageRecipe starLarge{"img-star-45x50.gif", 45, 50, 1, [] { return StarPicture(45, 50); }};
const art::ImageRecipe playerBanner{"img-Player1_2-500x58.gif", 500, 58, 1, PlayerBanner};
const art::ImageRecipe bottomBanner{"img-bottomBanner-500x58.gif", 500, 58, 1, StarBanner};
const art::ImageRecipe zorbit{"img-Zorbit-62x40.gif", 62, 40, 1, Zorbit};
const art::ImageRecipe ass{"img-popularass-45x47.gif", 45, 47, 1, [] { return Face(true); }};
const art::ImageRecipe elephant{"img-popularElephant-45x47.gif", 45, 47, 1, [] { return Face(false); }};
const art::ImageRecipe pointer{"img-popularitymeter-48x47.gif", 48, 47, 1, Pointer};
const art::ImageRecipe notch{"img-popularitynotch-5x25.gif", 5, 25, 1, Notch};
const art::ImageRecipe onePlayer{"img-1Player-128x61.gif", 128, 61, 1, [] { return Button(128, 61, "1 Player", kFlagBlue, false); }};
const art::ImageRecipe onePlayerOver{"img-1PlayerOver-128x61.gif", 128, 61, 1, [] { return Button(128, 61, "1 Player", kFlagBlue, true); }};
const art::ImageRecipe twoPlayer{"img-2Player-128x61.gif", 128, 61, 1, [] { return Button(128, 61, "2 Players", kFlagRed, false); }};
const art::ImageRecipe twoPlayerOver{"img-2PlayerOver-128x61.gif", 128, 61, 1, [] { return Button(128, 61, "2 Players", kFlagRed, true); }};
const art::ImageRecipe switchIcon{"img-SwitchIcon-165x64.gif", 165, 64, 1, [] { return Button(165, 64, "Switch", kGold, false); }};
const art::ImageRecipe switchIconOver{"img-SwitchIconOver-165x64.gif", 165, 64, 1, [] { return Button(165, 64, "Switch", kGold, true); }};
const art::ImageRecipe fightIcon{"img-FightIcon-134x87.gif", 134, 87, 1, [] { return Button(134, 87, "Fight!", kFlagRed, false); }};
const art::ImageRecipe fightIconOver{"img-FightIconOver-134x87.gif", 134, 87, 1, [] { return Button(134, 87, "Fight!", kFlagRed, true); }};
const art::ImageRecipe quit{"img-QuitButton-90x70.gif", 90, 70, 1, [] { return Button(90, 70, "Quit", kInk, false); }};
const art::ImageRecipe quitOver{"img-QuitButtonOver-90x70.gif", 90, 70, 1, [] { return Button(90, 70, "Quit", kInk, true); }};
const art::ImageRecipe tryAgain{"img-TryAgainButton-132x74.gif", 132, 74, 1, [] { return Button(132, 74, "Try Again", kGrass, false); }};
const art::ImageRecipe tryAgainOver{"img-TryAgainButtonOver-132x74.gif", 132, 74, 1, [] { return Button(132, 74, "Try Again", kGrass, true); }};
const art::ImageRecipe logo{"img-logo-80x60.gif", 80, 60, 1, Logo};

}  // namespace
