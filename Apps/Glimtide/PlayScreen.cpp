#include "Apps/Glimtide/PlayScreen.h"

#include <cstdio>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Glimtide/TitleScreen.h"
#include "Apps/Glimtide/TopPlayers.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace glimtide {
namespace {

constexpr int kTickMs = 50;
constexpr int kPlayCityBottom = 340;
constexpr int kShowCityBottom = 420;
constexpr const char* kWatchTheShow = "<b><S2><Cffff00>Watch the show...</b>";

FireworksHooks SkyHooks(CGlimtideApplet& game) {
    return {[&game] { return game.Rand(); },
            [&game](int which) { game.Play(which == kSmallExplosion ? Sound::Explode1 : Sound::Explode2); }};
}

}  // namespace

CPlayScreen::CPlayScreen(CGlimtideApplet& owner, Level level)
    : CGlimtideScreen(owner),
      level_(level),
      showMode_(level == Level::Show),
      city_(showMode_ ? owner.Rand() % kCityCount : static_cast<int>(level)),
      sky_(owner.Colours(), SkyHooks(owner)),
      rules_(level, PickChoices(level, [&owner] { return owner.Rand(); }), [&owner] { return owner.Rand(); }) {
    const ModuleGlobals& globals = Globals();
    game.Play(Sound::GameStart);
    if (canvas != nullptr) canvas->ClearToColor(0, 0, 0);
    if (showMode_) sky_.Camera().SetDepthRange(3, 17000);
    sky_.SetPalette(LevelPalette(level));
    PlaceCity();

    if (showMode_) {
        LaunchShowRocket(0);
    } else {
        bar_ = std::make_unique<CIconBar>(game, rules_.Choices());
        if (ISurface* bar = bar_->Surface()) {
            barMove_.Reset(factory->AddListener(bar, applet::kMouseMove, this, Forward<&CPlayScreen::OnBarMove>));
            barUp_.Reset(factory->AddListener(bar, applet::kMouseUp, this, Forward<&CPlayScreen::OnBarUp>));
        }
        areaDown_.Reset(factory->AddListener(gameArea, applet::kMouseDown, this, Forward<&CPlayScreen::OnAreaDown>));
        areaMove_.Reset(factory->AddListener(gameArea, applet::kMouseMove, this, Forward<&CPlayScreen::OnAreaMove>));
        showAgain_ = AttachedSurface(gameArea, game.MakeTextButton(gameArea, "Show me Again", 200, 399, 1, 14, this,
                                                                   Forward<&CPlayScreen::OnShowAgain>));
        if (canvas != nullptr) {
            canvas->SetCurColor(0, 0, 0);
            canvas->FillRect(360, 0, 500, 420);
        }
        DrawStatus();
        globals.services->SetStopMode(kStopAsk);
        ShowIntro();
    }
    timer_.Reset(factory->CreateTimer(this, kTickMs, Forward<&CPlayScreen::OnTick>));
    if (timer_) timer_->Start();
    keys_.Reset(factory->AddListener(globals.services, applet::kKeyDown, this, Forward<&CPlayScreen::OnKey>));
}

CPlayScreen::~CPlayScreen() {
    // The bar's listeners go before the bar.
    barMove_.Reset();
    barUp_.Reset();
    bar_.reset();
    if (!keepCity_) game.ParkCity(city_);
}

void CPlayScreen::PlaceCity() {
    ISurface* city = game.City(city_);
    if (city == nullptr) return;
    int width = 0, height = 0;
    city->GetSize(&width, &height);
    city->SetLoc(0, (showMode_ ? kShowCityBottom : kPlayCityBottom) - height, nullptr);
}

void CPlayScreen::LaunchRocket(float x, Rgb colour, RocketKind kind, bool whistle) {
    game.Play(whistle ? Sound::Fire1 : Sound::Fire2);
    const float lift = showMode_ ? 3.0f : 0.0f;
    const Vec3 velocity{sky_.RandomSigned() * 8, (sky_.RandomSigned() + 1) * 3 + 15 + lift, 0};
    SparkStart start{{x, showMode_ ? -280.0f : -230.0f, 0}, velocity, {255, 255, 255}, 0, 2, 5};
    const RocketBurst burst{kind, true, colour, false};
    const bool trail = sky_.Rand() % 2 == 1;
    start.life = static_cast<float>(sky_.Rand() % 20 + 100);
    if (trail)
        sky_.Add<TrailRocket>(start, burst, sky_.Now());
    else
        sky_.Add<Rocket>(start, burst);
}

void CPlayScreen::Launch(int choice) {
    const Choice& c = rules_.Choices()[static_cast<size_t>(choice)];
    LaunchRocket(static_cast<float>(choice), c.colour, c.kind, c.kind == RocketKind::SubRockets);
}

void CPlayScreen::LaunchShowRocket(float x) {
    const Rgb colour = sky_.RandomPaletteColour();
    // Kinds 0 and 2 burst alike; only 0 launches quietly.
    const int kind = game.Random().Next() % 3;
    LaunchRocket(x, colour, kind == 1 ? RocketKind::SubRockets : RocketKind::Ordinary, kind != 0);
}

int CPlayScreen::OnTick(intptr_t* args) {
    // A panel waiting for the player holds the sky still.
    if (state_ == State::TryAgain || state_ == State::LevelIntro) return 0;
    const int now = static_cast<int>(args[2]);
    sky_.BeginFrame(canvas);
    sky_.Update(now);
    if (showMode_) {
        if (now >= showNextLaunchMs_) {
            showNextLaunchMs_ = now + game.Rand() % 2000 + 1500;
            LaunchShowRocket(static_cast<float>(game.Rand() % 250 - 124));
        }
    } else {
        const CMemoryGame::TickEvents events = rules_.Tick(now, sky_.Points().Count());
        if (events.yourTurn) {
            char text[80];
            std::snprintf(text, sizeof text,
                          rules_.Fireworks() == 1 ? "<S2><b><Cffff00>Your turn now: %d rocket.</b>"
                                                  : "<S2><b><Cffff00>Your turn now: %d rockets.</b>",
                          rules_.Fireworks());
            WriteStatusText(text);
        }
        if (events.cheer) game.Play(Sound::GoodSequence);
        if (events.showStarted) WriteStatusText(kWatchTheShow);
        if (events.launch >= 0) Launch(events.launch);
    }
    sky_.EndFrame(canvas);
    return 0;
}

int CPlayScreen::OnBarMove(intptr_t* args) {
    if (bar_ == nullptr || rules_.Showing() || panel_ != nullptr) return 1;
    const int choice = bar_->ChoiceAt(static_cast<int>(args[2]), static_cast<int>(args[3]));
    bar_->Highlight(rules_.Position() < rules_.Fireworks() ? choice : -1);
    return 1;
}

int CPlayScreen::OnAreaMove(intptr_t*) {
    if (bar_ != nullptr) bar_->Highlight(-1);
    return 1;
}

int CPlayScreen::OnBarUp(intptr_t* args) {
    // A press that began on the bar reaches it again when released elsewhere: only a release on
    // the bar picks an icon.
    if (state_ == State::GameOver || bar_ == nullptr) return 1;
    const int x = static_cast<int>(args[2]), y = static_cast<int>(args[3]);
    if (x < 0 || x >= CIconBar::kWidth || y < 0 || y >= CIconBar::kHeight) return 1;
    if (state_ == State::TryAgain || state_ == State::LevelIntro) {
        ClosePanel();
        state_ = State::Playing;
        StartShow();
    }
    const int choice = bar_->ChoiceAt(x, y);
    const CMemoryGame::ClickOutcome outcome = rules_.Click(choice);
    if (outcome == CMemoryGame::ClickOutcome::Ignored) return 1;
    Launch(choice);
    switch (outcome) {
        case CMemoryGame::ClickOutcome::StageWon:
            game.Play(Sound::BeepBeep);
            WriteStatusText("<S2><b><Cffff00>Congratulations!</b>");
            break;
        case CMemoryGame::ClickOutcome::Mistake:
            DrawStatus();
            game.Play(Sound::Mistake);
            ShowTryAgain();
            break;
        case CMemoryGame::ClickOutcome::GameOver:
        case CMemoryGame::ClickOutcome::AllRepeated:
            DrawStatus();
            EndGame();
            break;
        default:
            break;
    }
    return 1;
}

int CPlayScreen::OnAreaDown(intptr_t*) {
    if (state_ == State::TryAgain || state_ == State::LevelIntro) ResumeFromPanel();
    return 1;
}

int CPlayScreen::OnPanelUp(intptr_t*) {
    if (state_ == State::TryAgain || state_ == State::LevelIntro) ResumeFromPanel();
    return 0;
}

int CPlayScreen::OnKey(intptr_t* args) {
    // Keys arrive as virtual keys: letters in upper case only.
    const int key = static_cast<int>(args[2]);
    if (state_ == State::GameOver) {
        if (key == 'Y')
            PlayAgain();
        else if (key == 'N')
            BackToTitle();
    } else if (state_ == State::TryAgain || state_ == State::LevelIntro) {
        ResumeFromPanel();
    }
    return 0;
}

int CPlayScreen::OnShowAgain(intptr_t*) {
    if (state_ == State::TryAgain || state_ == State::LevelIntro) {
        ResumeFromPanel();
    } else if (state_ != State::GameOver && rules_.ShowAgain()) {
        sky_.DeleteAll();
        WriteStatusText(kWatchTheShow);
        DrawStatus();
    }
    return 0;
}

int CPlayScreen::OnAnswer(intptr_t* args) {
    if (args[2] == 0)
        PlayAgain();
    else
        BackToTitle();
    return 0;
}

void CPlayScreen::StartShow() {
    rules_.StartShow();
    WriteStatusText(kWatchTheShow);
}

void CPlayScreen::WriteStatusText(const char* markup) {
    if (canvas == nullptr) return;
    canvas->SetCurColor(0, 0, 0);
    canvas->FillRect(0, 400, 250, 420);
    DrawMarkupText(canvas, markup, 3, 399);
}

void CPlayScreen::DrawStatus() {
    if (canvas == nullptr || showMode_) return;
    canvas->SetCurColor(0, 0, 0);
    canvas->FillRect(310, 392, 500, 420);
    char left[64];
    std::snprintf(left, sizeof left, "<s3><b><cffff00>(%d Left)</b>", rules_.Replays());
    canvas->DrawRML(left, 313, 400);
    canvas->DrawRML("<s2><cffff00><b>Tries:</b>", 400, 400);
    if (IImage* dynamite = game.GetPicture(Picture::Dynamite))
        for (int i = 0; i < rules_.Tries(); ++i) canvas->DrawAt(dynamite, 440 + 17 * i, 392);
}

void CPlayScreen::ClosePanel() { panel_.reset(); }

void CPlayScreen::ResumeFromPanel() {
    ClosePanel();
    sky_.DeleteAll();
    state_ = State::Playing;
    StartShow();
}

void CPlayScreen::EndGame() {
    const ModuleGlobals& globals = Globals();
    const int count = rules_.Fireworks();
    if (IsNewBest(count, StoredBest(*globals.settings, level_))) {
        game.Play(Sound::HighScore);
        EnterBest(*globals.services, *globals.settings, level_, count);
        newHighScore_ = true;
    }
    ShowGameOver();
    game.Play(Sound::GameOver);
}

void CPlayScreen::PlayAgain() {
    keepCity_ = true;
    game.SetScreen(this, new CPlayScreen(game, level_));
}

void CPlayScreen::BackToTitle() { game.SetScreen(this, new CTitleScreen(game)); }

}  // namespace glimtide
