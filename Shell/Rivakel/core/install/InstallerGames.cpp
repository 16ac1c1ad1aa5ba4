#include "core/base/Log.h"
#include "core/base/Strings.h"
#include "core/files/CSubsystem_File.h"
#include "core/files/FileNames.h"
#include "core/install/GameIdentifier.h"
#include "core/install/InstallMessages.h"
#include "core/install/Installer.h"
#include "platform/Host.h"

namespace {

// Temporary names of the platform's atomic writes and of folders being removed: hidden, so no
// enumeration of games ever sees them.
constexpr std::string_view kTemporaryPrefix = ".rvk-";

// The game as it is installed: its strings, read from its file.
struct InstalledGame {
    GameFileStrings strings;
    std::string path;
};

std::string BaseName(std::string_view gameFile) {
    std::string_view name = LastComponent(gameFile);
    if (name.size() >= kGameExtension.size() &&
        EqualsNoCase(name.substr(name.size() - kGameExtension.size()), kGameExtension))
        name.remove_suffix(kGameExtension.size());
    return std::string(name);
}

// What a killed copy or removal left behind: a temporary file in a game's folder, a folder
// being removed below Games.
void SweepTemporaries(const std::string& folder) {
    for (const auto& entry : platform::ListFolder(folder)) {
        if (!entry.name.starts_with(kTemporaryPrefix)) continue;
        const std::string path = platform::JoinPath(folder, entry.name);
        if (!platform::RemoveTree(path)) Warning("CInstaller: cannot remove %s", path.c_str());
    }
}

std::vector<InstalledGame> InstalledGames(CSubsystem_File* files, const InstallFolders& folders) {
    std::vector<InstalledGame> games;
    auto add = [&games](const std::string& file, const std::string& folder) {
        const std::string path = platform::JoinPath(folder, file);
        if (auto strings = ReadGameFile(path)) games.push_back({std::move(*strings), path});
    };
    if (files != nullptr) {
        files->EnumerateGames(add);
        return games;
    }
    for (const auto& entry : platform::ListFolder(folders.Games())) {
        if (!entry.isFolder || entry.name.starts_with('.')) continue;
        const std::string folder = platform::JoinPath(folders.Games(), entry.name);
        add(entry.name + std::string(kGameExtension), folder);
    }
    return games;
}

}  // namespace

std::optional<CInstaller::CheckedGame> CInstaller::CheckGame(const std::string& source,
                                                             const InstallFolders& folders) const {
    auto bytes = platform::ReadWholeFile(source, kMaxGameFileBytes);
    std::string why = "the file cannot be read";
    auto strings = bytes ? ReadGameImage(*bytes, &why) : std::nullopt;
    if (!strings) {
        Error("CInstaller: %s is not a game: %s", source.c_str(), why.c_str());
        failure_ = bytes ? InstallFailure::NotAGame : InstallFailure::GameMissing;
        return std::nullopt;
    }
    const auto folder = folders.GameFolder(strings->identifier);
    const bool taken = folder && (platform::FileExists(*folder) ||
                                  (platform::FolderExists(*folder) && !platform::IsRealFolder(*folder)));
    if (!folder || taken) {
        Error("CInstaller: the folder of game %s is taken by something else", strings->identifier.c_str());
        failure_ = InstallFailure::GameFolderTaken;
        return std::nullopt;
    }
    return CheckedGame{std::move(*bytes), std::move(*strings), folders.Games(), *folder};
}

bool CInstaller::WriteGame(const CheckedGame& game) const {
    SweepTemporaries(game.games);
    if (!platform::CreateFolders(game.folder)) {
        Error("CInstaller: cannot create %s", game.folder.c_str());
        return false;
    }
    SweepTemporaries(game.folder);
    // An update whose identifier differs only in case replaces the old file instead of joining it.
    const std::string name = game.strings.identifier + std::string(kGameExtension);
    const std::string target = platform::ResolvePath(game.folder, name).value_or(platform::JoinPath(game.folder, name));
    if (!platform::WriteFileAtomic(target, game.bytes)) {
        Error("CInstaller: cannot write %s", target.c_str());
        return false;
    }
    return true;
}

InstallFolders CInstaller::GameTargetFolders() const {
    // A shell installed somewhere else than the data folder keeps its games beside itself.
    InstallFolders folders = context_.folders;
    const std::string& program = context_.runningProgram;
    if (!MatchesPattern(program, "*~rv*")) {
        const size_t slash = program.rfind('/');
        const size_t parent = slash == std::string::npos || slash == 0 ? std::string::npos : program.rfind('/', slash - 1);
        if (parent != std::string::npos && parent > 0) {
            InstallFolders beside = folders;
            beside.dataRoot = program.substr(0, parent);
            if (beside.Program() == program) return beside;
        }
    }
    return folders;
}

bool CInstaller::InstallGameFile(std::string_view gameFile) {
    KeepLauncher();
    if (!HaveRoot()) return false;
    const std::string source = LaunchFile(gameFile);
    if (source.empty()) {
        Error("CInstaller::InstallGameFile: refused game file name");
        return false;
    }
    const std::optional<CheckedGame> game = CheckGame(source, GameTargetFolders());
    return game && WriteGame(*game);
}

int CInstaller::InstallGame() {
    const std::string source = LaunchFile(context_.gameFile);
    const auto offered = source.empty() ? std::nullopt : ReadGameFile(source);
    if (!offered) {
        Error("CInstaller::InstallGame: %s is not a game", context_.gameFile.c_str());
        return kInstallFailed;
    }
    const std::string baseName = BaseName(context_.gameFile);
    bool found = false;
    for (const InstalledGame& game : InstalledGames(context_.files, context_.folders)) {
        if (!ReplacesInstalledGame(game.strings, baseName, *offered)) continue;
        found = true;
        if (CompareVersions(game.strings.parsed, offered->parsed) >= 0) return kInstallOk;
    }
    if (!InstallGameFile(context_.gameFile)) return kInstallFailed;
    if (!found) TrackEvent(context_.store, "GameInstall", kPriorityGameInstall, offered->identifier, TimeStamp());
    return kInstallOk;
}

bool CInstaller::UninstallGame(std::string_view identifier, std::string_view launcherName) {
    if (context_.folders.dataRoot.empty()) return false;
    const auto folder = context_.folders.GameFolder(identifier);
    if (!folder) {
        Error("CInstaller::UninstallGame: refused game identifier");
        return false;
    }
    if (!platform::IsRealFolder(*folder)) return false;
    // The game leaves the listing in one step; its files go afterwards, and what a killed
    // removal leaves under its hidden name goes with the next one.
    const std::string games = context_.folders.Games();
    const std::string doomed = platform::JoinPath(games, std::string(kTemporaryPrefix) + platform::NewGuidText());
    if (!platform::RenamePath(*folder, doomed)) {
        Error("CInstaller::UninstallGame: cannot remove %s", folder->c_str());
        return false;
    }
    SweepTemporaries(games);
    if (IsValidLauncherName(launcherName)) {
        // Under the game's name, or under the name an e-mailed game's launcher came with.
        for (const std::string& name : {std::string(launcherName), "_" + std::string(launcherName)})
            platform::DeleteFile(platform::JoinPath(context_.folders.MyRivakel(), name + std::string(kLauncherExtension)));
    } else if (!launcherName.empty()) {
        Error("CInstaller::UninstallGame: refused launcher name");
    }
    return true;
}
