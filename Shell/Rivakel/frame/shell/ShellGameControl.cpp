// Game control: the menu bar, launching, instructions, pause, back to game, and the questions
// asked before a game or the portal is left.
#include <array>
#include <cstdio>
#include <utility>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/Log.h"
#include "core/base/SupportAddress.h"
#include "core/base/Thunk.h"
#include "core/dialogs/ShellDialogs.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/Image.h"
#include "core/graphics/RolloverButton.h"
#include "core/graphics/SurfaceServices.h"
#include "core/graphics/VideoService.h"
#include "core/resources/ResourceModule.h"
#include "core/sound/CSubsystem_Sound.h"
#include "core/sound/Sound.h"
#include "core/store/UserStore.h"
#include "frame/api/IShellServices.h"
#include "frame/boundary/GameCall.h"
#include "frame/host/GameHost.h"
#include "frame/host/GameHost.h"
#include "frame/shell/Shell.h"

namespace {

std::string ShellString(uint32_t id) {
    std::array<char, 256> text{};
    if (const resources::ResourceModule* own = resources::ResourceModule::Own()) own->CopyString(id, text);
    return text.data();
}

CSubsystem_Clock* Clock() { return ClockService(); }
bool ClockPaused() { return Clock() != nullptr && Clock()->IsPaused(); }
void SetClockPaused(bool paused) {
    if (Clock() != nullptr) Clock()->SetPaused(paused);
}

bool ModalBoxUp() {
    const CSubsystem_Event* events = EventService();
    return events != nullptr && events->HasModalRect();
}

}  // namespace

// A game whose stop waits for its call to return is already leaving: it is neither asked about
// again nor offered a menu.
bool CShell::GameRunning() const {
    const CGameHost* host = GameHost();
    return host != nullptr && host->IsRunning() && !host->StopPending();
}

int CShell::SetMode(int mode) {
    mode_ = mode == kStopFreely || mode == kStopNever ? mode : kStopAsk;
    return 0;
}

void CShell::SetMenuFlags(int flags) {
    menuFlags_ = flags;
    BuildMenuBar();
}

int CShell::BuildMenuBar() {
    const int x = small_ ? 62 : 122;
    const int top = small_ ? 35 : 137;
    for (CSurface*& button : menuButtons_) {
        if (button != nullptr) frame_->DetachSurface(button);
        button = nullptr;
    }
    CImage& frame = *FrameImage();
    frame.SetCurColor(0, 0, 153);
    frame.FillRect(x - kMenuColumnLeft, top + 3, x + kMenuColumnRight, top + 405);

    if (!GameRunning()) return 0;
    if (ClockPaused() && !pageShown_) {
        menuButtons_[0] = MakeMenuBarButton(MenuCommand::BackToGame, "Back to Game", x, top, 0,
                                            Thunk<&CShell::OnMenuBack>);
        return 0;
    }
    struct Row {
        int flag;
        uint32_t label;
        MenuCommand command;
        EventCallback callback;
    };
    const bool paused = ClockPaused();
    const std::array<Row, 5> rows{{
        {kMenuEmailThis, 10010, MenuCommand::EmailThis, Thunk<&CShell::OnMenuEmail>},
        {kMenuNewGame, 10011, MenuCommand::NewGame, Thunk<&CShell::OnMenuNewGame>},
        {kMenuPause, paused ? 10013u : 10012u, paused ? MenuCommand::Resume : MenuCommand::Pause,
         Thunk<&CShell::OnMenuPause>},
        {kMenuHighScoresLabel, 10015, MenuCommand::EmailThis, nullptr},
        {kMenuInstructions, 10014, MenuCommand::Instructions, Thunk<&CShell::OnMenuInstructions>},
    }};
    int y = top;
    size_t slot = 0;
    for (const Row& row : rows) {
        if ((menuFlags_ & row.flag) == 0) continue;
        // The high-scores flag only keeps its place in the stack.
        if (row.callback != nullptr) {
            menuButtons_[slot] = MakeMenuBarButton(row.command, ShellString(row.label), x, y, currentGame_, row.callback);
        }
        ++slot;
        y += kMenuPitch;
    }
    return 0;
}

CSurface* CShell::MakeMenuBarButton(MenuCommand command, std::string_view label, int x, int y, intptr_t userValue,
                                    EventCallback callback) {
    if (config_.makeMenuButton) {
        return config_.makeMenuButton(MenuButtonRequest{command, label, frame_, x, y, userValue, this, callback});
    }
    struct Pictures {
        const char* normal;
        const char* hot;
    };
    static constexpr std::array<Pictures, 6> kPictures{{
        {"mail.gif", "mail_rollover.gif"},
        {"newgame.gif", "newgame_rollover.gif"},
        {"pause.gif", "pause_rollover.gif"},
        {"resume.gif", "resume_rollover.gif"},
        {"instructions.gif", "instructions_rollover.gif"},
        {"returntogame.gif", "returntogame_rollover.gif"},
    }};
    const Pictures& pictures = kPictures[static_cast<size_t>(command)];
    return MakeMenuButton(pictures.hot, pictures.normal, label, frame_, x, y, userValue, callback);
}

int CShell::OnMenuEmail() {
    // The page mails the game being played.
    if (!Closing()) ShowPage(page_name::kEmailThis, CurrentGame());
    return 1;
}

int CShell::OnMenuNewGame(intptr_t* record) {
    if (!Closing()) LaunchGame(static_cast<int>(record[2]));
    return 1;
}

int CShell::OnMenuPause() {
    if (!Closing()) TogglePause();
    return 1;
}

int CShell::OnMenuInstructions() {
    if (!Closing()) ShowInstructions();
    return 1;
}

int CShell::OnMenuBack() {
    if (!Closing()) BackToGame();
    return 1;
}

void CShell::LaunchGame(int index) {
    const std::optional<GameTableEntry> entry = config_.games->Entry(index);
    // An index no row has (a broken button, a command line naming no known game).
    if (!entry) {
        Warning("CShell::LaunchGame: no game %d", index);
        ShowPage(page_name::kGames);
        return;
    }
    if (!entry->installed) {
        ShowPage(page_name::kGetMore, index);
        return;
    }
    if (!ConfirmStopGame()) return;
    // Asked from inside a call into the old game (a later start while its box is up): the new
    // one starts once the old one has really stopped.
    if (const CGameHost* host = GameHost(); host != nullptr && host->StopPending()) {
        afterStop_ = [index] {
            if (CShell* shell = Shell()) shell->LaunchGame(index);
        };
        return;
    }

    ShowPageSurface(false);
    gameArea_->GetCurImage()->ClearToBackground();
    StopRunningGame();
    pageSurface_->DetachAll();
    gameArea_->DetachAll();
    currentGame_ = index;
    // A page shown over the old game paused the clock; the new game starts running.
    SetClockPaused(false);
    pageShown_ = false;
    StartGame(*entry);
    BuildMenuBar();
}

void CShell::StartGame(const GameTableEntry& entry) {
    CGameHost* host = GameHost();
    if (host == nullptr) return;
    if (pendingMessage_ && pendingGame_ != currentGame_) pendingMessage_.reset();
    messageStarted_ = pendingMessage_.has_value();
    const bool installed = config_.installed && config_.installed();
    const std::string named = config_.gameFile ? config_.gameFile() : std::string();
    std::string module = entry.module;
    std::string folder = entry.folder;
    if (!installed) {
        if (!named.empty()) module = named;
        if (config_.shellFolder && folder.empty()) folder = config_.shellFolder();
    }
    if (host->Start(module, folder) != kHostOk) {
        pendingMessage_.reset();
        messageStarted_ = false;
        GameNotFound(entry.name);
    }
}

std::string GameNotFoundText(std::string_view name) {
    char text[1024];
    std::snprintf(text, sizeof text,
                  "We're sorry, but the game \"%.*s\" can't be found.  Please write to %.*s and we will help you "
                  "get it back.",
                  static_cast<int>(std::min<size_t>(name.size(), 260)), name.data(),
                  static_cast<int>(kSupportAddress.size()), kSupportAddress.data());
    return text;
}

// The box names the game as its tile does; the old game has stopped, so the menu offers nothing.
void CShell::GameNotFound(std::string_view name) {
    currentGame_ = -1;
    BuildMenuBar();
    ShowMessageBox(kGameNotFoundCaption, GameNotFoundText(name), kMessageBoxExclamation | 1);
    ShowPage(page_name::kGames);
}

void CShell::StopRunningGame() {
    CGameHost* host = GameHost();
    if (host != nullptr && host->IsRunning()) host->Stop();
    if (host == nullptr || !host->StopPending()) {
        GameStopped();
        return;
    }
    // Game code is on the stack: the host stops the game once the outermost call has returned,
    // and only then is the game's state here dropped and what waited for the stop done.
    BuildMenuBar();
    RunOutsideGameCalls([] {
        if (CGameHost* waiting = GameHost()) waiting->Stop();
        if (CShell* shell = Shell()) shell->FinishDeferredStop();
    });
}

void CShell::FinishDeferredStop() {
    GameStopped();
    BuildMenuBar();
    if (std::function<void()> then = std::exchange(afterStop_, nullptr)) then();
}

void CShell::ShowInstructions() {
    if (Closing()) return;
    PlayClick();
    pageShown_ = true;
    pageSurface_->GetCurImage()->ClearToBackground();
    ReleasePageObjects();
    pageSurface_->DetachAll();
    if (CGameHost* host = GameHost()) host->NotifyApplet(kNotifyInstructions);
    SetClockPaused(true);
    BuildMenuBar();
    ShowPageSurface(true);
}

// Clears the page surface for the pause and back-to-game screens.
void CShell::ClearPage() {
    ReleasePageObjects();
    pageSurface_->GetCurImage()->ClearToColor(255, 153, 0);
    joinLogoTimer_->Stop();
    exitLogoTimer_->Stop();
    pageShown_ = true;
    pageSurface_->DetachAll();
}

void CShell::TogglePause() {
    PlayClick();
    const bool paused = !ClockPaused();
    SetClockPaused(paused);
    if (ModalBoxUp()) return;
    ClearPage();
    BuildMenuBar();
    if (paused) {
        const std::string resume = ShellString(10016);
        pageSurface_->GetCurImage()->DrawRML(resume.c_str(), 50, 185, nullptr, 0, nullptr);
        ShowPageSurface(true);
    } else {
        if (CSubsystem_Input* input = InputService()) input->FocusMainWindow(0);
        ShowPageSurface(false);
    }
}

void CShell::BackToGame() {
    PlayClick();
    exitPageShown_ = false;
    ClearPage();
    if (ClockPaused() && mode_ != kStopFreely) {
        const std::string resume = ShellString(10016);
        pageSurface_->GetCurImage()->DrawRML(resume.c_str(), 50, 185, nullptr, 0, nullptr);
        ShowPageSurface(true);
    } else {
        SetClockPaused(false);
        ShowPageSurface(false);
    }
    BuildMenuBar();
}

void CShell::PauseForLeaving() {
    if (GameRunning() && !ClockPaused() && !ModalBoxUp() && !Closing()) TogglePause();
}

void CShell::OnExitButton() {
    if (Closing()) return;
    const bool installed = config_.installed && config_.installed();
    if (!installed && !exitPageShown_) {
        ShowPage(page_name::kExit);
        exitPageShown_ = true;
        return;
    }
    PlayClick();
    if (!ConfirmExit()) return;
    if (CSubsystem_Video* video = CurrentSurfaceServices().video) video->Hide();
    if (CSubsystem_Sound* sound = SoundService(); sound != nullptr && sound->IsEnabled()) {
        if (CSound* close = sound->CreateSound("CloseShell.wav", 1)) {
            close->Play(1);
            close->ReleaseInternalRef();
        }
    }
    exitTimer_ = std::make_unique<CTimer>(this, kExitMs, Thunk<&CShell::OnExitTick>);
    exitTimer_->SetClock(TimerClock::Wall);
    exitTimer_->Start();
    if (config_.setInactiveTimer) config_.setInactiveTimer(exitTimer_.get());
}

int CShell::OnExitTick() {
    if (config_.stopSession) config_.stopSession();
    return 0;
}

bool CShell::ConfirmStopGame() {
    if (!GameRunning()) return true;
    if (mode_ == kStopNever) return false;
    if (mode_ == kStopFreely) return true;
    if (AskStopGameSaved() != 0) return false;
    StopRunningGame();
    return true;
}

bool CShell::ConfirmExit() {
    if (!GameRunning() || mode_ == kStopFreely) return true;
    if (mode_ == kStopNever) return false;
    return AskQuitSaved() == 0;
}

bool CShell::QueryClose() {
    if (config_.sessionStopping && config_.sessionStopping()) return true;
    const bool running = GameRunning();
    if (running && mode_ == kStopNever) return false;
    const bool installed = config_.installed && config_.installed();
    if (running && mode_ == kStopAsk && installed) return AskQuitSaved() == 0;
    if (installed) return true;
    switch (AskQuitNotSaved()) {
    case 2:
        if (config_.installShell) config_.installShell();
        if (CSubsystem_UserStore* store = UserStore()) store->SaveCore();
        return true;
    case 3:
        return true;
    default:
        return false;
    }
}
