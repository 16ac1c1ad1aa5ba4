#include "Apps/Brisquet/FinalScreen.h"

#include <cstdlib>

#include "Apps/Common/CentredText.h"
#include "Apps/Brisquet/LevelSelectScreen.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace brisquet {
namespace {

constexpr int kTickMs = 30;
constexpr int kStillMs = 2000;
constexpr int kBurstMs = 6000;
constexpr int kTitleX = 100;
constexpr int kTitleY = 40;
constexpr int kMinSpeed = 6;
// The 40-point line centred on y 200.
constexpr int kWonTop = 176;

}  // namespace

CFinalScreen::CFinalScreen(CBrisquetApplet& owner) : CBrisquetScreen(owner) {
    canvas->ClearToColor(0, 0, 0);
    int width = 500, height = 420;
    canvas->GetSize(&width, &height);
    DrawCentredText(*canvas, *factory, "You beat the game!", 40, true, 0xFFCC00, {0, width}, kWonTop);
    DrawMarkupTextOld(canvas, "<S2><B><cffffff>Coming Soon...", 380, 375);
    DrawMarkupTextOld(canvas, "<S2><B><cffffff>Brisquet 2</B>", 385, 395);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) MakePiece(pieces_[static_cast<size_t>(r * kColumns + c)], c, r);
    clickListener_.Reset(factory->AddListener(gameArea, applet::kClick, this, Forward<&CFinalScreen::OnClick>));
    timer_.Reset(factory->CreateTimer(this, kTickMs, Forward<&CFinalScreen::OnTick>));
    if (timer_) timer_->Start();
}

CFinalScreen::~CFinalScreen() {
    timer_.Reset();
    clickListener_.Reset();
    for (Piece& piece : pieces_) {
        piece.listener.Reset();
        piece.surface.Reset();
    }
}

// One of 18, 15, 12, 9, 6, -6, -9, -12, -15.
int CFinalScreen::Speed() {
    for (;;) {
        const int speed = 18 - 3 * (game.Random().Next() % 12);
        if (std::abs(speed) >= kMinSpeed) return speed;
    }
}

void CFinalScreen::MakePiece(Piece& piece, int column, int row) {
    piece.homeX = piece.x = kTitleX + kPiece * column;
    piece.homeY = piece.y = kTitleY + kPiece * row;
    piece.vx = Speed();
    piece.vy = Speed();
    ISurface* surface = factory->CreateSurface(kPiece, kPiece, kSurfaceColourKeyed);
    if (surface == nullptr) return;
    if (IImage* image = surface->GetImageDirect(); image != nullptr && game.TitlePicture() != nullptr) {
        image->ClearToColor(255, 0, 255);
        const int source[4] = {kPiece * column, kPiece * row, kPiece * (column + 1), kPiece * (row + 1)};
        const int destination[4] = {0, 0, kPiece, kPiece};
        image->Draw(destination, game.TitlePicture(), source);
    }
    surface->SetLoc(piece.x, piece.y, nullptr);
    gameArea->AttachSurface(surface);
    piece.surface = AttachedSurface(gameArea, surface);
    piece.listener.Reset(factory->AddListener(surface, applet::kMouseDown, this, Forward<&CFinalScreen::OnClick>));
}

int CFinalScreen::OnTick(intptr_t* args) {
    const intptr_t t = args[1];
    if (t < kStillMs) return 0;
    if (t < kBurstMs) {
        game.PlayOnce(FinalSound::Rumble, 2);
        const int spread = static_cast<int>((t - (kStillMs - 1)) / 300 + 1);
        for (Piece& piece : pieces_) {
            piece.x = piece.homeX + game.Random().Next() % spread;
            piece.y = piece.homeY + game.Random().Next() % spread;
            if (piece.surface) piece.surface->SetLoc(piece.x, piece.y, nullptr);
        }
        return 0;
    }
    game.PlayOnce(FinalSound::PopFinal, 0);
    int width = 500, height = 420;
    canvas->GetSize(&width, &height);
    // A piece that would leave the screen is mirrored back in and turns round.
    const auto bounce = [](int& position, int& speed, int limit) {
        position += speed;
        if (position < 0 || position + kPiece > limit) {
            position -= 2 * speed;
            speed = -speed;
        }
    };
    for (Piece& piece : pieces_) {
        bounce(piece.x, piece.vx, width);
        bounce(piece.y, piece.vy, height);
        if (piece.surface) piece.surface->SetLoc(piece.x, piece.y, nullptr);
    }
    return 0;
}

int CFinalScreen::OnClick(intptr_t* /*args*/) { return game.SetScreen(this, new CLevelSelectScreen(game)); }

}  // namespace brisquet
