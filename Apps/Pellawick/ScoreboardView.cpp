#include "Apps/Pellawick/ScoreboardView.h"

#include <cstdio>

#include "Apps/Common/CentredText.h"
#include "Apps/Common/DrawMarkupTextF.h"
#include "Apps/Pellawick/PellawickApplet.h"
#include "frame/api/IAnim.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"

namespace pellawick {
namespace {

// The board and its wing on the right, where the third snack's icon stands.
constexpr int kWidth = 286, kHeight = 133;
constexpr int kWingX = 222;
constexpr int kParked = -1000;
constexpr int kScreenX = 13, kScreenY = 8;
// By message kind: the animation it starts, or -1.
constexpr const char* kScreenNames[] = {"ani-MVP-121x76.gif", "ani-Trans_gameover-121x76.gif",
                                        "ani-trans_homerun-121x76.gif", "ani-wave-121x76.gif"};
enum Screen { kMvp = 0, kGameOver = 1, kHomeRun = 2, kWave = 3 };

int ScreenOf(BoardMessage message) {
    switch (message) {
        case BoardMessage::InningWon:
        case BoardMessage::LeagueWon: return kHomeRun;
        case BoardMessage::GameWon: return kMvp;
        case BoardMessage::GameOver: return kGameOver;
        case BoardMessage::Wave: return kWave;
        case BoardMessage::InningStart: break;
    }
    return -1;
}

}  // namespace

CScoreboardView::CScoreboardView(CPellawickApplet& game, IShellFactory& factory, ISurface* gameArea) : game_(game) {
    ISurface* board = factory.CreateSurface(kWidth, kHeight, kSurfaceColourKeyed);
    if (board == nullptr || gameArea == nullptr) {
        if (board != nullptr) board->Release();
        return;
    }
    board->SetNoHit(true);
    board->SetLoc(kX, kY, nullptr);
    gameArea->AttachSurface(board);
    board_ = AttachedSurface(gameArea, board);
    image_.Reset(board->GetImageDirect());
    if (image_) {
        image_->ClearToColor(0xFF, 0x00, 0xFF);
        if (IImage* picture = game.GetPicture(Picture::Scoreboard)) image_->DrawAt(picture, 0, 0);
        if (IImage* wing = game.GetPicture(Picture::ScoreboardWing)) image_->DrawAt(wing, kWingX, 0);
    }
    digits_.Reset(factory.CreateFont("Arial", 12, kFontStyleBold));
    for (size_t i = 0; i < screens_.size(); ++i) {
        ISurface* screen = factory.CreateSurfaceFromFile(kScreenNames[i], kSurfaceColourKeyed);
        if (screen == nullptr) continue;
        screen->SetNoHit(true);
        screen->SetLoc(kParked, kParked, nullptr);
        board->AttachSurface(screen);
        screens_[i] = AttachedSurface(board, screen);
    }
}

void CScoreboardView::Sync(const Stadium& stadium) {
    const Seller& seller = stadium.GetSeller();
    const Shown now{seller.score,           seller.LivesShown(),          seller.wavesLeft,
                    stadium.Inning(),       stadium.Values().foodTypes,   seller.selected,
                    stadium.IsBonus(),      seller.stock};
    if (!(now == shown_)) {
        shown_ = now;
        Draw(now);
    }
    if (stadium.MessagesShown() != messagesShown_) {
        messagesShown_ = stadium.MessagesShown();
        ShowMessage(stadium.LastMessage());
    }
}

void CScoreboardView::Draw(const Shown& shown) {
    IImage* image = image_.Get();
    if (image == nullptr) return;
    image->SetCurColor(0, 204, 102);
    for (int i = 0; i < 3; ++i) {
        const int x = 141 + 47 * i;
        if (i >= shown.foodTypes) {
            image->FillRect(151 + 47 * i, 46, 173 + 47 * i, 66);
            continue;
        }
        if (IImage* icon = game_.FoodIcon(i, i == shown.selected)) image->DrawAt(icon, x, 3);
        char digits[16];
        std::snprintf(digits, sizeof digits, "%d", shown.stock[static_cast<size_t>(i)]);
        DrawMarkupTextF(image, x + 18 - TextWidth(*image, digits_.Get(), digits) / 2, 2, "<S2><b><cffffff>%s", digits);
    }
    image->SetCurColor(0, 204, 102);
    image->FillRect(205, 70, 240, 87);
    image->FillRect(205, 87, 240, 105);
    image->FillRect(205, 104, 240, 118);
    image->SetCurColor(0, 0, 0);
    image->FillRect(kScreenX, kScreenY, 132, 80);
    image->FillRect(54, 95, 130, 110);
    DrawMarkupTextF(image, 60, 95, "<S2><b><cffffff>%d</b>", shown.score);
    DrawMarkupTextF(image, 210, 71, "<S2><b><Cffffff>%d</b>", shown.lives);
    DrawMarkupTextF(image, 210, 87, "<S2><b><Cffffff>%d</b>", shown.waves);
    if (shown.bonus) DrawMarkupTextF(image, 210, 104, "<S2><b><cffffff>B</b>");
    else DrawMarkupTextF(image, 210, 104, "<S2><b><cffffff>%d</b>", shown.inning);
}

void CScoreboardView::ShowMessage(BoardMessage message) {
    if (IImage* image = image_.Get()) {
        image->SetCurColor(0, 0, 0);
        image->FillRect(kScreenX, kScreenY, 133, 81);
    }
    for (AttachedSurface& screen : screens_)
        if (screen) screen->SetLoc(kParked, kParked, nullptr);
    const int which = ScreenOf(message);
    if (which < 0 || !screens_[static_cast<size_t>(which)]) return;
    ISurface* screen = screens_[static_cast<size_t>(which)].Get();
    screen->SetLoc(kScreenX, kScreenY, nullptr);
    ShellRef<IAnim> anim;
    screen->GetAnim(anim.Out());
    if (anim) anim->SetFrame(0);
    screen->StartAnim();
}

}  // namespace pellawick
