#include "frame/shell/Shell.h"

#include <algorithm>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/Log.h"
#include "core/base/Thunk.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Image.h"
#include "core/graphics/RolloverButton.h"
#include "core/graphics/SurfaceServices.h"
#include "core/graphics/VideoService.h"
#include "core/resources/ResourceModule.h"
#include "core/sound/CSubsystem_Sound.h"
#include "core/sound/Sound.h"
#include "core/store/UserStore.h"
#include "core/text/CSubsystem_Cursor.h"
#include "frame/host/GameHost.h"
#include "frame/shell/DevDialog.h"
#include "frame/shell/ShellPictures.h"

namespace {

std::unique_ptr<CShell> g_shell;

constexpr int kVersionLength = 14;

template <typename F>
auto CallOr(const F& hook, decltype(hook()) fallback) {
    return hook ? hook() : fallback;
}

}  // namespace

CShell::CShell(ShellConfig config) : CSurface(config.windowWidth, config.windowHeight, 0), config_(std::move(config)) {
    if (!IsValid() || GetCurImage() == nullptr) MemoryError("Out of memory in CShell::SetSkin");
    CurrentSurfaceServices().windowRoot = this;
    if (!config_.games) config_.games = MakeDevGameTable();
    // 1. Version, user, stop mode, session identifier.
    std::array<char, kVersionLength + 1> versionText{};
    if (const resources::ResourceModule* own = resources::ResourceModule::Own()) own->CopyString(1, versionText);
    if (!ParseVersionStamp(versionText.data(), version_)) Warning("CShell: the shell's version \"%s\" is not a stamp", versionText.data());
    mode_ = kStopAsk;
    CSubsystem_UserStore* store = UserStore();
    sessionGuid_ = store != nullptr && !store->ShellGuid().empty() ? store->ShellGuid() : kZeroGuid;

    // The background lies below everything and is never hit, so presses beside the frame reach
    // the window itself.
    backdrop_ = new CSurface(config_.windowWidth, config_.windowHeight, 0);
    backdrop_->SetNoHit(true);
    AttachSurface(backdrop_);
    small_ = config_.embedded || config_.windowWidth < kBigFrameWidth;
    frame_ = small_ ? new CSurface(config_.windowWidth, config_.windowHeight, 0)
                    : new CSurface(kBigFrameWidth, kBigFrameHeight, 0);
    const platform::Point origin = FrameOrigin();
    frame_->SetLoc(origin.x, origin.y);
    AttachSurface(frame_);

    // 2. The window of the event service and the key events' sender.
    if (CSubsystem_Event* events = EventService()) {
        events->SetRoot(this);
        events->SetShellSender(static_cast<CRefCounted*>(this));
    }
    if (store != nullptr) store->SelectUser();
    if (CGameHost* host = GameHost()) host->SetWindow(this);
    Repaint();

    // 3 to 6. Cardbacks, the named game's install, the game table.
    if (config_.loadCardbacks) config_.loadCardbacks();
    const std::string gameFile = CallOr(config_.gameFile, std::string());
    config_.games->ClearInstalled();
    if (!gameFile.empty() && CallOr(config_.installed, false) && config_.installGame) config_.installGame(gameFile);
    config_.games->FindInstalled();

    // 7.
    if (config_.registerPages) config_.registerPages(*this);
    SetSkin(config_.skinName, gameFile);
}

CShell::~CShell() {
    StopRunningGame();
    if (CGameHost* host = GameHost()) host->SetWindow(nullptr);
    answers_.clear();
    if (config_.setInactiveTimer) config_.setInactiveTimer(nullptr);
    repaintTimer_.reset();
    exitTimer_.reset();
    devDialogTimer_.reset();
    joinLogoTimer_.reset();
    exitLogoTimer_.reset();
    ReleaseSkin();
    ReleasePageObjects();
    for (CSound* sound : {clickSound_, popupSound_, openSound_}) {
        if (sound == nullptr) continue;
        if (CSubsystem_Sound* service = SoundService()) service->ForgetSound(sound);
        sound->ReleaseInternalRef();
    }
    if (CSubsystem_Event* events = EventService()) {
        if (events->Root() == this) events->SetRoot(nullptr);
        events->SetShellSender(nullptr);
        events->SetGameArea(nullptr);
        events->ClearModalRect();
    }
    DetachAll();
    if (CurrentSurfaceServices().windowRoot == this) CurrentSurfaceServices().windowRoot = nullptr;
}

void CShell::ReleaseSkin() {
    logoClick_.reset();
    for (ListenerPtr& listener : shellDrag_) listener.reset();
    for (ListenerPtr& listener : frameDrag_) listener.reset();
    for (CSurface*& trademark : {std::ref(trademark1_), std::ref(trademark2_)}) {
        if (trademark != nullptr) trademark->ReleaseInternalRef();
        trademark = nullptr;
    }
    for (CSurface*& button : menuButtons_) button = nullptr;
    // Everything but the backdrop and the frame: the buttons, logo, game area and page surface.
    frame_->DetachAll();
    const std::vector<CSurface*> children(Children().begin(), Children().end());
    for (CSurface* child : children) {
        if (child != backdrop_ && child != frame_) DetachSurface(child);
    }
    skinSurfaces_.clear();
    gameArea_ = nullptr;
    pageSurface_ = nullptr;
    logo_ = nullptr;
}

int CShell::SetSkin(std::string_view skinName, std::string_view gameFile) {
    // 1.
    ReleaseSkin();
    skinName_ = skinName;
    gameFile_ = gameFile;
    if (CSubsystem_Event* events = EventService()) events->SetGameArea(nullptr);

    // 2. The repaint runs on the wall clock, also while the window is inactive.
    repaintTimer_ = std::make_unique<CTimer>(this, kRepaintMs, Thunk<&CShell::OnRepaintTick>);
    repaintTimer_->SetClock(TimerClock::Wall);
    // In step with the animations, whose changes it presents.
    repaintTimer_->SetAligned(true);
    repaintTimer_->Start();
    if (config_.setInactiveTimer && !Closing()) config_.setInactiveTimer(repaintTimer_.get());
    joinLogoTimer_ = std::make_unique<CTimer>(&joinLogoAction_, kLogoMs, OnLogoTick);
    exitLogoTimer_ = std::make_unique<CTimer>(&exitLogoAction_, kLogoMs, OnLogoTick);
    joinLogoTimer_->SetClock(TimerClock::Wall);
    exitLogoTimer_->SetClock(TimerClock::Wall);

    // 3.
    backdrop_->GetCurImage()->ClearToColor(51, 51, 204);
    FrameImage()->ClearToColor(51, 51, 204);

    // 4 and 5. The small skin where the window is small; otherwise the big one, laid out for
    // 800 x 572 in its frame.
    if (small_) {
        LayOutSmall();
    } else {
        LayOutBig();
    }
    if (CSubsystem_Event* events = EventService()) events->SetGameArea(gameArea_);

    // 6.
    if (CSubsystem_Event* events = EventService()) {
        if (logo_ != nullptr) {
            logoClick_ = events->Listen(static_cast<const CSurface*>(logo_), kEventClick, this, Thunk<&CShell::OnLogoClick>);
        }
        if (!config_.embedded) {
            ListenForDrag(*this, shellDrag_, Thunk<&CShell::OnShellMouse>);
            ListenForDrag(*frame_, frameDrag_, Thunk<&CShell::OnFrameMouse>);
        }
    }

    // 7.
    menuFlags_ = 0;
    BuildMenuBar();
    trademark1_ = LoadPicture("img-tm.gif", CSurface::kFlagColorKeyed);
    trademark2_ = LoadPicture("img-tm2.gif", CSurface::kFlagColorKeyed);

    // 8.
    ShowFirstPage(gameFile);
    return 0;
}

void CShell::ShowFirstPage(std::string_view gameFile) {
    const bool devGame = gameFile.empty() && config_.games->Count() == 1 && std::getenv(kDevGameVariable) != nullptr;
    if (config_.startOnHomePage || (gameFile.empty() && !devGame)) {
        ShowPage(page_name::kHome);
        return;
    }
    ShowPage(page_name::kGames);
    LaunchGame(devGame ? 0 : config_.games->IndexOfFile(gameFile));
}

CImage* CShell::FrameImage() const { return frame_->GetCurImage(); }

platform::Point CShell::FrameOrigin() const {
    int width = 0, height = 0;
    frame_->GetSize(width, height);
    return {std::max(0, (config_.windowWidth - width) / 2), std::max(0, (config_.windowHeight - height) / 2)};
}

void CShell::Repaint() {
    CSubsystem_Video* video = CurrentSurfaceServices().video;
    CImage* image = GetCurImage();
    if (video == nullptr || image == nullptr || !video->IsDirty()) return;
    Compose(nullptr, {0, 0, config_.windowWidth, config_.windowHeight}, 0, 0);
    video->Present(image->GetRenderTarget());
    video->ClearDirty();
}

void CShell::CreateSounds() {
    CSubsystem_Sound* sound = SoundService();
    if (sound == nullptr) return;
    clickSound_ = sound->CreateSound("BtnClick.wav", 0);
    popupSound_ = sound->CreateSound("Popup.wav", 0);
    openSound_ = sound->CreateSound("OpenShell.wav", 1);
}

void CShell::PlayClick() {
    if (clickSound_ != nullptr) clickSound_->Play(1);
}

int CShell::OnRepaintTick() {
    if (firstTick_) {
        firstTick_ = false;
        CreateSounds();
        if (gameFile_.empty() && openSound_ != nullptr) openSound_->Play(1);
        // Outside this tick: the dialog's loop ticks the repaint timer again.
        if (!DevDialogName().empty()) {
            devDialogTimer_ = std::make_unique<CTimer>(this, kRepaintMs, Thunk<&CShell::OnDevDialogTick>);
            devDialogTimer_->SetClock(TimerClock::Wall);
            devDialogTimer_->Start();
        }
    }
    Repaint();
    return 0;
}

int CShell::OnDevDialogTick() {
    devDialogTimer_->Stop();
    ShowDevDialog(DevDialogName());
    return 0;
}

void CShell::SetLogoTimerAction(bool joinTimer, std::function<void()> action) {
    (joinTimer ? joinLogoAction_ : exitLogoAction_) = std::move(action);
}

int CShell::OnLogoTick(intptr_t* args) {
    // A copy: the action may replace itself.
    const std::function<void()> action = *reinterpret_cast<std::function<void()>*>(args[0]);
    if (action) action();
    return 0;
}

// ---------------------------------------------------------------- window dragging

void CShell::ListenForDrag(const CSurface& surface, std::array<ListenerPtr, 3>& listeners, EventCallback callback) {
    CSubsystem_Event* events = EventService();
    if (events == nullptr) return;
    const std::array<int, 3> codes{kEventMouseMove, kEventLeftDown, kEventLeftUp};
    for (size_t i = 0; i < codes.size(); ++i) {
        listeners[i] = events->Listen(&surface, codes[i], this, callback);
        listeners[i]->SetUserValue(codes[i]);
    }
}

// The window's coordinates from those of the surface pressed.
int CShell::OnShellMouse(intptr_t* record) {
    const platform::Point at = AbsoluteLoc();
    OnMouse(static_cast<int>(record[1]), static_cast<int>(record[2]) + at.x, static_cast<int>(record[3]) + at.y);
    return 1;
}

int CShell::OnFrameMouse(intptr_t* record) {
    const platform::Point at = frame_->AbsoluteLoc();
    OnMouse(static_cast<int>(record[1]), static_cast<int>(record[2]) + at.x, static_cast<int>(record[3]) + at.y);
    return 1;
}

bool CShell::OnMouse(int code, int x, int y) {
    CSubsystem_Video* video = CurrentSurfaceServices().video;
    if (video == nullptr || config_.embedded) return false;
    const bool onBorder = x < kDragBorder || y < kDragBorder || x >= config_.windowWidth - kDragBorder ||
                          y >= config_.windowHeight - kDragBorder;
    switch (code) {
    case kEventLeftDown:
        if (!onBorder || Closing()) return false;
        dragging_ = true;
        video->BeginDrag(x, y);
        return true;
    case kEventMouseMove:
        if (dragging_) {
            video->MoveWindowTo(x, y);
            ClampWindowOnScreen();
            return true;
        }
        if (CSubsystem_Cursor* cursors = CurrentSurfaceServices().cursors) {
            cursors->SelectCursor(cursors->GetStockCursor(onBorder ? kCursorOpenHand : kCursorPointer));
        }
        return false;
    case kEventLeftUp:
        if (!dragging_) return false;
        dragging_ = false;
        video->EndDrag();
        return true;
    default:
        return false;
    }
}

// A drag that would take the window off the screen stops where a strip of its border is still
// there to grab.
void CShell::ClampWindowOnScreen() {
    platform::Window* window = config_.mainWindow ? config_.mainWindow() : nullptr;
    platform::Backend* backend = platform::GetBackend();
    if (window == nullptr || backend == nullptr) return;
    const std::optional<platform::Point> at = window->GetPosition();
    if (!at) return;
    constexpr int kKeep = 40;
    const platform::Rect usable = backend->UsableArea();
    const platform::Point held{std::clamp(at->x, usable.left - config_.windowWidth + kKeep, usable.right - kKeep),
                               std::clamp(at->y, usable.top, std::max(usable.top, usable.bottom - kKeep))};
    if (held != *at) window->SetPosition(held);
}

void CShell::SetTitle(std::string_view title) {
    if (platform::Window* window = config_.mainWindow ? config_.mainWindow() : nullptr) window->SetTitle(title);
}

CShell* Shell() { return g_shell.get(); }

CShell* CreateShell(ShellConfig config) {
    g_shell.reset();
    g_shell = std::make_unique<CShell>(std::move(config));
    return g_shell.get();
}

void DestroyShell() { g_shell.reset(); }
