#include "app/App.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/CommandLine.h"
#include "app/ProgramIcon.h"
#include "app/ProgramState.h"
#include "core/base/Log.h"
#include "core/dialogs/ShellDialogs.h"
#include "core/graphics/VideoService.h"
#include "core/resources/ResourceModule.h"
#include "core/store/UserStore.h"
#include "oldest/MoreGamesNotice.h"
#include "platform/Host.h"

CApp* g_pApp = nullptr;

namespace {

// Longest address handed to the browser; longer ones come from broken or hostile documents.
constexpr size_t kMaxUrlLength = 2000;

// The folder the shell runs from: a developer's override, else the executable's own folder.
std::string DefaultShellPath() {
    if (const char* dev = std::getenv("RIVAKEL_DEV_DIR"); dev && *dev) return dev;
    std::string exe = platform::ExecutablePath();
    size_t slash = exe.rfind('/');
    return slash == std::string::npos ? platform::CurrentFolder() : exe.substr(0, slash);
}

}  // namespace

CApp::CApp(std::span<const std::string> args) {
    // "BIGWIN" and "HWND n" were read at start-up; they are not the installer's fields.
    const Arguments fields = WithoutStartOptions(args);
    if (fields.empty() || Program().embedded) {
        shellPath_ = DefaultShellPath();
    } else {
        ParseCommandLine(fields);
    }
    CreateMainWindow();
    installed_ = ProbeInstalled();
}

CApp::~CApp() {
    Program().quit = true;
    if (platform::Backend* backend = platform::GetBackend()) backend->PostUserEvent(0, 0, 0);
}

void CApp::ParseCommandLine(std::span<const std::string> args) {
    ProgramState& program = Program();
    gameFile_.clear();
    launchPath_.clear();
    shellPath_ = DefaultShellPath();
    if (std::optional<std::string> rml = RmlFileIn(args)) {
        program.pendingRml = true;
        program.pendingRmlPath = std::move(*rml);
        return;
    }
    // A mailing kept by an earlier start opens once this start has installed what it brings
    // (perhaps the very game the mailing waits for).
    InstallContext folders;
    folders.folders = InstallFolders::FromPlatform();
    const std::optional<std::string> keptMailing = CInstaller(std::move(folders)).HasAppMsg();
    program.pendingRml = keptMailing.has_value();
    program.pendingRmlKept = keptMailing.has_value();
    program.pendingRmlPath = keptMailing.value_or(std::string());
    InstallerFields fields = ParseInstallerFields(args);
    if (fields.error != CommandLineError::None) {
        if (platform::Backend* backend = platform::GetBackend()) {
            backend->MessageBox(kBadStartCaption, BadStartText(fields.error), platform::MbOk | platform::MbIconWarning);
        }
        platform::ExitProcess(-1);
    }
    launchPath_ = fields.launchPath;
    shellPath_ = fields.launchPath;
    setupFilePath_ = fields.setupFilePath;
    gameFile_ = fields.gameFile;
}

void CApp::CreateMainWindow() {
    ProgramState& program = Program();
    platform::WindowParams params;
    params.title = title_;
    params.width = program.sizes.windowWidth;
    params.height = program.sizes.windowHeight;
    params.icon = ProgramIcon();
    program.mainWindow = CreateVideoWindow(std::move(params));
    if (!program.mainWindow) Error("Failed in call to CreateWindowEx in AppInit");
}

bool CApp::ProbeInstalled() {
    for (const std::string& root : {platform::DataFolder(), platform::CurrentFolder()}) {
        std::optional<std::string> path = platform::ResolvePath(root, kCoreStorePath);
        if (!path) continue;
        if (platform::FileExists(*path)) return true;
        if (platform::FolderExists(*path)) {
            Warning("CApp: a folder is where the user store belongs (%s); the portal is installed all the same",
                    path->c_str());
            storeInTheWay_ = *path;
            return true;
        }
    }
    return false;
}

int CApp::OpenInBrowser(std::string_view url) {
    platform::Backend* backend = platform::GetBackend();
    if (!backend || url.empty() || url.size() > kMaxUrlLength || url.front() == '-') {
        Warning("CApp::OpenInBrowser: address refused");
        return 1;
    }
    if (!backend->OpenUrl(url)) {
        Warning("CApp::OpenInBrowser: no program opened the address");
        return 1;
    }
    return 0;
}

void CApp::SendOSInfo() {
    CSubsystem_UserStore* store = UserStore();
    if (!store) return;
    std::vector<std::string> f = OsInfoFields();
    store->Track("OSInfo2", {f[0].c_str(), f[1].c_str(), f[2].c_str(), f[3].c_str(), f[4].c_str(), f[5].c_str(),
                             f[6].c_str()});
}

int CApp::GetClipboardText(std::span<char> buffer, int& length) {
    length = 0;
    platform::Backend* backend = platform::GetBackend();
    std::optional<std::string> text = backend ? backend->GetClipboardText() : std::nullopt;
    if (buffer.empty()) return 0;
    size_t copied = text ? std::min(text->size(), buffer.size() - 1) : 0;
    if (copied) text->copy(buffer.data(), copied);
    buffer[copied] = '\0';
    length = static_cast<int>(copied);
    return 0;
}

int CApp::SetClipboardText(std::string_view text) {
    if (platform::Backend* backend = platform::GetBackend()) backend->SetClipboardText(text);
    return 0;
}

int CApp::LoadResString(uint32_t id, std::span<char> buffer) const {
    const resources::ResourceModule* own = resources::ResourceModule::Own();
    if (own == nullptr) {
        if (!buffer.empty()) buffer[0] = '\0';
    } else {
        (void)own->CopyString(id, buffer);
    }
    return 0;
}

bool CApp::AskConfirmSave() { return ::AskConfirmSave(); }
int CApp::AskStopGameSaved() { return ::AskStopGameSaved(); }
int CApp::AskQuitNotSaved() { return ::AskQuitNotSaved(); }
int CApp::AskQuitSaved() { return ::AskQuitSaved(); }
int CApp::ShowTermsOfService() { return ::ShowTermsOfService(); }
int CApp::AskAutoInstall() { return ::AskAutoInstall(); }
// The oldest build sends nobody to a game's page: it tells of more games to come, and its OK is
// the newer box's Later.
int CApp::AskNeedNewGame() { return Program().oldestBuild ? ShowMoreGamesNotice() : ::AskNeedNewGame(); }

int CApp::ShowMessageBox(std::string_view caption, std::string_view text, int flags) {
    return ::ShowMessageBox(caption, text, flags);
}

int CApp::InputBox(std::string_view caption, std::string_view prompt, std::string_view initialText,
                   std::span<char> buffer, int flags) {
    return ::InputBox(caption, prompt, initialText, buffer, flags);
}

void CApp::DebugTrap() {
    Info("CApp::DebugTrap reached");
    platform::DebugTrap();
}

void CApp::SleepMs(uint32_t ms) {
    if (platform::Backend* backend = platform::GetBackend()) backend->SleepMs(ms);
}

platform::Window* CApp::MainWindow() const { return Program().mainWindow.get(); }

std::string GetShellPath() { return g_pApp ? g_pApp->GetShellPath() : std::string(); }
std::string GetLaunchPath() { return g_pApp ? g_pApp->GetLaunchPath() : std::string(); }
std::string GetSetupFilePath() { return g_pApp ? g_pApp->GetSetupFilePath() : std::string(); }
std::string GetGameFile() { return g_pApp ? g_pApp->GetGameFile() : std::string(); }

VideoApiVersion GetVideoApiVersion() { return {}; }

std::vector<std::string> OsInfoFields() {
    platform::SystemInfo system = platform::GetSystemInfo();
    const ProgramState& program = Program();
    platform::Backend* backend = platform::GetBackend();
    VideoApiVersion dx = GetVideoApiVersion();
    char text[64];
    std::vector<std::string> fields;
    fields.push_back(system.system.empty() ? "Linux" : system.system);
    std::snprintf(text, sizeof text, "%d.%d.%d", system.major, system.minor, system.build);
    fields.emplace_back(text);
    std::snprintf(text, sizeof text, "%dx%d", program.screenWidth, program.screenHeight);
    fields.emplace_back(text);
    std::snprintf(text, sizeof text, "%d", backend ? backend->DisplayDepth() : 32);
    fields.emplace_back(text);
    std::snprintf(text, sizeof text, "DX%d.%d", (dx.code >> 8) & 0xFF, dx.code & 0xFF);
    fields.emplace_back(text);
    // No web or certificate library of the other system exists here.
    fields.emplace_back("0");
    fields.emplace_back("0");
    return fields;
}

std::string ShellDataFolder() { return platform::JoinPath(platform::DataFolder(), "Rivakel"); }
