// A fresh home for one test: data, documents, desktop and application folders in a temporary
// folder, a launch folder with the files an installation brings, and the built test games.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/install/Installer.h"
#include "platform/Host.h"
#include "platform/Platform.h"

class InstallTestHome {
public:
    InstallTestHome() {
        std::string pattern = platform::JoinPath(platform::TempFolder(), "rivakel-install-XXXXXX");
        root_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
        folders_.dataRoot = Path("data");
        folders_.documents = Path("Documents");
        folders_.desktop = Path("Desktop");
        folders_.applications = Path("data/applications");
        platform::CreateFolders(Launch());
    }
    ~InstallTestHome() {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root_, ignored))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(root_, ignored);
    }
    InstallTestHome(const InstallTestHome&) = delete;
    InstallTestHome& operator=(const InstallTestHome&) = delete;

    std::string Path(std::string_view relative) const { return platform::JoinPath(root_, relative); }
    const std::string& Root() const { return root_; }
    const InstallFolders& Folders() const { return folders_; }
    // The folder an e-mailed game unpacks into.
    std::string Launch() const { return Path("~rv1234"); }

    // Puts a built test game (e.g. "TestGame") into the launch folder as `name`.
    void ShipGame(std::string_view testGame, std::string_view name) const {
        platform::CopyFile(TestGame(testGame), platform::JoinPath(Launch(), name));
    }
    void Ship(std::string_view name, std::string_view content) const { Write(platform::JoinPath(Launch(), name), content); }
    static void Write(const std::string& path, std::string_view content) {
        platform::WriteFileAtomic(path, std::span(reinterpret_cast<const uint8_t*>(content.data()), content.size()));
    }
    static std::string Read(const std::string& path) {
        const auto data = platform::ReadWholeFile(path);
        return data ? std::string(data->begin(), data->end()) : std::string("<missing>");
    }
    static std::string TestGame(std::string_view name) {
        return platform::JoinPath(TEST_GAMES_DIR, std::string(name) + ".gam");
    }

    // Every file below `relative`, as paths relative to the home.
    std::vector<std::string> FilesBelow(std::string_view relative) const {
        std::vector<std::string> files;
        std::error_code ignored;
        const std::filesystem::path base(root_);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(Path(relative), ignored))
            if (!entry.is_directory()) files.push_back(std::filesystem::relative(entry.path(), base).string());
        return files;
    }

    // A context installing from the launch folder, without the desktop's tools; `boxes` and
    // `exits` record what the user would have seen.
    InstallContext Context(std::vector<std::string>* boxes = nullptr, std::vector<int>* exits = nullptr) {
        InstallContext context;
        context.folders = folders_;
        context.launchPath = Launch();
        context.setupFilePath = platform::JoinPath(Launch(), "_TestGame.run");
        // The command line names a game only when one came with the launcher.
        context.gameFile = platform::FileExists(platform::JoinPath(Launch(), "TestGame.gam")) ? "TestGame.gam" : "";
        context.shellFolder = Launch();
        context.runningProgram = platform::JoinPath(Launch(), kProgramFileName);
        context.shellVersion = "01.00.00.0001";
        context.supportAddress = "help@rivakel.example";
        context.icon = {2, 1, {0xFF00FF, 0x333399}};
        context.desktopTools = false;
        context.isInstalled = [this] { return installed_; };
        context.setInstalled = [this] { installed_ = true; };
        context.timeStampText = [] { return std::string("777"); };
        context.messageBox = [boxes](std::string_view caption, std::string_view text, int) {
            if (boxes != nullptr) boxes->push_back(std::string(caption) + "|" + std::string(text));
            return kInstallBoxAnswerOk;
        };
        context.exitProcess = [exits](int code) {
            if (exits != nullptr) exits->push_back(code);
        };
        Ship(kProgramFileName, "#!program");
        Ship("_TestGame.run", "#!launcher");
        return context;
    }
    bool Installed() const { return installed_; }

private:
    bool installed_ = false;
    std::string root_;
    InstallFolders folders_;
};
