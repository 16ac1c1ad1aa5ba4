// The Home page: the mascot, the way to the Settings page, a subscription field that hands the
// address to the Join page, and the featured-game box with its arrows.
#include <string>

#include "core/graphics/EditField.h"
#include "core/graphics/Image.h"
#include "frame/api/MarkupEscape.h"
#include "frame/games/FramedBox.h"
#include "frame/pages/FormDrawing.h"
#include "frame/pages/FormPages.h"
#include "frame/shell/Shell.h"
#include "frame/shell/ShellPictures.h"

namespace {

int OnSettings(intptr_t* record) {
    reinterpret_cast<CShell*>(record[0])->ShowPage(page_name::kSettings);
    return 1;
}

int OnGetItNow(intptr_t* record) {
    reinterpret_cast<CShell*>(record[0])->LaunchGame(static_cast<int>(record[2]));
    return 1;
}

}  // namespace

void DrawMascotAndSettings(CShell& shell, CImage& image) {
    shell.DrawPageImage("img-rivguy-226x152.gif", 263, 11);
    shell.DrawPageImage("txt-make_rivakel_yours-176x17.gif", 300, 320);
    DrawRml(image, "<S4><c000000>Change the way Rivakel looks and feels", 292, 338);
    shell.MakeImageButton("btn-txt-settings-78x24.gif", 352, 356, 0, OnSettings);
}

void CFormPages::ShowHome(CSurface& page) {
    shell_.PlayClick();
    BeginPage(Form::Home);
    CImage& image = *page.GetCurImage();
    DrawMascotAndSettings(shell_, image);
    shell_.DrawPageImage("txt-get_great_games_for_free-216x18.gif", 48, 260);
    DrawRml(image, "<S4><c000000>Enter your e-mail:", 55, 279);
    shell_.MakeImageButton("btn-txt-subscribe-78x24.gif", 180, 293, reinterpret_cast<intptr_t>(this),
                           Command<&CFormPages::SubscribeFromHome>);
    emailField_ = MakeField(page, {56, 294, 175, 315}, 56, 296, 120, 20, true);
    const int count = config_.table != nullptr ? config_.table->Count() : 0;
    if (count > 0) {
        featuredIndex_ = (featuredIndex_ + count - 1) % count;
        ShowFeaturedGame();
    }
    emailField_->SetFocus();
}

void CFormPages::SubscribeFromHome() {
    const std::string address = emailField_ != nullptr ? emailField_->Text() : std::string();
    shell_.ShowPage(page_name::kJoin);
    if (form_ != Form::Join || emailField_ == nullptr) return;
    emailField_->SetText(address);
    OnSubscribe();
}

void CFormPages::ShowFeaturedGame() {
    CSurface* page = Page();
    if (config_.table == nullptr || page == nullptr) return;
    const std::vector<RowFacts> facts = Facts();
    featuredIndex_ = rows::SelectFeatured(facts, featuredIndex_, featuredBackward_);
    const GameRecord* row = config_.table->Row(featuredIndex_);
    if (row == nullptr) return;
    CImage& image = *page->GetCurImage();

    DrawFramedBox(image, {20, 100, 342, 152, "txt-now_featuring-97x14.gif", true, false});
    // Earlier boxes' arrows and tiles lie under this one.
    for (CSurface* child : std::vector<CSurface*>(page->Children().begin(), page->Children().end())) {
        int x = 0, y = 0;
        child->GetLoc(x, y);
        if (y >= 100 && y < 252 && x < 362) page->DetachSurface(child);
    }
    const intptr_t self = reinterpret_cast<intptr_t>(this);
    shell_.MakeIconButton(page, "asl-btn-scroll_up-22x22.gif", 340, 116, self, Command<&CFormPages::ScrollForward>);
    shell_.MakeIconButton(page, "asl-btn-scroll_dn-22x22.gif", 340, 230, self, Command<&CFormPages::ScrollBack>);
    FillArea(image, 32, 128, 116, 192, 0x000000);
    shell_.MakeImageButton("btn-txt-getitnow-78x24.gif", 31, 197, featuredIndex_, OnGetItNow);
    DrawRml(image, "<s4><c000000>Scroll for more...", 260, 237);

    // The name is drawn as it stands (rows may come from game files) and ends at x 332.
    DrawRml(image, "<s2><cffffcc><b>", 0, 0);
    TextSize size{};
    image.GetTextExtent(row->name.c_str(), static_cast<int>(row->name.size()), size);
    DrawRml(image, EscapeMarkup(row->name), 332 - size.cx, 102);
    DrawRml(image, "<s5>TM", 333, 102);
    DrawRml(image, "</b>", 0, 0);

    CSurface* logo = LoadPicture(row->logo, CSurface::kFlagColorKeyed);
    auto* tile = new CGameTile(*this, logo, featuredIndex_, row->pace, false);
    if (logo != nullptr) logo->ReleaseInternalRef();
    tile->SetLoc(33, 129);
    page->AttachSurface(tile);
    const platform::Rect wrap{120, 132, 340, 238};
    DrawRml(image, row->description, 120, 132, &wrap);
}

void CFormPages::ScrollFeatured(bool backward) {
    if (config_.table == nullptr || form_ != Form::Home) return;
    featuredBackward_ = backward;
    shell_.PlayClick();
    featuredIndex_ = rows::StepFeatured(Facts(), featuredIndex_, backward);
    ShowFeaturedGame();
}
