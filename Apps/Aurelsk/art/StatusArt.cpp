// The status bar over the sea and the pieces the game draws on it.
//
//   p-img-Status.gif        500x120 the orange panel (0 to 62) with the oxygen well at
//                           (45, 35) to (225, 50), the sky and the waterline at 97 where the
//                           submarine floats; left open where the game's own orange shows through
//   p-img-ScorePlate.gif    150x54 the score plate the game hangs at (14, 64) in front of the
//                           sea and writes "Score" at (22, 71) and the digits at (70, 71) on
//   p-img-OxygenNotch.gif   3x15 one column of the oxygen gauge
//   p-img-LivesIcon.gif     40x35 a spare submarine in a life ring
//   p-img-GameOver.gif      200x100
#include <cmath>

#include "AurelskPalette.h"
#include "SeaArt.h"

namespace {

using art::Canvas;
using art::Path;
using namespace aurelsk_art;

constexpr int kWaterline = 97;

void Waves(Canvas& c, float top, float height, uint32_t colour) {
    Path wave;
    wave.MoveTo(0, top + height);
    for (int x = 0; x <= 500; x += 4) {
        wave.LineTo(static_cast<float>(x), top + std::sin(static_cast<float>(x) * 0.09f) * 1.6f);
    }
    wave.LineTo(500, top + height);
    wave.Close();
    c.Fill(wave, colour);
}

art::Picture Status() {
    Canvas c(500, 120);
    // Sky and sea below the panel.
    c.Fill(Path::Rect(0, 60, 500, 40), art::Paint::Linear(0, 60, 0, kWaterline, {{0, kSkyTop}, {1, kSkyLow}}));
    Waves(c, kWaterline - 2, 25, 0x3D8CFF);
    Waves(c, kWaterline + 2, 21, kSeaBlue);
    for (int i = 0; i < 9; ++i) c.Fill(Path::Ellipse(30.0f + 58.0f * static_cast<float>(i), 104, 6, 0.9f), 0x8FC0FF);
    // A sun and a gull for the sky.
    c.Fill(Path::Ellipse(470, 74, 9, 9), 0xFFE680);
    c.Line(300, 75, 305, 72, 1.2f, kInk);
    c.Line(305, 72, 310, 75, 1.2f, kInk);
    // The panel: lit top edge, dark bottom edge, rivets; the middle stays the game's orange.
    c.Fill(Path::Rect(0, 0, 500, 62), kOrangeDark);
    c.Erase(Path::Rect(0, 2, 500, 57));
    c.Fill(Path::Rect(0, 0, 500, 2), kOrangeLight);
    for (int x = 8; x < 500; x += 60) {
        c.Fill(Path::Ellipse(static_cast<float>(x), 6, 1.6f, 1.6f), kOrangeDark);
        c.Fill(Path::Ellipse(static_cast<float>(x), 55, 1.6f, 1.6f), kOrangeDark);
    }
    TitleText(c, 45, 14, "OXYGEN", 13, kWhite, kOrangeDark);
    c.Fill(Path::RoundRect(41, 31, 188, 23, 4), kWoodDark);
    c.Fill(Path::Rect(45, 35, 180, 15), 0x3A1E08);
    TitleText(c, 372, 14, "LIVES", 13, kWhite, kOrangeDark);
    return art::Still(std::move(c));
}

// The plate hangs over the waterline at (14, 64) in front of the sea, so the submarine passes
// behind it; its face is the game's orange, on which the game writes "Score" and the digits.
art::Picture ScorePlate() {
    Canvas c(150, 54);
    c.Fill(Path::RoundRect(0, 0, 150, 54, 9), kOrangeDark);
    c.Fill(Path::RoundRect(1.5f, 1.5f, 147, 51, 8), kOrangeLight);
    c.Fill(Path::RoundRect(4, 4, 141, 47, 6), kStatusOrange);
    c.Fill(Path::Rect(4, 4, 141, 1), art::Shade(kOrangeDark, -0.2f));
    return art::Still(std::move(c));
}

art::Picture Notch() {
    Canvas c(3, 15);
    for (int y = 0; y < 15; ++y) {
        const uint32_t tone = y < 2 ? 0x9CF5AE : y < 10 ? kGaugeGreen : kGaugeGreenDark;
        for (int x = 0; x < 3; ++x) c.Set(x, y, tone);
    }
    return art::Still(std::move(c));
}

art::Picture Lives() {
    Canvas c(40, 35);
    c.Fill(Path::Ellipse(20, 17.5f, 19, 17), 0xB3141C);
    c.Fill(Path::Ellipse(20, 17.5f, 18, 16), 0xFF4A4A);
    for (int q = 0; q < 4; ++q) {
        const float a = static_cast<float>(q) * 1.5708f + 0.785f;
        c.Fill(Path::Ellipse(20 + std::cos(a) * 13.5f, 17.5f + std::sin(a) * 12, 4.5f, 4.5f), kWhite);
    }
    c.Fill(Path::Ellipse(20, 17.5f, 11, 10), kSkyLow);
    Canvas diver(48, 24);
    DrawDiver(diver, 0, 0, 0);
    // Half size, keeping the strongest colour of each 2 x 2 block.
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 24; ++x) {
            const uint32_t p = diver.At(2 * x + 1, 2 * y + 1);
            if (p != art::kKey) c.Set(8 + x, 11 + y, p);
        }
    }
    return art::Still(std::move(c));
}

art::Picture GameOver() {
    Canvas c(200, 100);
    c.Fill(Path::RoundRect(2, 8, 196, 84, 18), kDeep);
    c.Fill(Path::RoundRect(4, 10, 192, 80, 16), art::Paint::Linear(0, 10, 0, 90, {{0, 0x2F8CFF}, {1, 0x0047C2}}));
    c.Fill(Path::RoundRect(12, 14, 176, 6, 3), 0x6FB2FF);
    const art::TextStyle big{30, true, "Arial"};
    const int w = Canvas::TextWidth("GAME OVER", big);
    TitleText(c, (200 - w) / 2, 34, "GAME OVER", 30, kGold, kWoodDark);
    for (const auto& [x, y, r] : {std::tuple{20.0f, 28.0f, 4.0f}, {182.0f, 74.0f, 5.0f}, {172.0f, 24.0f, 2.5f},
                                  {28.0f, 76.0f, 3.0f}}) {
        Bubble(c, x, y, r);
    }
    return art::Still(std::move(c));
}

const art::ImageRecipe status{"p-img-Status.gif", 500, 120, 1, Status};
const art::ImageRecipe scorePlate{"p-img-ScorePlate.gif", 150, 54, 1, ScorePlate};
const art::ImageRecipe notch{"p-img-OxygenNotch.gif", 3, 15, 1, Notch};
const art::ImageRecipe lives{"p-img-LivesIcon.gif", 40, 35, 1, Lives};
const art::ImageRecipe gameOver{"p-img-GameOver.gif", 200, 100, 1, GameOver};

}  // namespace
