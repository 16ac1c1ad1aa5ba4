// Games-Get-More, where the user asks for a game to be mailed, and the list of every game still
// to get.
#include <string>

#include "core/graphics/EditField.h"
#include "core/graphics/Image.h"
#include "core/outbox/OutboxMessage.h"
#include "frame/games/FramedBox.h"
#include "frame/pages/FormDrawing.h"
#include "frame/pages/FormPages.h"
#include "frame/pages/FormRules.h"
#include "frame/shell/Shell.h"
#include "frame/shell/ShellPictures.h"

namespace {

// The area cleared for a message reaches as far right as the message is laid out.
constexpr platform::Rect kGetGameArea{20, 270, 463, 400};
constexpr platform::Rect kGetGameText{25, 271, 463, 369};

int OnAllPlay(intptr_t* record) {
    reinterpret_cast<CShell*>(record[0])->ShowPage(page_name::kGames);
    return 1;
}

}  // namespace

// The game's logo framed like a tile: a grey outline and a shadow in the pace's colour.
void CFormPages::DrawFramedLogo(CImage& image, int row, int left, int top) {
    const GameRecord* record = config_.table != nullptr ? config_.table->Row(row) : nullptr;
    if (record == nullptr) return;
    image.SetCurColor(51, 51, 51);
    image.FrameRect(left + 8, top + 8, left + 90, top + 70);
    const uint32_t pace = PaceColour(record->pace);
    FillArea(image, left + 9, top + 9, left + 90, top + 70, pace);
    FillArea(image, left, top, left + 84, top + 64, 0x000000);
    CSurface* logo = LoadPicture(record->logo, CSurface::kFlagColorKeyed);
    if (logo == nullptr) return;
    image.DrawAt(*logo->GetCurImage(), left + 2, top + 2, 0);
    logo->ReleaseInternalRef();
}

void CFormPages::ShowGetGame(CSurface& page, int row) {
    shell_.PlayClick();
    BeginPage(Form::GetGame);
    getGameRow_ = row;
    CImage& image = *page.GetCurImage();
    shell_.DrawPageImage("img-esrb-31x45.gif", 463, 6);
    DrawFramedLogo(image, row, 380, 84);
    const platform::Rect intro{20, 86, 380, 420};
    ShowMessage(image, 2001, 20, 86, intro);
    DrawRml(image, "<s3><c000000><B>Enter your e-mail address:</b>", 26, 155);
    emailField_ = MakeField(page, {26, 173, 370, 194}, 26, 175, 345, 20, true);
    DrawRml(image, "<s4><c000000>NOTE: your email address will only be used to send you this game.", 25, 199);
    DrawRml(image, "<s4><c000000>E-mail addresses will not be used for any other purpose.", 25, 213);
    emailField_->SetFocus();
    const intptr_t self = reinterpret_cast<intptr_t>(this);
    shell_.MakeImageButton("btn-txt-send-78x24.gif", 25, 244, self, Command<&CFormPages::OnGetGame>);
    shell_.MakeImageButton("btn-txt-clear-78x24.gif", 108, 244, self, Command<&CFormPages::ClearGetGame>);
    shell_.MakeImageButton("btn-txt-allget-135x24.gif", 340, 342, self, Command<&CFormPages::ShowAllGamesClicked>);
}

void CFormPages::ClearGetGame() {
    if (emailField_ == nullptr) return;
    shell_.PlayClick();
    emailField_->Clear();
    emailField_->SetFocus();
}

void CFormPages::ShowAllGamesClicked() { shell_.ShowPage(page_name::kAllGames); }

void CFormPages::OnGetGame() {
    if (emailField_ == nullptr || form_ != Form::GetGame) return;
    shell_.PlayClick();
    const std::string address = forms::CommasToSemicolons(emailField_->Text());
    CImage& image = *Page()->GetCurImage();
    FillArea(image, kGetGameArea.left, kGetGameArea.top, kGetGameArea.right, kGetGameArea.bottom, 0xFF9900);
    if (const int problem = forms::CheckAddress(address)) {
        ShowMessage(image, problem, kGetGameText.left, kGetGameText.top, kGetGameText);
        return;
    }
    ShowMessage(image, forms::kContacting, kGetGameText.left, kGetGameText.top, kGetGameText);
    const GameRecord* row = config_.table != nullptr ? config_.table->Row(getGameRow_) : nullptr;
    const std::string guid = row != nullptr ? row->guid : std::string();
    Send(kMsgRivMe, "RivRivlet", guid + "," + address + "," + address, 10);
}

void CFormPages::ShowGetGameResult(int status, bool fromReply) {
    ShowMailOutcome(status, 2003, kGetGameArea, kGetGameText);
    // What was typed stays for another try when nothing could be queued.
    if (fromReply && emailField_ != nullptr) emailField_->Clear();
}

void CFormPages::ShowAllGames(CSurface& page) {
    shell_.PlayClick();
    BeginPage(Form::None);
    CImage& image = *page.GetCurImage();
    shell_.DrawPageImage("img-esrb-31x45.gif", 463, 6);
    DrawFramedBox(image, {6, 55, 486, 335, "txt-games_all_rv-238x14.gif", true, false});
    DrawPictureFrame(image, "asl-btn-scroll_up-22x22.gif", 2, 470, 71);
    DrawPictureFrame(image, "asl-btn-scroll_dn-22x22.gif", 2, 470, 368);
    for (const int x : {296, 297})
        DrawRml(image, "<S4><C6699ff>THINK<Cffcc99> , <C00cc00>RELAX<cffcc99> , or <cff3333>SWEAT", x, 58);
    toGetTiles_ = 0;
    if (config_.table != nullptr) {
        config_.table->ClearInstalled();
        config_.table->EnumerateInstalled();
        for (const int index : config_.table->Recommendations(static_cast<size_t>(CGameTable::kMaxRows))) {
            const GameRecord& row = *config_.table->Row(index);
            CSurface* logo = LoadPicture(row.logo, CSurface::kFlagColorKeyed);
            auto* tile = new CGameTile(*this, logo, index, row.pace, true);
            if (logo != nullptr) logo->ReleaseInternalRef();
            const platform::Point at = rows::ToGetTilePosition(toGetTiles_++);
            tile->SetLoc(at.x, at.y);
            page.AttachSurface(tile);
        }
    }
    shell_.MakeImageButton("btn-txt-allplay-135x24.gif", 185, 394, 0, OnAllPlay);
}
