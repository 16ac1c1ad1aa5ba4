#include "core/install/Installer.h"

#include "core/base/Log.h"
#include "core/files/FileNames.h"
#include "core/install/InstallMessages.h"
#include "core/store/UserStore.h"
#include "platform/Host.h"

namespace {

constexpr std::string_view kInstallRequiredCaption = "Installation required";
constexpr std::string_view kInstallRequiredText =
    "The Rivakel Game Companion needs to be installed on your machine in order\n"
    "to run the file in your e-mail message.  Click 'Cancel' to cancel the installation,\n"
    "or click 'Ok' to continue the installation";
constexpr std::string_view kInstalledCaption = "Successful Installation";
constexpr std::string_view kInstalledText =
    "The Rivakel Game Companion has been successfully installed on your computer and\n"
    "will now close.  After Rivakel closes, please go back to your e-mail message\n"
    "from Rivakel and double-click or run the attached file to see your\n"
    "message and play the game!";
constexpr std::string_view kNotInstalledCaption = "Installation failed";
// Our own text: it says what went wrong, so that the user knows whom to ask.
std::string NotInstalledText(InstallFailure failure) {
    std::string text =
        "The Rivakel Game Companion could not be installed on your computer, and nothing\n"
        "was changed.  ";
    switch (failure) {
    case InstallFailure::NotAGame:
        return text +
               "The file that came with your e-mail message is not a Rivakel game, or it\n"
               "was damaged on its way.  Please ask the sender to send the game again.";
    case InstallFailure::GameMissing:
        return text +
               "The game that came with your e-mail message cannot be found or read.\n"
               "Please save the attached file again and run it from where you saved it.";
    case InstallFailure::GameFolderTaken:
        return text +
               "Another file stands where this game's folder belongs in your Rivakel folder.\n"
               "Please move that file away, then run the attached file again.";
    default:
        return text +
               "Rivakel could not write its files.  Please check that your disk is not full\n"
               "and that your home folder can be written to, then run the attached file from\n"
               "your e-mail message again.";
    }
}

// Shipped files copied by a first installation, in this order.
constexpr std::pair<std::string_view, std::string_view> kShippedFiles[] = {
    {"\\System\\Banners", "sbn-*"},  {"\\System\\Banners", "pbn-*"},  {"\\System\\Catalogs", "spc-*"},
    {"\\System\\Catalogs", "ppc-*"}, {"\\System\\Catalogs", "smb-*"}, {"\\System\\Catalogs", "pmb-*"},
};

constexpr int kAutoInstallOk = 0;

}  // namespace

int CInstaller::Box(std::string_view caption, std::string_view text, int flags) const {
    return context_.messageBox ? context_.messageBox(caption, text, flags) : kInstallBoxAnswerOk;
}

std::string CInstaller::TimeStamp() const { return context_.timeStampText ? context_.timeStampText() : "0"; }

bool CInstaller::HaveRoot() const {
    if (!context_.folders.dataRoot.empty()) return true;
    Box("", "Oops", kInstallBoxOk);
    return false;
}

std::string CInstaller::LaunchFile(std::string_view name) const {
    if (context_.launchPath.empty() || !IsSafeRelativeName(name)) return {};
    return platform::ResolvePath(context_.launchPath, name).value_or(std::string());
}

DesktopSetup CInstaller::Desktop() const { return {context_.folders, context_.icon, context_.desktopTools}; }

void CInstaller::KeepLauncher() const {
    const std::string_view name = LastComponent(context_.setupFilePath);
    if (name.empty()) return;
    const std::string folder = context_.folders.MyRivakel();
    const std::string target = platform::JoinPath(folder, name);
    if (target == context_.setupFilePath) return;
    // The launcher only serves a later removal; the installation goes on without it.
    if (!platform::CreateFolders(folder) || !platform::CopyFile(context_.setupFilePath, target))
        Warning("CInstaller: the launcher %s was not kept", context_.setupFilePath.c_str());
}

bool CInstaller::CopyProgram() const {
    const std::string target = context_.folders.Program();
    for (const std::string& source :
         {platform::JoinPath(context_.shellFolder, kProgramFileName), context_.runningProgram}) {
        if (source == target && platform::FileExists(target)) return true;
        if (!source.empty() && platform::CopyFile(source, target)) return true;
    }
    Error("CInstaller::InstallShellFiles: cannot copy the program to %s", target.c_str());
    return false;
}

bool CInstaller::InstallShellFiles(std::string_view gameFile) {
    failure_ = InstallFailure::CannotWrite;
    if (!HaveRoot()) return false;
    const InstallFolders& folders = context_.folders;
    // A game that will be refused is refused before anything is copied or registered.
    std::optional<CheckedGame> game;
    if (!gameFile.empty()) {
        const std::string source =
            IsSafeRelativeName(gameFile) ? platform::ResolvePath(context_.shellFolder, gameFile).value_or("") : "";
        if (source.empty()) failure_ = InstallFailure::GameMissing;
        if (!source.empty()) game = CheckGame(source, folders);
        if (!game) return false;
    }
    KeepLauncher();
    if (!platform::CreateFolders(folders.System()) || !platform::CreateFolders(folders.Games())) {
        Error("CInstaller::InstallShellFiles: cannot create %s", folders.Rivakel().c_str());
        return false;
    }
    if (!CopyProgram() || !RegisterFileType()) return false;
    if (game && !WriteGame(*game)) return false;
    if (!WriteShortcuts(Desktop())) return false;
    failure_ = InstallFailure::None;
    return true;
}

bool CInstaller::RegisterFileType() { return HaveRoot() && RegisterRmlType(Desktop()); }

int CInstaller::Install() {
    if (!InstallShellFiles(context_.gameFile)) return kInstallFailed;
    // The Core file marks the installation: only once it is written is the shell installed.
    if (CSubsystem_UserStore* store = context_.store) {
        const bool wasInstalled = store->Installed();
        store->SetInstalled(true);
        if (store->SaveCore() != kStoreOk) {
            store->SetInstalled(wasInstalled);
            Error("CInstaller::Install: the user store cannot be saved");
            failure_ = InstallFailure::CannotWrite;
            return kInstallFailed;
        }
    }
    if (context_.setInstalled) context_.setInstalled();
    if (context_.setShellFolder) context_.setShellFolder(context_.folders.Rivakel());
    RequestShellGuid(context_.store, context_.shellVersion);
    SendEID();
    for (const auto& [subfolder, pattern] : kShippedFiles) CopyFilesByPattern(subfolder, pattern);
    UpdateCardbacks();
    return kInstallOk;
}

void CInstaller::PromptCompanionInstall() {
    const std::string_view setup = LastComponent(context_.setupFilePath);
    if (setup.empty() || setup.front() != '_') return;
    if (context_.setEmailedGame) context_.setEmailedGame();
    const bool agreed =
        (context_.askAutoInstall && context_.askAutoInstall() == kAutoInstallOk) ||
        Box(kInstallRequiredCaption, kInstallRequiredText, kInstallBoxOkCancel) == kInstallBoxAnswerOk;
    if (agreed) {
        if (Install() == kInstallOk)
            Box(kInstalledCaption, kInstalledText, kInstallBoxOk);
        else
            Box(kNotInstalledCaption, NotInstalledText(failure_), kInstallBoxExclamation);
    }
    if (context_.stopSession) context_.stopSession();
}
