#include "Apps/Aurelsk/PlayScreen.h"

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Aurelsk/TitleScreen.h"
#include "Apps/Aurelsk/TopDivers.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IAnim.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace aurelsk {
namespace {

constexpr int kTickMs = 33;
constexpr int kSpace = 32;
// The shell's own codes of the arrow keys, with the held-key bit each one steers by.
struct ArrowKey {
    int shellKey;
    int bit;
};
constexpr ArrowKey kArrows[] = {{7, kKeyRight}, {6, kKeyLeft}, {8, kKeyUp}, {9, kKeyDown}};
constexpr int kHeld = 0x80;

constexpr int kGameOverX = 150, kGameOverStartY = 495, kRiseStep = 5, kRiseHeight = 300;
enum EndChoice { kTryAgain = 0, kQuit = 1 };

// The open sea with the floor the treasure settles on; the status bar goes over its top.
IImage* DrawSea(const CAurelskApplet& game, IImage* canvas) {
    if (canvas == nullptr) return nullptr;
    canvas->ClearToColor(0, 102, 255);
    if (IImage* bottom = game.GetPicture(Picture::OceanBottom)) canvas->DrawAt(bottom, 0, 360);
    if (IImage* seabed = game.GetPicture(Picture::Seabed)) canvas->DrawAt(seabed, 0, 380);
    return canvas;
}

}  // namespace

CPlayScreen::CPlayScreen(CAurelskApplet& owner)
    : CAurelskScreen(owner),
      world_([&owner] { return owner.Rand(); }),
      view_(owner, *factory, *gameArea),
      status_(owner, *factory, *gameArea, DrawSea(owner, canvas)) {
    const ModuleGlobals& globals = Globals();
    view_.KeepInFront(status_.Plate());
    status_.Show(world_);
    view_.Show(world_, 0);
    for (int i = 0; i < 3; ++i) game.Play(Sound::GameStart);
    keys_.Reset(factory->AddListener(globals.services, applet::kKeyDown, this, Forward<&CPlayScreen::OnKey>));
    timer_.Reset(factory->CreateTimer(this, kTickMs, Forward<&CPlayScreen::OnTick>));
    if (timer_) timer_->Start();
    globals.services->SetStopMode(kStopAsk);
}

// The sprites go before the sequences they were built on, which the applet keeps.
CPlayScreen::~CPlayScreen() {
    timer_.Reset();
    riseTimer_.Reset();
    view_.Clear();
}

int CPlayScreen::PollKeys() {
    IShellServices* services = Globals().services;
    int mask = 0;
    for (const ArrowKey& arrow : kArrows)
        if (services->IsKeyDown(arrow.shellKey) & kHeld) mask |= arrow.bit;
    return mask;
}

int CPlayScreen::OnTick(intptr_t* args) {
    if (over_) return 0;
    now_ = static_cast<int>(args[2]);
    const int mask = world_.IsDying() ? 0 : PollKeys();
    const TickResult result = world_.Tick(now_, mask);
    Announce(world_.TakeEvents());
    view_.Show(world_, now_);
    status_.Show(world_);
    if (result == TickResult::GameOver) StartGameOver();
    return 0;
}

int CPlayScreen::OnKey(intptr_t* args) {
    if (!over_ && static_cast<int>(args[2]) == kSpace) world_.FireTorpedo(now_);
    return 0;
}

void CPlayScreen::Announce(const std::vector<SeaEvent>& events) {
    for (const SeaEvent& event : events) {
        switch (event.kind) {
        case SeaEventKind::OxygenAlarm: game.Play(Sound::Emerge); break;
        case SeaEventKind::Explosion: game.Play(Sound::Explosion); break;
        case SeaEventKind::TorpedoFired: game.Play(Sound::Torpedo); break;
        case SeaEventKind::TreasureTaken: game.Play(Sound::TreasurePickup); break;
        case SeaEventKind::ExtraLife: game.Play(Sound::FreeLife); break;
        case SeaEventKind::PirateDamaged:
            game.Play(Sound::Explosion);
            view_.Blast(event.x, event.y, now_);
            break;
        }
    }
}

void CPlayScreen::StartGameOver() {
    over_ = true;
    if (timer_) timer_->Stop();
    if (IImage* picture = game.GetPicture(Picture::GameOver)) {
        const ShellRef<IImageSeq> sequence(factory->CreateImageSeqFromImage(picture));
        const ShellRef<IAnim> anim(sequence ? factory->CreateAnim(sequence.Get()) : nullptr);
        if (ISurface* surface = anim ? factory->CreateSurfaceFromAnim(anim.Get(), kSurfaceColourKeyed) : nullptr) {
            surface->SetLoc(kGameOverX, kGameOverStartY, nullptr);
            gameArea->AttachSurface(surface);
            gameOver_ = AttachedSurface(gameArea, surface);
        }
    }
    riseTimer_.Reset(factory->CreateTimer(this, kTickMs, Forward<&CPlayScreen::OnRise>));
    if (riseTimer_) riseTimer_->Start();
}

int CPlayScreen::OnRise(intptr_t*) {
    if (risen_ >= kRiseHeight) return 0;
    risen_ += kRiseStep;
    if (gameOver_) gameOver_->SetLoc(kGameOverX, kGameOverStartY - risen_, nullptr);
    if (risen_ >= kRiseHeight) EndRise();
    return 0;
}

void CPlayScreen::EndRise() {
    riseTimer_->Stop();
    const ModuleGlobals& globals = Globals();
    EnterHighScore(*globals.services, *globals.settings, world_.Score());
    view_.Clear();
    tryAgain_ = AttachedSurface(gameArea, game.MakeTextButton(gameArea, "Try Again?", 156, 322, kTryAgain, 14, this,
                                                              Forward<&CPlayScreen::OnEndButton>));
    quit_ = AttachedSurface(gameArea, game.MakeTextButton(gameArea, "Quit?", 296, 322, kQuit, 14, this,
                                                          Forward<&CPlayScreen::OnEndButton>));
}

int CPlayScreen::OnEndButton(intptr_t* args) {
    if (static_cast<int>(args[2]) == kTryAgain)
        game.SetScreen(this, new CPlayScreen(game));
    else
        game.SetScreen(this, MakeTitleScreen(game));
    return 0;
}

}  // namespace aurelsk
