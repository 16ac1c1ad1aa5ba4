#include "app/Session.h"

#include <array>
#include <memory>
#include <string>

#include "app/App.h"
#include "app/MainLoop.h"
#include "app/MainWindowProc.h"
#include "app/ProgramState.h"
#include "app/ServerLink.h"
#include "app/Services.h"
#include "app/SessionForms.h"
#include "app/SessionGames.h"
#include "app/SessionMailing.h"
#include "core/base/CSubsystem_Clock.h"
#include "core/base/Log.h"
#include "core/base/Strings.h"
#include "core/base/ShutdownFlag.h"
#include "core/dialogs/DialogEnvironment.h"
#include "core/dialogs/ShellDialogs.h"
#include "core/files/CSubsystem_File.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/SurfaceServices.h"
#include "core/install/InstallMessages.h"
#include "core/net/CSubsystem_Net.h"
#include "core/outbox/COutbox.h"
#include "core/resources/ResourceRegistry.h"
#include "core/sound/CSubsystem_Sound.h"
#include "core/store/UserStore.h"
#include "frame/api/IShellFactory.h"
#include "frame/banners/ShellBanners.h"
#include "frame/cardbacks/LoadCardbacks.h"
#include "frame/factory/ShellFactory.h"
#include "frame/host/GameHost.h"
#include "frame/pages/info/InfoPages.h"
#include "frame/pages/settings/SettingsPage.h"
#include "frame/shell/Shell.h"
#include "oldest/OldestBuild.h"
#include "platform/Host.h"

namespace {

struct SessionState {
    bool live = false;  // from the start of SetSessionGUID until the teardown
    bool stopPending = false;
    IShellFactory* factory = nullptr;
    std::unique_ptr<CApp> app;
};

SessionState& Session() {
    static SessionState state;
    return state;
}

// The only place the shell's files are written is below the data folder, and only while
// installed: find out before anything is written whether that can work at all.
bool DataFolderWritable() {
    std::string system = platform::JoinPath(ShellDataFolder(), "System");
    if (!platform::CreateFolders(system)) return false;
    std::string probe = platform::JoinPath(system, ".write-test");
    const uint8_t byte = 0;
    if (!platform::WriteFileAtomic(probe, std::span<const uint8_t>(&byte, 1))) return false;
    platform::DeleteFile(probe);
    return true;
}

void ReportUnwritableDataFolder() {
    std::string text = "Rivakel cannot write to its data folder " + ShellDataFolder() +
                       ".\nPlease check that the folder exists, is yours and the disk is not full, then try again.";
    platform::DebugOutput("Rivakel: " + text + "\n");
    if (platform::Backend* backend = platform::GetBackend()) {
        backend->MessageBox("Rivakel cannot save", text, platform::MbOk | platform::MbIconError);
    }
}

std::string ShellVersionText() {
    return std::string(resources::FindShellString(1).value_or(""));
}

void CreateStore() {
    UserStoreConfig config;
    config.installed = g_pApp->IsInstalled();
    config.shellFolder = g_pApp->GetShellPath();
    config.shellVersion = ShellVersionText();
    config.timeStamp = []() -> int64_t { return ClockNow().secondsSince2000; };
    config.setShellFolder = [](const std::string& folder) {
        if (g_pApp) g_pApp->SetShellPath(folder);
    };
    // The shell window's user ("guest" until another is chosen): what games store is kept under it.
    config.currentUserEmail = []() -> std::string {
        const CShell* shell = Shell();
        return shell != nullptr ? shell->UserName() : std::string("guest");
    };
    // Data files other than the store's own that are not on the disk.
    config.openNamedData = [](std::string_view name) -> std::optional<std::string> {
        std::optional<std::vector<uint8_t>> bytes = ReadNamedFile(name);
        return bytes ? std::optional<std::string>(std::in_place, bytes->begin(), bytes->end()) : std::nullopt;
    };
    config.runningGameId = []() -> std::string {
        std::array<char, 128> id{};
        if (CGameHost* host = GameHost()) host->GetRunningGameId(id);
        return id.data();
    };
    CreateUserStore(std::move(config));
}

void TrackSessionStart() {
    CSubsystem_Clock* clock = ClockService();
    CSubsystem_UserStore* store = UserStore();
    if (!clock || !store) return;
    TimeRecord start;
    clock->GetStartTime(start);
    store->Track("SessionStarted", {start.secondsText});
}

void TrackSessionStop() {
    CSubsystem_Clock* clock = ClockService();
    CSubsystem_UserStore* store = UserStore();
    if (!clock || !store) return;
    TimeRecord start, now;
    clock->GetStartTime(start);
    clock->GetTime(now);
    const std::string seconds = std::to_string(now.secondsSince2000 - start.secondsSince2000);
    store->Track("SessionStopped", {seconds.c_str()});
}

void CreateSound() {
    SoundServiceConfig config;
    config.backend = platform::GetBackend();
    config.shellElement = UserStore() ? UserStore()->GetShellElement() : nullptr;
    config.readFile = FileServiceSoundReader();
    CreateSoundService(std::move(config));
}

void CreateHost() {
    GameHostConfig config;
    config.factory = Session().factory;
    config.shellTitle = [] { return g_pApp ? g_pApp->GetTitle() : std::string(); };
    config.shellFolder = [] { return g_pApp ? g_pApp->GetShellPath() : std::string(); };
    config.launchPath = [] { return g_pApp ? g_pApp->GetLaunchPath() : std::string(); };
    CreateGameHost(std::move(config));
}

void CreateEvents() {
    EventHooks hooks;
    hooks.stopping = SessionStopping;
    hooks.capture = [](bool captured) {
        if (platform::Window* window = Program().mainWindow.get()) window->SetMouseCapture(captured);
    };
    CreateEventService(std::move(hooks));
}

void CreateShellWindow() {
    const ProgramState& program = Program();
    ShellConfig config;
    config.windowWidth = program.sizes.windowWidth;
    config.windowHeight = program.sizes.windowHeight;
    config.embedded = program.embedded;
    config.skinName = g_pApp->GetSkinName();
    // A pending mailing picks the game itself.
    config.startOnHomePage = program.pendingRml;
    config.installed = [] { return g_pApp != nullptr && g_pApp->IsInstalled(); };
    config.gameFile = [] { return g_pApp != nullptr ? g_pApp->GetGameFile() : std::string(); };
    config.shellFolder = [] { return ShellDataFolder(); };
    config.mainWindow = [] { return Program().mainWindow.get(); };
    config.stopSession = StopSession;
    config.sessionStopping = SessionStopping;
    config.setInactiveTimer = SetInactiveWindowTimer;
    config.openInBrowser = [](std::string_view url) { return g_pApp != nullptr ? g_pApp->OpenInBrowser(url) : 1; };
    AddGamesToShellConfig(config);
    AddFormPagesToShellConfig(config);
    config.registerPages = [earlier = std::move(config.registerPages)](CShell& window) {
        if (earlier) earlier(window);
        RegisterInfoPages(window);
        RegisterSettingsPage(window);
    };
    config.loadCardbacks = [] { LoadCardbacks(g_pApp != nullptr && g_pApp->IsInstalled()); };
    config.makeBanners = [openInBrowser = config.openInBrowser](CShell& window) {
        BannerServices banners;
        banners.installed = [] { return g_pApp != nullptr && g_pApp->IsInstalled(); };
        banners.connected = [] { return NetService() != nullptr && !NetService()->IsOffline(); };
        banners.takeServerBanners = TakeBannerDefinitions;
        banners.openInBrowser = openInBrowser;
        MakeShellBanners(window, banners);
    };
    if (program.oldestBuild) UseOldestBuild(config);
    CShell* shell = CreateShell(std::move(config));
    if (!g_pApp->IsInstalled()) shell->SetSessionGUID("{" + platform::NewGuidText() + "}");

    DialogEnvironment& dialogs = CurrentDialogEnvironment();
    dialogs.root = shell;
    dialogs.repaint = [] {
        if (CShell* window = Shell()) window->Repaint();
    };
    dialogs.runLoop = RunNestedLoop;
    dialogs.stopping = SessionStopping;
    dialogs.raiseWindow = [] {
        platform::Window* window = Program().mainWindow.get();
        if (window == nullptr) return;
        if (window->IsMinimized()) window->Restore();
        window->Raise();
    };
    dialogs.embedded = [] { return Program().embedded; };
    dialogs.installed = [] { return g_pApp != nullptr && g_pApp->IsInstalled(); };
    dialogs.installShell = [] {
        if (g_pApp != nullptr) g_pApp->Install();
    };
    dialogs.queueMessage = [](int type, std::string_view function, std::string_view params, bool forceConnection,
                              int priority) {
        if (COutbox* outbox = Outbox()) outbox->Send(type, function, params, forceConnection, priority);
    };
    SetMemoryErrorBox([](std::string_view caption, std::string_view text) {
        ShowMessageBox(caption, text, kMessageBoxExclamation);
    });
}

// A folder where the user store belongs: the store keeps it aside and starts a new file, or
// every save fails while it stays.
void ReportStoreInTheWay() {
    const std::string& folder = g_pApp->StoreInTheWay();
    const CSubsystem_UserStore* store = UserStore();
    if (folder.empty() || store == nullptr) return;
    std::string text;
    if (platform::FolderExists(folder)) {
        text = FormatToString("A folder is where Rivakel keeps your\nplayers and scores:\n%s\nRivakel cannot "
                              "save them until\nthe folder is moved away.",
                              folder.c_str());
    } else if (const std::string& aside = store->CoreKeptAside(); !aside.empty()) {
        text = FormatToString("A folder was where Rivakel keeps your\nplayers and scores:\n%s\nIt was renamed %s,\n"
                              "and Rivakel keeps them in a new file.",
                              folder.c_str(), aside.substr(aside.find_last_of('/') + 1).c_str());
    } else {
        return;
    }
    ShowMessageBox("Players and Scores", text, kMessageBoxExclamation);
}

void DestroyShellWindow() {
    SetMemoryErrorBox({});
    CurrentDialogEnvironment() = {};
    DestroyShell();
}

void TearDown() {
    SessionState& session = Session();
    session.live = false;
    session.stopPending = false;
    // The shell window goes first: it stops the game and lets go of its timers.
    DestroyShellWindow();
    Program().inactiveTimer = nullptr;
    TrackSessionStop();
    DestroySessionOutbox();
    // The host goes before the factory: without a shell window to stop it first, its end
    // stops a game that may still call the factory.
    DestroyGameHost();
    if (session.factory != nullptr) session.factory->Release();
    session.factory = nullptr;
    DestroyEventService();
    DestroySoundService();
    DestroyFontService();
    CurrentSurfaceServices().fonts = nullptr;
    DestroyServerConnection();
    DestroyCursorService();
    CurrentSurfaceServices().cursors = nullptr;
    DestroyClock();
    DestroyFileService();
    DestroyInputService();
    // Saves the Core and Outbox files when installed.
    DestroyUserStore();
    DestroyVideoService();
    CurrentSurfaceServices().video = nullptr;
    // The application object goes last: its end also ends the main loop.
    g_pApp = nullptr;
    session.app.reset();
}

}  // namespace

int SetSessionGUID(std::span<const std::string> args) {
    SessionState& session = Session();
    SetShutdownRequested(false);
    session.live = true;
    session.stopPending = false;

    session.factory = CreateShellFactory();
    CreateClock();
    session.app = std::make_unique<CApp>(args);
    g_pApp = session.app.get();
    if (g_pApp->IsInstalled() && !DataFolderWritable()) {
        ReportUnwritableDataFolder();
        SetShutdownRequested(true);
        TearDown();
        return kExitDataFolderUnwritable;
    }
    CreateStore();
    CreateVideoService();
    CurrentSurfaceServices().video = VideoService();
    CreateInputService();
    CreateFileService(DefaultFileServiceConfig(g_pApp->GetShellPath(), g_pApp->IsInstalled()));
    CreateFontService();
    CurrentSurfaceServices().fonts = FontService();
    CreateCursorService();
    CurrentSurfaceServices().cursors = CursorService();
    CreateSound();
    CreateEvents();
    CreateHost();
    const std::string version = ShellVersionText();
    CreateServerConnection(version);
    g_pApp->UpdateCardbacks();
    CreateSessionOutbox(version);
    if (g_pApp->IsInstalled()) {
        g_pApp->CopyFilesByPattern("\\System\\Banners", "pbn-*");
        g_pApp->CopyFilesByPattern("\\System\\Catalogs", "ppc-*");
        g_pApp->CopyFilesByPattern("\\System\\Catalogs", "pmb-*");
    }
    // The first page depends on it.
    SettleKeptMailing();
    CreateShellWindow();

    if (!g_pApp->IsInstalled()) TrackUninstalledSession(version);
    if (CSubsystem_UserStore* store = UserStore()) store->FlushPending();
    // An installed portal that has no identifier and no request for one (a store seeded for a
    // development run, an Outbox file lost) asks as its installation would have.
    if (g_pApp->IsInstalled()) RequestShellGuid(UserStore(), version);
    g_pApp->SendEID();
    TrackSessionStart();
    ReportShellVersion(version);
    g_pApp->SendOSInfo();
    // An e-mailed game's first start offers the installation and ends the session.
    if (!g_pApp->IsInstalled()) g_pApp->PromptCompanionInstall();
    if (!SessionStopping()) ReportStoreInTheWay();
    if (!SessionStopping()) ProcessPendingRml();
    RunPendingSessionStop();
    return 0;
}

void StopSession() {
    SessionState& session = Session();
    if (ShutdownRequested()) return;
    SetShutdownRequested(true);
    // The mixer may still be mid-buffer; it must not pick up another voice.
    if (CSubsystem_Sound* sound = SoundService()) sound->Shutdown();
    session.stopPending = true;
}

bool SessionStopping() { return ShutdownRequested(); }

void EndSessionNow() {
    if (!Session().live) return;
    StopSession();
    TearDown();
}

void RunPendingSessionStop() {
    // Tearing down unloads the game: never under a call into it that has yet to return.
    if (Session().stopPending && !CGameHost::InsideGameCall()) TearDown();
}
