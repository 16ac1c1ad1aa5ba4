#include "app/SessionGames.h"

#include <cstdlib>

#include "app/App.h"
#include "core/base/CSubsystem_Clock.h"
#include "core/files/CSubsystem_File.h"
#include "core/install/InstallMessages.h"
#include "core/store/UserStore.h"
#include "frame/games/GameTable.h"
#include "frame/games/GamesPages.h"
#include "frame/host/GameHost.h"
#include "frame/shell/Shell.h"

namespace {

// The pages belong to the shell window; this only finds them while they live.
std::weak_ptr<CGamesPages>& GamesPagesSlot() {
    static std::weak_ptr<CGamesPages> pages;
    return pages;
}

}  // namespace

std::unique_ptr<CGameTable> MakeSessionGameTable() {
    GameTableConfig config;
    config.readGameInfo = [](const std::string& path, GameInfo& out) {
        CGameHost* host = GameHost();
        return host != nullptr ? host->ReadGameInfo(path, out) : kHostFailed;
    };
    config.enumerateGames = [](const FileFoundCallback& found) {
        if (CSubsystem_File* files = FileService()) files->EnumerateGames(found);
    };
    return std::make_unique<CGameTable>(std::move(config));
}

GamesPagesConfig SessionGamesPagesConfig(CGameTable* table) {
    GamesPagesConfig config;
    config.table = table;
    config.uninstallGame = [](std::string_view id, std::string_view name) {
        return g_pApp != nullptr && g_pApp->UninstallGame(id, name);
    };
    config.removeGameData = [](std::string_view id) {
        CSubsystem_UserStore* store = UserStore();
        return store != nullptr && store->RemoveGameData(id);
    };
    config.trackRemoval = [](std::string_view id) {
        TrackEvent(UserStore(), "GameRemove", kPriorityGameInstall, id, ClockNow().secondsText);
    };
    return config;
}

void AddGamesToShellConfig(ShellConfig& config) {
    // A development run of one game module (RIVAKEL_GAME) keeps the shell's table of that game;
    // the variable set empty names none.
    const char* devGame = std::getenv(kDevGameVariable);
    if (devGame == nullptr || *devGame == '\0') {
        std::unique_ptr<CGameTable> table = MakeSessionGameTable();
        CGameTable* games = table.get();
        config.games = std::move(table);
        config.registerPages = [games](CShell& shell) {
            GamesPagesSlot() = RegisterGamesPages(shell, SessionGamesPagesConfig(games));
        };
    }
    config.installShell = [] {
        if (g_pApp != nullptr) g_pApp->Install();
    };
    config.installGame = [](std::string_view) {
        if (g_pApp == nullptr) return;
        g_pApp->InstallGame();
        g_pApp->Installer().RegisterFileType();
    };
}

std::shared_ptr<CGamesPages> SessionGamesPages() { return GamesPagesSlot().lock(); }
