// Installation and updates: the shell installs itself and the games that come with it or by
// e-mail, installs newer versions, copies the banner, catalogue, cardback and installation-event
// files that were shipped beside it, and removes games. Every file lands whole or not at all: it
// is written under a temporary name in its folder and renamed into place, and the Core file,
// whose presence means "installed", is written last.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/install/DesktopIntegration.h"
#include "core/install/GameFile.h"
#include "core/install/InstallFolders.h"

class CSubsystem_File;
class CSubsystem_UserStore;

// What the installation takes from the application object and the session. Empty functions
// stand for what does not exist (yet): no box is shown, nothing is tracked.
struct InstallContext {
    InstallFolders folders;
    std::string launchPath;      // where shipped files come from (the first command-line field)
    std::string setupFilePath;   // the launcher that started the installation (second field)
    std::string gameFile;        // the game file in the launch folder (third field)
    std::string shellFolder;     // the application's shell folder
    std::string runningProgram;  // the running program's own file
    std::string shellVersion;
    std::string supportAddress;
    IconImage icon;
    bool desktopTools = true;
    CSubsystem_UserStore* store = nullptr;
    CSubsystem_File* files = nullptr;

    std::function<bool()> isInstalled;
    std::function<void()> setInstalled;
    std::function<void(const std::string& folder)> setShellFolder;
    // The new-cardback flag and its picture text ("System\Skins\Cardbacks\<picture>").
    std::function<void(const std::string& picture)> setNewCardback;
    std::function<void()> clearNewCardback;
    // The shell's message box: flags as below, 1 for OK.
    std::function<int(std::string_view caption, std::string_view text, int flags)> messageBox;
    std::function<void(int code)> exitProcess;
    std::function<std::string()> timeStampText;  // the clock's seconds
    // The auto-install question: 0 OK, 3 Cancel. Empty: not asked.
    std::function<int()> askAutoInstall;
    std::function<void()> setEmailedGame;
    std::function<void()> stopSession;
};

// Flags of the shell's message box.
inline constexpr int kInstallBoxOk = 0x00;
inline constexpr int kInstallBoxOkCancel = 0x02;
inline constexpr int kInstallBoxExclamation = 0x100;
inline constexpr int kInstallBoxAnswerOk = 1;

// Why the last installation failed, for the box that says so.
enum class InstallFailure {
    None,
    CannotWrite,    // a folder or file could not be made: disk full, no permission
    GameMissing,    // the named game file is not there or cannot be read
    NotAGame,       // the file is no game (or was damaged)
    GameFolderTaken,  // something else stands where the game's folder goes
};

// Results of the application object's slots.
inline constexpr int kInstallOk = 0;
inline constexpr int kInstallFailed = 1;

class CInstaller {
public:
    explicit CInstaller(InstallContext context) : context_(std::move(context)) {}

    // First-run installation: files, installed flag and Core file, shell folder, the
    // installation identifier request, shipped files. kInstallFailed leaves the shell as it was:
    // not installed.
    int Install();
    // Installs the command line's game, or a newer version of it. A game whose installed version
    // is not lower is left alone (kInstallOk); a file that is no game is refused.
    int InstallGame();
    // Folders, program, file type, the game when one is named, shortcuts. False on any failure.
    bool InstallShellFiles(std::string_view gameFile);
    // Copies one game into its folder below Games. False on any failure, the old game kept whole.
    bool InstallGameFile(std::string_view gameFile);
    bool RegisterFileType();
    void SendEID();
    // `subfolder` below the Rivakel folder ("\System\Banners"); a failed copy ends the process
    // after the "ISSUE 180" box.
    void CopyFilesByPattern(std::string_view subfolder, std::string_view pattern);
    void UpdateCardbacks();
    // Removes the game's folder below Games and the launcher that brought it ("<name>.run" or an
    // e-mailed "_<name>.run" in My Rivakel). False when the identifier is no plain name or its
    // folder is not there; nothing else is touched.
    bool UninstallGame(std::string_view identifier, std::string_view launcherName);
    // At session start: an e-mailed game (a launcher whose name begins with '_') offers to install.
    void PromptCompanionInstall();

    // The kept data-mailing document "System\etc\AppMsg.rml".
    bool WriteAppMsg(std::string_view text);
    // Its path when it can be read.
    std::optional<std::string> HasAppMsg() const;
    void DeleteAppMsg();
    // Hands the text of the data-mailing file `path` (named on the command line, so a relative
    // path is the current folder's, or the kept one) to `reader`. A file that cannot be read (a
    // folder, missing) is ignored; one too large to be a mailing is handed over as no text.
    void OpenDataMailFile(std::string_view path, const std::function<void(std::string_view text)>& reader) const;

    const InstallContext& Context() const { return context_; }

private:
    bool Installed() const { return context_.isInstalled && context_.isInstalled(); }
    int Box(std::string_view caption, std::string_view text, int flags) const;
    std::string TimeStamp() const;
    // The data folder's Rivakel folder; the "Oops" box when there is no data folder.
    bool HaveRoot() const;
    void KeepLauncher() const;
    bool CopyProgram() const;
    // A game read once from its file and found fit to install into `folder`.
    struct CheckedGame {
        std::vector<uint8_t> bytes;
        GameFileStrings strings;
        std::string games;  // the Games folder it goes below
        std::string folder;
    };
    // Reads `source` and checks that it is a game whose folder below `folders`' Games is free or
    // its own; nothing is written.
    std::optional<CheckedGame> CheckGame(const std::string& source, const InstallFolders& folders) const;
    // Writes exactly the checked bytes over the game's file (whatever the case of its name).
    bool WriteGame(const CheckedGame& game) const;
    InstallFolders GameTargetFolders() const;
    std::string LaunchFile(std::string_view name) const;
    DesktopSetup Desktop() const;

    InstallContext context_;
    mutable InstallFailure failure_ = InstallFailure::None;
};

// The support text of a failed copy of shipped files, with the system's error code.
std::string Issue180Text(std::string_view supportAddress, int errorCode);
