#include "Apps/Aurelsk/StatusBar.h"

#include "Apps/Common/DrawMarkupTextF.h"
#include "Apps/Common/MarkupText.h"
#include "frame/api/IAnim.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"

namespace aurelsk {
namespace {

constexpr int kBarHeight = 120;
constexpr int kGaugeX = 45, kGaugeY = 35, kGaugeBottom = 50;
// The plate at (14, 64) of the game area; "Score" at (22, 71) and the digits at (70, 71) over
// (70, 71)-(153, 115), here in the plate's own coordinates.
constexpr int kPlateX = 14, kPlateY = 64, kPlateWidth = 150, kPlateHeight = 54;
constexpr int kLabelX = 22 - kPlateX, kDigitsX = 70 - kPlateX, kDigitsY = 71 - kPlateY;
constexpr int kDigitsRight = 153 - kPlateX, kDigitsBottom = 115 - kPlateY;

void Fill(IImage& canvas, int left, int top, int right, int bottom, int r, int g, int b) {
    canvas.SetCurColor(r, g, b);
    canvas.FillRect(left, top, right, bottom);
}

void FillOrange(IImage& canvas, int left, int top, int right, int bottom) {
    Fill(canvas, left, top, right, bottom, 255, 153, 0);
}

}  // namespace

CStatusBar::CStatusBar(CAurelskApplet& game, IShellFactory& factory, ISurface& gameArea, IImage* canvas)
    : game_(game), canvas_(canvas) {
    if (canvas_ != nullptr) {
        FillOrange(*canvas_, 0, 0, kSeaWidth, kBarHeight);
        if (IImage* status = game.GetPicture(Picture::Status)) canvas_->DrawAt(status, 0, 0);
        if (IImage* hold = game.GetPicture(Picture::Hold)) canvas_->DrawAt(hold, 255, 10);
        if (IImage* lives = game.GetPicture(Picture::LivesIcon)) canvas_->DrawAt(lives, 412, 10);
        DrawMarkupText(canvas_, "<s3><b><c000000>X", 455, 30);
    }
    MakePlate(factory, gameArea);
    IImageSeq* lit = game.GetSequence(Sequence::HoldLit);
    for (size_t i = 0; i < lights_.size() && lit != nullptr; ++i) {
        const ShellRef<IAnim> anim(factory.CreateAnim(lit));
        ISurface* light = anim ? factory.CreateSurfaceFromAnim(anim.Get(), kSurfaceColourKeyed) : nullptr;
        if (light == nullptr) continue;
        light->SetLoc(254 + 32 * static_cast<int>(i), 38, nullptr);
        light->SetVisible(false, nullptr);
        light->SetNoHit(true);
        gameArea.AttachSurface(light);
        lights_[i] = AttachedSurface(&gameArea, light);
    }
}

void CStatusBar::MakePlate(IShellFactory& factory, ISurface& gameArea) {
    ISurface* plate = factory.CreateSurface(kPlateWidth, kPlateHeight, kSurfaceColourKeyed);
    if (plate == nullptr) return;
    plate->SetLoc(kPlateX, kPlateY, nullptr);
    plate->SetNoHit(true);
    gameArea.AttachSurface(plate);
    plate_ = AttachedSurface(&gameArea, plate);
    plate->GetImage(plateImage_.Out());
    if (!plateImage_) return;
    plateImage_->ClearToColor(255, 0, 255);
    if (IImage* picture = game_.GetPicture(Picture::ScorePlate)) plateImage_->DrawAt(picture, 0, 0);
    DrawMarkupText(plateImage_.Get(), "<s2><b><c000000>Score", kLabelX, kDigitsY);
}

void CStatusBar::Show(const SeaWorld& world) {
    if (world.Score() != score_) DrawScore(world.Score());
    if (world.Lives() != lives_) DrawLives(world.Lives());
    if (world.Player().Oxygen() != oxygen_) DrawOxygen(world.Player().Oxygen());
    if (world.Player().Hold() != hold_) ShowHold(world.Player().Hold());
}

void CStatusBar::DrawScore(int score) {
    score_ = score;
    if (!plateImage_) return;
    FillOrange(*plateImage_, kDigitsX, kDigitsY, kDigitsRight, kDigitsBottom);
    DrawMarkupTextF(plateImage_.Get(), kDigitsX, kDigitsY, "<s2><b><c000000>%d", score);
}

// The icon counts the submarine in play; the number, those still waiting.
void CStatusBar::DrawLives(int lives) {
    lives_ = lives;
    if (canvas_ == nullptr || lives < 1) return;
    FillOrange(*canvas_, 470, 25, 495, 45);
    DrawMarkupTextF(canvas_, 470, 25, "<s1><b><c000000>%d", lives - 1);
}

// The notches are 3 pixels wide, one per unit: the red of what is used starts right after the
// last unit left, and a full tank shows notches to the gauge's end.
void CStatusBar::DrawOxygen(int oxygen) {
    oxygen_ = oxygen;
    if (canvas_ == nullptr) return;
    constexpr int kGaugeRight = kGaugeX + PlayerSub::kFullOxygen + 3;
    if (IImage* notch = game_.GetPicture(Picture::OxygenNotch)) {
        const int last = oxygen == PlayerSub::kFullOxygen ? oxygen : oxygen - 1;
        for (int i = 0; i <= last; ++i) canvas_->DrawAt(notch, kGaugeX + i, kGaugeY);
    }
    if (oxygen < PlayerSub::kFullOxygen) Fill(*canvas_, kGaugeX + oxygen, kGaugeY, kGaugeRight, kGaugeBottom, 255, 0, 0);
}

void CStatusBar::ShowHold(int count) {
    hold_ = count;
    for (size_t i = 0; i < lights_.size(); ++i)
        if (lights_[i]) lights_[i]->SetVisible(static_cast<int>(i) < count, nullptr);
}

}  // namespace aurelsk
