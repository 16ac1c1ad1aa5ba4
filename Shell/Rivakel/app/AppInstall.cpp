// The installation slots of the application object.

#include "app/App.h"
#include "app/ProgramIcon.h"
#include "app/Session.h"
#include "core/base/CSubsystem_Clock.h"
#include "core/base/SupportAddress.h"
#include "core/files/CSubsystem_File.h"
#include "core/resources/ResourceRegistry.h"
#include "core/store/UserStore.h"
#include "platform/Host.h"

namespace {

IconImage ProgramIconImage() {
    IconImage icon;
    if (const auto view = ProgramIcon()) {
        icon.width = view->width;
        icon.height = view->height;
        for (int y = 0; y < view->height; ++y) {
            const uint32_t* row = view->pixels + static_cast<size_t>(y) * view->pitch;
            icon.pixels.insert(icon.pixels.end(), row, row + view->width);
        }
    }
    return icon;
}

}  // namespace

CInstaller CApp::Installer() {
    InstallContext context;
    context.folders = InstallFolders::FromPlatform();
    context.launchPath = launchPath_;
    context.setupFilePath = setupFilePath_;
    context.gameFile = gameFile_;
    context.shellFolder = shellPath_;
    context.runningProgram = platform::ExecutablePath();
    context.shellVersion = resources::FindShellString(1).value_or("");
    context.supportAddress = kSupportAddress;
    context.icon = ProgramIconImage();
    context.store = UserStore();
    context.files = FileService();
    context.isInstalled = [this] { return installed_; };
    context.setInstalled = [this] {
        installed_ = true;
        if (CSubsystem_File* files = FileService()) files->SetInstalled(true);
    };
    context.setShellFolder = [this](const std::string& folder) { shellPath_ = folder; };
    context.setNewCardback = [this](const std::string& picture) { SetCardbackPending(picture); };
    context.clearNewCardback = [this] { ClearCardbackPending(); };
    context.messageBox = [this](std::string_view caption, std::string_view text, int flags) {
        return ShowMessageBox(caption, text, flags);
    };
    context.askAutoInstall = [this] { return AskAutoInstall(); };
    context.exitProcess = [](int code) { platform::ExitProcess(code); };
    context.timeStampText = [] { return std::string(ClockNow().secondsText); };
    context.setEmailedGame = [this] { emailedGame_ = true; };
    context.stopSession = [] { StopSession(); };
    return CInstaller(std::move(context));
}

int CApp::Install() { return Installer().Install(); }
int CApp::InstallGame() { return Installer().InstallGame(); }
void CApp::SendEID() { Installer().SendEID(); }
void CApp::CopyFilesByPattern(std::string_view subfolder, std::string_view pattern) {
    Installer().CopyFilesByPattern(subfolder, pattern);
}
void CApp::UpdateCardbacks() { Installer().UpdateCardbacks(); }
bool CApp::UninstallGame(std::string_view identifier, std::string_view launcherName) {
    return Installer().UninstallGame(identifier, launcherName);
}
void CApp::PromptCompanionInstall() { Installer().PromptCompanionInstall(); }
