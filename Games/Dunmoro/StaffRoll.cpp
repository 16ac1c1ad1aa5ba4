#include "Games/Dunmoro/StaffRoll.h"

#include <array>
#include <cstdio>

#include "Apps/Common/Forwarder.h"
#include "Games/Dunmoro/Card.h"
#include "Games/Dunmoro/TitleScreen.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace dunmoro {
namespace {

constexpr std::array<std::string_view, 21> kStaffNames = {
    "Tova Brenlock", "Pim Arkwell",  "Sela Durvin",  "Odo Fennimore", "Ysra Calloway", "Brannic Holt", "Wenna Quist",
    "Arlo Tamsey",   "Merit Voss",   "Caddo Linwe",  "Isolde Prant",  "Fenn Halvard",  "Rue Ambrel",   "Dagny Orsk",
    "Hollis Verre",  "Juno Castell", "Emric Dawle",  "Liesl Norrow",  "Tobin Ashby", "Nell Sarrow", "Quill Marden",
};

constexpr bool NamesFit() {
    for (std::string_view name : kStaffNames) {
        if (name.empty() || name.size() > 13) return false;
        for (char c : name)
            if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ')) return false;
    }
    return true;
}
static_assert(NamesFit(), "every staff name fits a row of cards and is plain letters");

constexpr int kRollBottom = 385;

}  // namespace

std::span<const std::string_view> StaffNames() { return kStaffNames; }

CStaffScreen::CStaffScreen(CDunmoroApplet& owner, std::string player, int mode, int board)
    : CDunmoroScreen(owner), player_(std::move(player)), mode_(mode), board_(board) {
    canvas->ClearToColor(kGreenR, kGreenG, kGreenB);
    returnButton_ = AttachedSurface(gameArea, game.MakeTextButton(gameArea, "Return to Game", 348, 400, 0, 18, this,
                                                                  Forward<&CStaffScreen::ReturnToGame>));
    game.Play(Sound::ModeChange);
    timer_.Reset(factory->CreateTimer(this, kStaffTickMs, Forward<&CStaffScreen::OnTick>));
    if (timer_) timer_->Start();
}

int CStaffScreen::ReturnToGame(intptr_t* /*args*/) {
    game.SetScreen(this, new CTitleScreen(game, player_, mode_, board_));
    return 0;
}

int CStaffScreen::OnTick(intptr_t* args) {
    if (!pausing_) {
        DealLetter();
        return 0;
    }
    if (args[2] <= kStaffPauseMs) return 0;
    if (nameIndex_ + 1 >= kStaffNames.size()) {
        timer_->Stop();
        return 0;
    }
    nameIndex_ += 1;
    letterIndex_ = 0;
    rowX_ = 10;
    rowY_ = (rowY_ + kStaffRowStep) % kRollBottom;
    pausing_ = false;
    timer_->Restart();
    return 0;
}

void CStaffScreen::DealLetter() {
    const std::string_view name = kStaffNames[nameIndex_];
    while (letterIndex_ < name.size() && name[letterIndex_] == ' ') ++letterIndex_;
    if (letterIndex_ < name.size()) DealCard(name[letterIndex_]);
    letterIndex_ += 1;
    if (letterIndex_ < name.size()) return;
    pausing_ = true;
    timer_->Restart();
}

void CStaffScreen::DealCard(char letter) {
    const int x = rowX_ + kStaffLetterStep * static_cast<int>(letterIndex_);
    const int y = rowY_;
    if (game.CardFrontImage() != nullptr) canvas->DrawAtEx(game.CardFrontImage(), x, y, 0);
    game.Play(Sound::MoveLegal);
    const int rank = game.StaffRandom().Next() % 13;
    const int suit = game.StaffRandom().Next() % 4;
    DrawCorners(*canvas, game, x, y, rank + 1, suit);
    char markup[40];
    std::snprintf(markup, sizeof markup, suit >= 2 ? "<S0><cff0000><b>%c</b>" : "<S0><c000000><b>%c</b>", letter);
    canvas->DrawRML(markup, x + 15, y + 20);
}

}  // namespace dunmoro
