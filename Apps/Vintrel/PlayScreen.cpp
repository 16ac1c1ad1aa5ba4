#include "Apps/Vintrel/PlayScreen.h"

#include <algorithm>
#include <string>

#include "Apps/Common/DrawMarkupTextF.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Vintrel/TitleScreen.h"
#include "Apps/Vintrel/TopVintrels.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ITimer.h"

namespace vintrel {
namespace {

constexpr int kTickMs = 20;
constexpr int kHeld = 0x80;
// The shell's own codes of the arrow keys.
constexpr int kShellLeft = 6, kShellRight = 7, kShellUp = 8, kShellDown = 9;
constexpr int kSpace = 32;
constexpr int kYes[] = {'Y', 'y'};
constexpr int kNo[] = {'N', 'n'};
enum PanelButton { kYesButton = 1, kNoButton = 2 };

constexpr int kPanelLeft = 155, kPanelTop = 160;
constexpr int kScoreCentreX = 457;
constexpr int kSizeCentreX = 457, kSizeTop = 27;

PanelStyle VintrelPanelStyle() {
    PanelStyle style;
    style.fill = 0x99CCFF;
    style.frame = 0x006363;
    style.button = CVintrelApplet::ButtonStyle(ButtonLook::Panel);
    return style;
}

bool IsOneOf(int key, const int (&keys)[2]) { return key == keys[0] || key == keys[1]; }

}  // namespace

CPlayScreen::CPlayScreen(CVintrelApplet& owner)
    : CVintrelScreen(owner), pond_([&owner] { return owner.Rand(); }, owner.immune), view_(owner, *factory, *gameArea) {
    const ModuleGlobals& globals = Globals();
    if (canvas != nullptr) {
        if (IImage* pond = game.PondPicture()) canvas->DrawAt(pond, 0, 0);
        if (IImage* plaques = game.Plaques()) canvas->DrawAt(plaques, 0, 0);
    }
    view_.ShowPlayer(pond_.Player());
    DrawLives();
    DrawScore();
    DrawSize();
    keys_.Reset(factory->AddListener(globals.services, applet::kKeyDown, this, Forward<&CPlayScreen::OnKey>));
    timer_.Reset(factory->CreateTimer(this, kTickMs, Forward<&CPlayScreen::OnTick>));
    if (timer_) timer_->Start();
    globals.services->SetStopMode(kStopAsk);
}

// The sprites go before the sequences they were built on, which the applet keeps.
CPlayScreen::~CPlayScreen() {
    timer_.Reset();
    panel_.reset();
    view_.Clear();
}

HeldArrows CPlayScreen::PollKeys() const {
    IShellServices* services = Globals().services;
    const auto held = [services](int key) { return (services->IsKeyDown(key) & kHeld) != 0; };
    return {held(kShellLeft), held(kShellRight), held(kShellUp), held(kShellDown)};
}

int CPlayScreen::OnTick(intptr_t* args) {
    now_ = static_cast<int64_t>(args[2]);
    const std::vector<PondNews> news = pond_.Tick(now_, PollKeys());
    view_.ShowBaddies(pond_.Baddies());
    view_.ShowPlayer(pond_.Player());
    view_.ShowAngel(pond_.GetAngel());
    Announce(news);
    return 0;
}

void CPlayScreen::Announce(const std::vector<PondNews>& news) {
    for (const PondNews item : news) {
        switch (item) {
            case PondNews::SplashBigger: game.Play(Sound::NewBaddieBad); break;
            case PondNews::SplashSmaller: game.Play(Sound::NewBaddieGood); break;
            case PondNews::Ate:
                game.Play(Sound::Eats);
                DrawScore();
                break;
            case PondNews::Grew:
                game.Play(Sound::Growth);
                DrawSize();
                break;
            case PondNews::ExtraLife:
                game.Play(Sound::ExtraLife);
                DrawLives();
                break;
            case PondNews::LifeLost:
                game.Play(Sound::LoseLife);
                DrawLives();
                break;
            case PondNews::LastLifeLost:
                DrawLives();
                if (!EnterHighScore(*Globals().services, *Globals().settings, pond_.Score(),
                                    [this] { game.Play(Sound::GameOverHighScore); }))
                    game.Play(Sound::GameOver);
                break;
            case PondNews::OpenContinuePanel: OpenContinuePanel(); break;
            case PondNews::OpenPlayAgainPanel: OpenPlayAgainPanel(); break;
            case PondNews::AngelGone: view_.ShowAngel(nullptr); break;
            case PondNews::Ambient: game.Play(Sound::Ambient); break;
        }
    }
}

void CPlayScreen::OpenContinuePanel() {
    const int more = pond_.SpareLives() + 1;
    const std::string count = "<s3><c333399><b>That's ok, you have " + std::to_string(more) + " more";
    const std::vector<PanelLine> lines = {
        {11, 21, "<s3><c333399><b>Hmm... When we said \"Eat or"},
        {11, 36, "<s3><c333399><b>be eaten\" we really meant you"},
        {11, 51, "<s3><c333399><b>should do the eating, you know?"},
        {11, 81, count},
        {11, 96, pond_.SpareLives() == 0 ? "<s3><c333399><b>life left..." : "<s3><c333399><b>lives left..."},
        {5, 126, "<C000000>Press the space bar to continue..."},
    };
    panel_ = std::make_unique<CMessagePanel>(game, kPanelLeft, kPanelTop, 360 - kPanelLeft, 320 - kPanelTop,
                                             VintrelPanelStyle(), lines, this, Forward<&CPlayScreen::OnPanelUp>);
}

void CPlayScreen::OpenPlayAgainPanel() {
    const std::vector<PanelLine> lines = {
        {11, 21, "<s3><c333399><b>That was good.  Unfortunately"},
        {11, 36, "<s3><c333399><b>that was also all the lives"},
        {11, 51, "<s3><c333399><b>for this little vintrel."},
        {11, 81, "<s3><c333399><b><c>Play Again?</c>"},
    };
    panel_ = std::make_unique<CMessagePanel>(game, kPanelLeft, kPanelTop, 355 - kPanelLeft, 290 - kPanelTop,
                                             VintrelPanelStyle(), lines, this, Forward<&CPlayScreen::OnPanelUp>);
    panel_->AddButton("Yes (Y)", 27, 107, kYesButton, this, Forward<&CPlayScreen::OnYesNo>);
    panel_->AddButton("No (N)", 127, 107, kNoButton, this, Forward<&CPlayScreen::OnYesNo>);
}

int CPlayScreen::OnPanelUp(intptr_t*) { return 0; }

int CPlayScreen::OnKey(intptr_t* args) {
    const int key = static_cast<int>(args[2]);
    switch (pond_.Phase()) {
        case PondPhase::AskingPlayAgain:
            if (IsOneOf(key, kYes)) return game.SetScreen(this, new CPlayScreen(game));
            if (IsOneOf(key, kNo)) return game.SetScreen(this, MakeTitleScreen(game));
            break;
        case PondPhase::AskingContinue:
            if (key != kSpace) break;
            panel_.reset();
            pond_.Continue(now_);
            view_.ShowBaddies(pond_.Baddies());
            view_.ShowAngel(nullptr);
            DrawLives();
            break;
        case PondPhase::Playing: break;
    }
    return 0;
}

int CPlayScreen::OnYesNo(intptr_t* args) {
    if (pond_.Phase() != PondPhase::AskingPlayAgain) return 0;
    if (static_cast<int>(args[2]) == kYesButton) return game.SetScreen(this, new CPlayScreen(game));
    return game.SetScreen(this, MakeTitleScreen(game));
}

void CPlayScreen::DrawLives() {
    if (canvas == nullptr) return;
    canvas->SetCurColor(255, 153, 51);
    canvas->FillRect(57, 7, 78, 32);
    DrawMarkupTextF(canvas, 53, 4, "<s0><ccc3399><b>%d</b>", std::max(0, pond_.SpareLives() + 1));
}

void CPlayScreen::DrawScore() {
    if (canvas == nullptr) return;
    canvas->SetCurColor(255, 153, 51);
    canvas->FillRect(425, 390, 500, 420);
    const std::string text = std::to_string(pond_.Score());
    const ShellRef<IFont> font(factory->CreateFont("Arial", 24, kFontStyleBold));
    int extent[2] = {0, 0};
    canvas->GetTextExtent(font.Get(), text.c_str(), static_cast<int>(text.size()), extent);
    canvas->SetFont(font.Get());
    canvas->SetTextColor(204, 51, 153);
    canvas->DrawText(text.c_str(), static_cast<int>(text.size()), kScoreCentreX - extent[0] / 2, 390);
}

void CPlayScreen::DrawSize() {
    if (canvas == nullptr) return;
    canvas->SetCurColor(0, 0, 0);
    canvas->FillRect(429, 23, 500, 78);
    IImageSeq* blob = game.Blob(BlobKind::Player, false, pond_.Player().Size());
    ShellRef<IImage> frame;
    if (blob != nullptr) blob->GetImage(0, frame.Out());
    if (!frame) return;
    const int width = pond_.Player().Width();
    canvas->DrawAt(frame.Get(), kSizeCentreX - width / 2, kSizeTop);
}

}  // namespace vintrel
