// The Games page (the installed games' tiles, a row of recommended games) and the Remove-games
// page (the installed games' tiles, a click removes the game), and the removal itself.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frame/games/GameTable.h"
#include "frame/games/GameTile.h"

class CShell;
class CSurface;

// What removing a game takes from the session. Empty functions fail (and so stop the removal)
// or do nothing.
struct GamesPagesConfig {
    CGameTable* table = nullptr;
    // The application object's UninstallGame: identifier and name.
    std::function<bool(std::string_view id, std::string_view name)> uninstallGame;
    // The game's high scores and player names in the user store.
    std::function<bool(std::string_view id)> removeGameData;
    // Queues the "GameRemove" event.
    std::function<void(std::string_view id)> trackRemoval;
};

// A game the user may remove: its row of the table and what the removal asks about.
struct RemovableGame {
    int row = -1;
    std::string name;
    std::string identifier;
};

class CGamesPages final : public GameTileOwner {
public:
    CGamesPages(CShell& shell, GamesPagesConfig config) : shell_(shell), config_(std::move(config)) {}

    void ShowGames(CSurface& page);
    void ShowRemoveGames(CSurface& page);
    // The installed games as they are on disk now, in the Remove-games page's order.
    std::vector<RemovableGame> RemovableGames();
    // Asks, stops the game when it runs from this row's file, removes its files and then its
    // data, and shows the Games page again. False, with nothing removed, when the user declines,
    // the game cannot be stopped or its files cannot be removed; false too, and said in a box,
    // when the files went but the data could not be deleted (nothing of the game is then tracked
    // as removed).
    bool RemoveGame(int row);
    void OnTileClicked(int row, bool remove) override;

    // How many tiles the last page placed: installed ones and recommendations.
    int InstalledTiles() const { return installedTiles_; }
    int RecommendedTiles() const { return recommendedTiles_; }

private:
    // The installed games as framed tiles from (12, 82); `offset` marks removal tiles.
    void PlaceInstalledTiles(CSurface& page, int offset);
    void PlaceRecommendations(CSurface& page);

    CShell& shell_;
    GamesPagesConfig config_;
    int installedTiles_ = 0;
    int recommendedTiles_ = 0;
};

// Registers the "Games" and "Remove-games" pages with the shell window; other pages reach the
// removal through what it returns, which lives as long as the shell window's pages.
std::shared_ptr<CGamesPages> RegisterGamesPages(CShell& shell, GamesPagesConfig config);
