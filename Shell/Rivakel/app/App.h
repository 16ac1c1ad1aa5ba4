// The application object: main window, command line, paths, clipboard, browser, system report.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/install/Installer.h"
#include "platform/Platform.h"

class CApp {
public:
    // AppInit, with the program's arguments. Arguments that are neither start options, an RML
    // file nor the installer's fields show their box and end the process with -1.
    explicit CApp(std::span<const std::string> args);
    // Ends the main loop: sets the program's quit flag and wakes the loop.
    ~CApp();
    CApp(const CApp&) = delete;
    CApp& operator=(const CApp&) = delete;

    // The shell's own string table; a missing id gives an empty text. Always 0.
    int LoadResString(uint32_t id, std::span<char> buffer) const;
    std::string GetSkinName() const { return skinName_; }
    const std::string& GetTitle() const { return title_; }
    // 0 when a program was started for the address, else nonzero (http, https and mailto only).
    int OpenInBrowser(std::string_view url);
    void SendOSInfo();
    // Copies at most buffer.size() - 1 bytes and terminates; `length` is what was copied
    // (0 when the clipboard holds no text). Always 0.
    int GetClipboardText(std::span<char> buffer, int& length);
    int SetClipboardText(std::string_view text);

    bool IsInstalled() const { return installed_; }
    void SetInstalled() { installed_ = true; }
    // The folder found where the user store belongs at start; "" when there was none.
    const std::string& StoreInTheWay() const { return storeInTheWay_; }
    void SetShellPath(std::string_view path) { shellPath_ = path; }
    const std::string& GetLaunchPath() const { return launchPath_; }
    const std::string& GetShellPath() const { return shellPath_; }
    const std::string& GetSetupFilePath() const { return setupFilePath_; }
    const std::string& GetGameFile() const { return gameFile_; }
    void SetGameFile(std::string_view path) { gameFile_ = path; }

    // A game brought a cardback the user has not decided on; `Run` offers it.
    void SetCardbackPending(std::string_view path) {
        cardbackPending_ = true;
        cardbackPath_ = path;
    }
    bool CardbackPending() const { return cardbackPending_; }
    const std::string& CardbackPath() const { return cardbackPath_; }
    void ClearCardbackPending() {
        cardbackPending_ = false;
        cardbackPath_.clear();
    }

    // Installation and updates (AppInstall.cpp): each runs the installer on this application's
    // command line, folders and services.
    int Install();
    int InstallGame();
    void SendEID();
    void CopyFilesByPattern(std::string_view subfolder, std::string_view pattern);
    void UpdateCardbacks();
    bool UninstallGame(std::string_view identifier, std::string_view launcherName);
    // At session start, when not installed: an e-mailed game offers to install the shell.
    void PromptCompanionInstall();
    bool IsEmailedGame() const { return emailedGame_; }
    CInstaller Installer();

    // The shell's dialogs (drawn by the shell window; see core/dialogs/ShellDialogs.h).
    bool AskConfirmSave();
    int AskStopGameSaved();
    int AskQuitNotSaved();
    int AskQuitSaved();
    int ShowTermsOfService();
    int AskAutoInstall();
    int AskNeedNewGame();
    int ShowMessageBox(std::string_view caption, std::string_view text, int flags);
    // 1 OK (the entry copied, cut to the buffer), 2 Cancel.
    int InputBox(std::string_view caption, std::string_view prompt, std::string_view initialText,
                 std::span<char> buffer, int flags);

    void DebugTrap();
    void SleepMs(uint32_t ms);

    platform::Window* MainWindow() const;

private:
    void ParseCommandLine(std::span<const std::string> args);
    void CreateMainWindow();
    bool ProbeInstalled();

    std::string title_ = "Rivakel";
    std::string skinName_ = "Default.skn";
    bool installed_ = false;
    std::string storeInTheWay_;
    std::string shellPath_;
    std::string launchPath_;
    std::string setupFilePath_;
    std::string gameFile_;
    bool cardbackPending_ = false;
    std::string cardbackPath_;
    bool emailedGame_ = false;
};

// The application object of the session; null outside it.
extern CApp* g_pApp;

// For installation code with no application object at hand; empty outside the session.
std::string GetShellPath();
std::string GetLaunchPath();
std::string GetSetupFilePath();
std::string GetGameFile();

// What this platform reports in place of the DirectX probe: no DirectX at all.
struct VideoApiVersion {
    int code = 0;
    int platform = 0;
};
VideoApiVersion GetVideoApiVersion();

// The seven texts of the system report, in order.
std::vector<std::string> OsInfoFields();

// The shell's folder below the user's data folder, and the file whose presence means installed
// (a folder in its place too: the store keeps it aside).
std::string ShellDataFolder();
inline constexpr std::string_view kCoreStorePath = "Rivakel\\System\\Core.rdt";
