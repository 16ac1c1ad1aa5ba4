// The Join and Exit pages: the newsletter's subscription form beside a logo of our games that
// changes every one and a half seconds.
#include <string>

#include "core/base/Timer.h"
#include "core/graphics/EditField.h"
#include "core/graphics/HyperLink.h"
#include "core/graphics/Image.h"
#include "core/outbox/OutboxMessage.h"
#include "frame/games/FramedBox.h"
#include "frame/pages/FormDrawing.h"
#include "frame/pages/FormPages.h"
#include "frame/pages/FormRules.h"
#include "frame/shell/Shell.h"
#include "frame/shell/ShellPictures.h"

namespace {

int OnLink(intptr_t* record) {
    reinterpret_cast<CShell*>(record[0])->OnHyperLink(static_cast<int>(record[2]));
    return 1;
}

int OnExitNow(intptr_t* record) {
    reinterpret_cast<CShell*>(record[0])->OnExitButton();
    return 1;
}

struct TextAt {
    const char* rml;
    int x, y;
};

// Lines at x 0 are centred across the page.
constexpr TextAt kExitTexts[] = {
    {"<S1><C000000><b>We're sad to see you go...</b>", 45, 70},
    {"<S1><C000000><b>... but we'd like to see you more often!</b>", 125, 93},
    {"<S2><C000000><b><C>Want to get new games every couple of weeks?</b></C>", 0, 130},
    {"<S3><C000000><C>Why not join the world's coolest e-mail game service and</C>", 0, 150},
    {"<S3><C000000><C>get every Rivakel game as soon as it is released?</C>", 0, 165},
    {"<S3><C000000><b>Step 1. Enter your e-mail.</b>", 180, 242},
    {"<S3><C000000><b>Step 2. Click on the \"Subscribe\" button.</b>", 180, 262},
    {"<S3><C000000><b>Step 3. Enjoy your games!</b>", 180, 282},
    {"<S4><c000000>Our Games:", 93, 225},
    {"<S3><C000000><C>Like why I should join, who are you guys,</c>", 0, 381},
    {"<S3><C000000><C>what will I get, and all those other questions I have.</c>", 0, 396},
};

// The message box of each page: where it is cleared, refilled, and in what colour.
struct MessageBox {
    platform::Rect clear;
    platform::Rect refill;
    uint32_t colour;
    int checkTop;    // where a check's message starts
    int sendingTop;  // where "Contacting Server..." starts
    platform::Point title, body;
    uint32_t duplicateBody, successBody;
};

constexpr MessageBox kJoinBox{{32, 120, 350, 210}, {32, 120, 350, 210}, 0xFFCC66, 130, 130, {32, 128}, {32, 146},
                              2308, 2310};
constexpr MessageBox kExitBox{{180, 230, 405, 308}, {180, 227, 405, 308}, 0xFFFFFF, 240, 230, {180, 227}, {180, 245},
                              2312, 2313};

}  // namespace

void CFormPages::ShowJoin(CSurface& page) {
    shell_.PlayClick();
    BeginPage(Form::Join);
    CImage& image = *page.GetCurImage();
    DrawMascotAndSettings(shell_, image);
    DrawFramedBox(image, {20, 100, 342, 157, "txt-get_great_games_for_free-168x14.gif", false, true});
    FillArea(image, 32, 138, 116, 202, 0x000000);
    emailField_ = MakeField(page, {93, 223, 212, 244}, 93, 225, 120, 20, true);
    shell_.MakeImageButton("btn-txt-subscribe-78x24.gif", 218, 222, reinterpret_cast<intptr_t>(this),
                           Command<&CFormPages::OnSubscribeClicked>);
    DrawRml(image, "<s4><c000000>Enter your e-mail:", 92, 208);
    shell_.JoinLogoTimer()->Start();
    DrawLogo();
    const platform::Rect pitch{120, 134, 355, 244};
    DrawRml(image,
            "<S3><C000000>Want to get fresh games every couple of weeks?  Then join the legions of satisfied Rivakel "
            "users who subscribe to our newsletter.",
            120, 134, &pitch);
    DrawRml(image, "<S4><c000000>Our Games:", 33, 125);
    if (config_.installed && config_.installed()) {
        const platform::Rect wrap{44, 285, 270, 340};
        DrawRml(image,
                "<S4><c000000>Rivakel is installed on your machine and can be launched from the icon on your desktop",
                44, 285, &wrap);
    } else {
        shell_.DrawPageImage("txt-keep_rivakel_on_your_desktop-198x14.gif", 48, 267);
        const platform::Rect wrap{44, 285, 260, 325};
        DrawRml(image,
                "<S4><C000000>Play Rivakel games even when you're not connected to the internet, keep high scores and "
                "make your own personal spot for games.",
                44, 285, &wrap);
        shell_.MakeImageButton("btn-txt-install-78x24.gif", 105, 331, reinterpret_cast<intptr_t>(this),
                               Command<&CFormPages::OnJoinInstall>);
    }
    emailField_->SetFocus();
}

void CFormPages::OnJoinInstall() {
    if (config_.installShell) config_.installShell();
    shell_.ShowPage(page_name::kJoin);
}

void CFormPages::ShowExit(CSurface& page) {
    shell_.PlayClick();
    BeginPage(Form::Exit);
    shell_.SetExitPageShown(true);
    CImage& image = *page.GetCurImage();
    DrawFramedBox(image, {75, 200, 340, 158, "txt-get_great_games_for_free-168x14.gif", false, false});
    FillArea(image, 87, 238, 171, 302, 0x000000);
    emailField_ = MakeField(page, {119, 323, 288, 345}, 119, 326, 170, 20, true);
    shell_.MakeImageButton("btn-txt-exit_now-100x24.gif", 384, 15, 0, OnExitNow);
    shell_.MakeImageButton("btn-txt-subscribe-78x24.gif", 295, 322, reinterpret_cast<intptr_t>(this),
                           Command<&CFormPages::OnSubscribeClicked>);
    DrawRml(image, "<s4><c000000>Enter your e-mail:", 118, 308);
    shell_.ExitLogoTimer()->Start();
    DrawLogo();
    int width = 0, height = 0;
    image.GetSize(width, height);
    const platform::Rect across{0, 0, width, height};
    for (const TextAt& text : kExitTexts) DrawRml(image, text.rml, text.x, text.y, &across);
    CHyperLinkFactory links(&page, &shell_, OnLink);
    image.DrawRML("<B><c000000><S2><A20001>Tell me more about Rivakel</a></b>", 150, 365, nullptr, 0, &links);
    emailField_->SetFocus();
}

void CFormPages::OnSubscribeClicked() {
    shell_.PlayClick();
    OnSubscribe();
}

void CFormPages::OnSubscribe() {
    if (emailField_ == nullptr || (form_ != Form::Join && form_ != Form::Exit)) return;
    const bool join = form_ == Form::Join;
    (join ? shell_.JoinLogoTimer() : shell_.ExitLogoTimer())->Stop();
    const std::string address = forms::CommasToSemicolons(emailField_->Text());
    const MessageBox& box = join ? kJoinBox : kExitBox;
    CImage& image = *Page()->GetCurImage();
    FillArea(image, box.clear.left, box.clear.top, box.clear.right, box.clear.bottom, box.colour);
    if (const int problem = forms::CheckAddress(address)) {
        ShowMessage(image, problem, box.clear.left, box.checkTop, box.clear);
    } else {
        ShowMessage(image, forms::kContacting, box.clear.left, box.sendingTop, box.clear);
        if (!(config_.installed && config_.installed())) {
            if (config_.installShell) config_.installShell();
            if (config_.saveStore) config_.saveStore();
        }
        CEditField* field = emailField_;
        Send(kMsgSubscribe, "GetUserGUID", address, 11);
        // The result may have been shown already; the page may even be gone.
        if (emailField_ != field) return;
    }
    emailField_->SetFocus();
}

void CFormPages::ShowSubscribeResult(int status) {
    const MessageBox& box = form_ == Form::Join ? kJoinBox : kExitBox;
    CImage& image = *Page()->GetCurImage();
    FillArea(image, box.refill.left, box.refill.top, box.refill.right, box.refill.bottom, box.colour);
    switch (forms::ReplyOutcome(status, true)) {
    case forms::Outcome::Success:
        shown_ = DrawTitleAndBody(image, 2309, box.title, box.successBody, box.body, box.refill);
        break;
    case forms::Outcome::Duplicate:
        shown_ = DrawTitleAndBody(image, 2307, box.title, box.duplicateBody, box.body, box.refill);
        break;
    case forms::Outcome::NoConnection:
        shown_ = DrawTitleAndBody(image, 2305, box.title, 2306, box.body, box.refill);
        break;
    case forms::Outcome::Nothing:
        break;
    }
    if (emailField_ != nullptr) emailField_->SetFocus();
}

void CFormPages::RotateLogo() {
    if (form_ != Form::Join && form_ != Form::Exit) return;
    logoIndex_ = rows::NextLogo(Facts(), logoIndex_, config_.table != nullptr && config_.table->HidesPlimsey());
    DrawLogo();
}

void CFormPages::DrawLogo() {
    const GameRecord* row = config_.table != nullptr ? config_.table->Row(logoIndex_) : nullptr;
    if (row == nullptr || Page() == nullptr) return;
    CSurface* logo = LoadPicture(row->logo, CSurface::kFlagColorKeyed);
    if (logo == nullptr) return;
    const bool join = form_ == Form::Join;
    Page()->GetCurImage()->DrawAt(*logo->GetCurImage(), join ? 34 : 89, join ? 140 : 240, 0);
    logo->ReleaseInternalRef();
}
