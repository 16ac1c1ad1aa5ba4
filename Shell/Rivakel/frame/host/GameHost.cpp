#include "frame/host/GameHost.h"

#include "core/base/CSubsystem_Clock.h"
#include "core/base/Log.h"
#include "core/files/CSubsystem_File.h"
#include "core/graphics/EventCodes.h"
#include "core/graphics/Surface.h"
#include "core/resources/ResourceModule.h"
#include "core/resources/ResourceRegistry.h"
#include "core/store/CopyToBuffer.h"
#include "core/store/UserStore.h"
#include "frame/api/IShellFactory.h"
#include "frame/boundary/AppletRecordObject.h"
#include "frame/boundary/GameCall.h"
#include "frame/boundary/GameObjects.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/graphics/GraphicsObjects.h"
#include "frame/host/GameHostWindow.h"
#include "frame/host/GameInfo.h"
#include "frame/host/GuidText.h"
#include "frame/services/ServiceObjects.h"
#include "platform/Host.h"

namespace {

std::unique_ptr<CGameHost> g_gameHost;

std::string Call(const std::function<std::string()>& get) { return get ? get() : std::string(); }

// The start time's seconds, or "" without a clock.
std::string StartTimeText() {
    return ClockNow().secondsText;
}

uint32_t ElapsedMs() {
    uint32_t ms = 0;
    if (CSubsystem_Clock* clock = ClockService()) clock->GetElapsedMs(ms);
    return ms;
}

void Track(std::string_view event, std::initializer_list<const char*> args) {
    if (CSubsystem_UserStore* store = UserStore()) store->Track(event, args);
}

void SetGameFolder(std::string folder) {
    if (CSubsystem_File* files = FileService()) files->SetGameFolder(std::move(folder));
}

}  // namespace

CGameHost::CGameHost(GameHostConfig config) : config_(std::move(config)) {}

CGameHost::~CGameHost() {
    if (module_ != nullptr && ::InsideGameCall()) {
        // Unloading now would pull the code out from under the game: the module is left mapped.
        Error("Error - the game host ended while game code runs; (%s) stays loaded", modulePath_.data());
        static_cast<void>(module_.release());
        return;
    }
    Stop();
}

bool CGameHost::InsideGameCall() { return ::InsideGameCall(); }

GameModulePlaces CGameHost::Places(std::string_view baseFolder) const {
    GameModulePlaces places;
    places.baseFolder = baseFolder;
    places.shellFolder = Call(config_.shellFolder);
    places.launchFolder = FolderOfPath(Call(config_.launchPath));
    return places;
}

int CGameHost::Describe(std::string_view modulePath, std::string_view baseFolder, GameInfo& out,
                        std::unique_ptr<resources::ResourceModule>* keep, std::string* foundPath) {
    const auto path = FindGameModule(modulePath, Places(baseFolder));
    if (!path) return kHostFailed;
    // Read as data: nothing of the game runs before it is started.
    auto module = resources::ResourceModule::FromModuleFile(*path);
    if (!module) return kHostFailed;

    GameInfo info;
    std::array<char, 256> logoName{};
    if (!ReadGameDescription(*module, info, logoName)) return kHostFailed;

    if (keep == nullptr) {
        // The logo is the game's own picture even when the shell has one of that name.
        CSubsystem_File* files = FileService();
        if (files != nullptr) files->SetResourceModule(module.get());
        info.logo = new CSurface(logoName.data(), 0, GifLimitsToShow(kLogoMaxWidth, kLogoMaxHeight, kLogoMaxFrames));
        info.logo->AddInternalRef();
        if (files != nullptr) files->ClearResourceModule();
    }

    out = info;
    if (keep != nullptr) *keep = std::move(module);
    if (foundPath != nullptr) *foundPath = *path;
    return kHostOk;
}

int CGameHost::ReadGameInfo(std::string_view modulePath, GameInfo& out) {
    return Describe(modulePath, {}, out, nullptr, nullptr);
}

int CGameHost::NotifyApplet(int kind) {
    if (!running_ || record_ == nullptr || stopPending_) return kHostOk;
    if (kind == kNotifyServicesEvent) FireServicesEvent(record_->services, kEventAppletNotice2);
    if (kind == kNotifyInstructions) FireServicesEvent(record_->services, kEventAppletNotice);
    return kHostOk;
}

int CGameHost::Start(std::string_view modulePath, std::string_view directory) {
    if (::InsideGameCall()) {
        Error("Error - no game can be started while game code runs (%s)",
              std::string(modulePath.substr(0, kLogLineSize)).c_str());
        return kHostFailed;
    }
    // Two games are never loaded together.
    Stop();

    GameInfo info;
    std::unique_ptr<resources::ResourceModule> resources;
    std::string path;
    if (Describe(modulePath, directory, info, &resources, &path) != kHostOk) return kHostFailed;

    const std::string shown(modulePath.substr(0, kLogLineSize));
    if (window_ == nullptr) {
        Error("Error - no shell window to start (%s) in", shown.c_str());
        return kHostFailed;
    }
    module_ = platform::LoadModule(path);
    auto startApplet = module_ ? reinterpret_cast<ShellStartAppletFn>(module_->FindSymbol("Shell_StartApplet")) : nullptr;
    stopApplet_ = module_ ? reinterpret_cast<ShellStopAppletFn>(module_->FindSymbol("Shell_StopApplet")) : nullptr;
    // Without both exports the game could be neither started nor ever stopped: refused whole.
    if (startApplet == nullptr || stopApplet_ == nullptr) {
        Error("Error - file specified in call to Start (%s) is NOT a game DLL!", shown.c_str());
        module_.reset();
        stopApplet_ = nullptr;
        return kHostFailed;
    }

    game_ = std::make_unique<GameObjects>();
    BuildRecord();
    SetModulePath(modulePath);
    CopyToBuffer(info.name, gameName_);
    CopyToBuffer(info.id, gameId_);
    CopyToBuffer(info.version, gameVersion_);
    window_->SetTitle(Call(config_.shellTitle) + " - " + gameName_.data());

    startMs_ = ElapsedMs();
    const std::string id = RepairGuidText(gameId_.data());
    const std::string startTime = StartTimeText();
    Track("GameStarted", {id.c_str(), startTime.c_str()});

    resources::ResourceRegistry::Instance().SetApplet(std::move(resources));
    SetGameFolder(FolderOfPath(path));
    running_ = true;
    Info("Rivakel: game %s started", gameName_.data());
    // A stop asked for during the start runs when it returns.
    CallGame("Shell_StartApplet", 0, [&] { return startApplet(record_); });
    return kHostOk;
}

void CGameHost::BuildRecord() {
    record_ = MakeAppletRecord();
    record_->services = MakeShellServices(config_.factory, window_->ServicesLink());
    record_->settings = MakeSettingsAccess();
    record_->factory = config_.factory;
    record_->gameArea = MakeBorrowedSurfaceObject(window_->GameArea());
    record_->pageArea = MakeBorrowedSurfaceObject(window_->PageArea());
    LendToGame(record_->gameArea, "game area");
    LendToGame(record_->pageArea, "page area");
    LendToGame(record_->factory, "factory");
    LendToGame(record_->services, "services");
    LendToGame(record_->settings, "settings");
    record_->SRand(-1);
}

int CGameHost::Stop() {
    if (module_ == nullptr || stopping_) return kHostOk;
    if (::InsideGameCall()) {
        // Through the session's host: the action may outlive this call.
        if (!stopPending_) RunOutsideGameCalls([] {
            if (CGameHost* host = GameHost()) host->Stop();
        });
        stopPending_ = true;
        return kHostOk;
    }
    StopNow();
    return kHostOk;
}

void CGameHost::StopNow() {
    stopPending_ = false;
    stopping_ = true;
    CallGame("Shell_StopApplet", 0, [&] { return stopApplet_(record_); });
    // What the game left goes while its code is still mapped, and cannot call it afterwards.
    game_->Reclaim();
    DestroyRecord();
    game_.reset();
    resources::ResourceRegistry::Instance().ClearApplet();
    SetGameFolder({});
    stopApplet_ = nullptr;
    module_.reset();
    Info("Rivakel: game %s stopped", gameName_.data());
    TrackStop();
    modulePath_[0] = '\0';
    gameId_[0] = '\0';
    running_ = false;
    stopping_ = false;
}

void CGameHost::DestroyRecord() {
    // The factory is the session's and stays.
    for (IShellObject* object : std::initializer_list<IShellObject*>{record_->gameArea, record_->pageArea,
                                                                    record_->services, record_->settings})
        if (object != nullptr) object->Destroy(1);
    record_->Destroy(1);
    record_ = nullptr;
}

void CGameHost::TrackStop() {
    // The monotonic clock: a calendar change during play must not make a negative or huge time.
    const int64_t seconds = static_cast<uint32_t>(ElapsedMs() - startMs_) / 1000;
    const std::string played = std::to_string(seconds);
    const std::string id = RepairGuidText(gameId_.data());
    if (seconds > kLongPlaySeconds) Track("DiagCode", {"02", played.c_str()});
    Track("GameStopped2", {played.c_str(), id.c_str()});
}

int CGameHost::GetRunningModulePath(std::span<char> out) const {
    CopyToBuffer(running_ ? modulePath_.data() : "", out);
    return kHostOk;
}

int CGameHost::SetModulePath(std::string_view path) {
    CopyToBuffer(path, modulePath_);
    return kHostOk;
}

int CGameHost::GetRunningGameId(std::span<char> out) const {
    CopyToBuffer(running_ ? gameId_.data() : "", out);
    return kHostOk;
}

int CGameHost::GetGameName(std::span<char> out) const {
    CopyToBuffer(gameName_.data(), out);
    return kHostOk;
}

int CGameHost::GetGameVersion(std::span<char> out) const {
    CopyToBuffer(gameVersion_.data(), out);
    return kHostOk;
}

CGameHost* GameHost() { return g_gameHost.get(); }

CGameHost* CreateGameHost(GameHostConfig config) {
    g_gameHost = std::make_unique<CGameHost>(std::move(config));
    return g_gameHost.get();
}

void DestroyGameHost() { g_gameHost.reset(); }
