#include "Apps/Glimtide/IconBar.h"

#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Glimtide/FireworksRenderer.h"
#include "Apps/Glimtide/GlimtideApplet.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"

namespace glimtide {
namespace {

constexpr int kIconHeight = 48;
constexpr int kIconTop = 2;
constexpr int kIconUpdates = 6;
constexpr float kIconLife = 30;

}  // namespace

CIconBar::CIconBar(CGlimtideApplet& game, std::span<const Choice> choices)
    : game_(game), choices_(static_cast<int>(choices.size())) {
    const ModuleGlobals& globals = Globals();
    surface_ = globals.factory->CreateSurface(kWidth, kHeight, 0);
    if (surface_ == nullptr) return;
    globals.gameArea->AttachSurface(surface_);
    surface_->SetLoc(0, kTop, nullptr);
    surface_->GetImage(&image_);
    if (image_ == nullptr) return;
    image_->ClearToColor(0, 0, 0);
    if (IImage* logo = game.GetPicture(Picture::MiniLogo)) image_->DrawAt(logo, 397, 2);
    image_->SetCurColor(96, 96, 96);
    image_->FrameRect(397, 1, 499, 49);
    for (size_t i = 0; i < choices.size(); ++i) DrawIcon(static_cast<int>(i), choices[i]);
    DrawFrames();
}

CIconBar::~CIconBar() {
    if (image_ != nullptr) image_->Release();
    if (surface_ != nullptr) {
        Globals().gameArea->DetachSurface(surface_);
        surface_->Release();
    }
}

int CIconBar::ChoiceAt(int x, int y) const {
    if (x < 0 || x >= kWidth || y < 0 || y >= kHeight) return -1;
    const int choice = x / kCellWidth;
    return choice < choices_ ? choice : -1;
}

void CIconBar::Highlight(int choice) {
    if (choice == highlighted_) return;
    highlighted_ = choice;
    DrawFrames();
}

// The icon is a burst simulated for six ticks in the cell's own small view.
void CIconBar::DrawIcon(int index, const Choice& choice) {
    ModuleRandom& random = game_.Random();
    CFireworksRenderer icon(game_.Colours(), {[&random] { return random.Next(); }, nullptr});
    icon.Camera().SetViewport(kCellWidth, kIconHeight, static_cast<float>(kCellWidth * index), kIconTop);
    icon.Camera().SetTranslation({0, 0, 300});
    if (choice.kind == RocketKind::SubRockets) {
        for (int group = 0; group < 5; ++group) {
            const Vec3 at{icon.RandomSigned() * 135, icon.RandomSigned() * 135 + 48, icon.RandomSigned()};
            for (int i = 0; i < 7; ++i)
                icon.Add<Spark>(SparkStart{at, icon.RandomDirection() * 5, choice.colour, kIconLife, 2, 5});
        }
    } else {
        for (int i = 0; i < 150; ++i)
            icon.Add<Spark>(SparkStart{{0, 0, 0}, icon.RandomDirection() * 30, choice.colour, kIconLife, 2, 5});
    }
    for (int tick = 1; tick <= kIconUpdates; ++tick) {
        icon.BeginFrame(nullptr);
        icon.Update(tick * 50);
    }
    icon.EndFrame(image_);
}

void CIconBar::DrawFrames() {
    if (image_ == nullptr) return;
    for (int i = 0; i < choices_; ++i) {
        IImage* frame = game_.GetPicture(i == highlighted_ ? Picture::ButtonDown : Picture::ButtonUp);
        if (frame != nullptr) image_->DrawAt(frame, kCellWidth * i, kIconTop);
    }
}

}  // namespace glimtide
