#include "frame/games/GamesPages.h"

#include <array>
#include <memory>

#include "core/base/Log.h"
#include "core/base/Strings.h"
#include "core/dialogs/ShellDialogs.h"
#include "core/graphics/Image.h"
#include "frame/games/FramedBox.h"
#include "frame/games/TilePlacement.h"
#include "frame/host/GameHost.h"
#include "frame/shell/Shell.h"
#include "frame/shell/ShellPictures.h"

namespace {

constexpr int kMaxRecommendations = 5;

void DrawText(CSurface& page, std::string_view rml, int x, int y, const platform::Rect* box = nullptr) {
    const std::string text(rml);
    page.GetCurImage()->DrawRML(text.c_str(), x, y, box, 0, nullptr);
}

// Tiles hold one reference of the page; the page releases them when it is left.
void Attach(CSurface& page, CGameTile* tile, platform::Point at) {
    tile->SetLoc(at.x, at.y);
    page.AttachSurface(tile);
}

void ScrollArrows(CSurface& page, int downY) {
    DrawPictureFrame(*page.GetCurImage(), "asl-btn-scroll_up-22x22.gif", 2, 470, 71);
    DrawPictureFrame(*page.GetCurImage(), "asl-btn-scroll_dn-22x22.gif", 2, 470, downY);
}

int OnGetMore(intptr_t* record) {
    reinterpret_cast<CShell*>(record[0])->ShowPage(page_name::kAllGames);
    return 0;
}

int OnSettings(intptr_t* record) {
    reinterpret_cast<CShell*>(record[0])->ShowPage(page_name::kSettings);
    return 0;
}

bool RunsFrom(const GameRecord& row) {
    CGameHost* host = GameHost();
    if (host == nullptr || !host->IsRunning() || row.modulePath.empty()) return false;
    std::array<char, 1024> running{};
    host->GetRunningModulePath(running);
    return row.modulePath == running.data();
}

// A page of the shell, forwarding to the shared pages object.
class GamesPage final : public IShellPage {
public:
    GamesPage(std::shared_ptr<CGamesPages> pages, bool removal) : pages_(std::move(pages)), removal_(removal) {}
    void Show(CShell& shell, CSurface& page) override {
        shell.PlayClick();
        if (removal_)
            pages_->ShowRemoveGames(page);
        else
            pages_->ShowGames(page);
    }

private:
    std::shared_ptr<CGamesPages> pages_;
    bool removal_;
};

}  // namespace

void CGamesPages::PlaceInstalledTiles(CSurface& page, int offset) {
    installedTiles_ = 0;
    CGameTable& table = *config_.table;
    table.Rescan([&](int row, GameInfo& info) {
        // A game whose own logo does not load shows its row's picture.
        CSurface* fallback = info.logo == nullptr || !info.logo->IsValid()
                                 ? LoadPicture(table.Row(row)->logo, CSurface::kFlagColorKeyed)
                                 : nullptr;
        Attach(page, new CGameTile(*this, fallback != nullptr ? fallback : info.logo, row + offset, info.pace, true),
               InstalledTilePosition(installedTiles_++));
        if (fallback != nullptr) fallback->ReleaseInternalRef();
    });
}

void CGamesPages::PlaceRecommendations(CSurface& page) {
    const std::vector<int> rows = config_.table->Recommendations(kMaxRecommendations);
    const std::vector<platform::Point> places = RecommendedTilePositions(static_cast<int>(rows.size()));
    recommendedTiles_ = static_cast<int>(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const GameRecord& row = *config_.table->Row(rows[i]);
        CSurface* logo = LoadPicture(row.logo, CSurface::kFlagColorKeyed);
        Attach(page, new CGameTile(*this, logo, rows[i], row.pace, false), places[i]);
        if (logo != nullptr) logo->ReleaseInternalRef();
    }
}

void CGamesPages::ShowGames(CSurface& page) {
    CImage& image = *page.GetCurImage();
    shell_.DrawPageImage("img-esrb-31x45.gif", 463, 6);
    DrawFramedBox(image, {6, 55, 486, 244, "txt-games_you_have-218x14.gif", true, false});
    ScrollArrows(page, 277);
    for (const int x : {296, 297})
        DrawText(page, "<S4><C6699ff>THINK<Cffcc99> , <C00cc00>RELAX<cffcc99> , or <cff3333>SWEAT", x, 58);

    PlaceInstalledTiles(page, 0);
    if (installedTiles_ == 0) DrawText(page, "<S2><c000000><B>You currently do not have any games.</b>", 110, 175);

    PlaceRecommendations(page);
    if (recommendedTiles_ == 0) {
        const platform::Rect box{90, 330, 400, 400};
        DrawText(page,
                 "<S3><b><C000000>Wow!  Looks like you have all our games installed.  But don't worry - more cool "
                 "games are coming soon.  Don't miss out on the excitement - Join today!</b>",
                 90, 330, &box);
    } else {
        shell_.MakeImageButton("btn-txt-allget-135x24.gif", 185, 394, 0, OnGetMore);
        shell_.DrawPageImage("txt-rv_rec_games-397x14.gif", 48, 304);
    }
}

void CGamesPages::ShowRemoveGames(CSurface& page) {
    DrawFramedBox(*page.GetCurImage(), {6, 55, 486, 294, "txt-click_remove_game-187x14.gif", true, false});
    ScrollArrows(page, 327);
    PlaceInstalledTiles(page, kRemoveTileOffset);
    recommendedTiles_ = 0;
    shell_.MakeImageButton("btn-txt-allget-135x24.gif", 55, 370, 0, OnGetMore);
    DrawText(page, "<S4><c000000>Replace the games you remove", 48, 398);
    shell_.MakeImageButton("btn-txt-settings-78x24.gif", 363, 370, 0, OnSettings);
    DrawText(page, "<S4><c000000>Change the way Rivakel looks and feels", 300, 398);
    if (installedTiles_ == 0)
        DrawText(page, "<S2><c000000><B>You currently do not have any games installed.</b>", 78, 200);
}

std::vector<RemovableGame> CGamesPages::RemovableGames() {
    std::vector<RemovableGame> games;
    config_.table->Rescan([&](int row, GameInfo&) {
        const GameRecord& record = *config_.table->Row(row);
        games.push_back({row, record.name, record.guid});
    });
    return games;
}

void CGamesPages::OnTileClicked(int row, bool remove) {
    if (remove)
        RemoveGame(row);
    else
        shell_.LaunchGame(row);
}

bool CGamesPages::RemoveGame(int index) {
    const GameRecord* found = config_.table->Row(index);
    if (found == nullptr || !found->installed) return false;
    // Copies: the boxes below run the loop, and the page with this row's tile may be rebuilt.
    const GameRecord row = *found;
    const char* name = row.name.c_str();
    const std::string question = FormatToString(
        "Are you sure you want to remove %s from\nthe Rivakel Game Companion?  Your %s high\nscores and player names "
        "will be deleted.",
        name, name);
    if (ShowMessageBox("Confirm Deletion", question, kMessageBoxOkCancel | kMessageBoxExclamation) != 1) return false;
    if (RunsFrom(row) && !shell_.ConfirmStopGame()) return false;
    // The files go first: when they cannot, the scores stay with the game.
    if (!config_.uninstallGame || !config_.uninstallGame(row.guid, row.name)) {
        Error("CGamesPages::RemoveGame: %s could not be removed", name);
        ShowMessageBox("Game Not Removed",
                       FormatToString("%s could not be removed from\nthe Rivakel Game Companion.", name), 0);
        shell_.ShowPage(page_name::kGames);
        return false;
    }
    config_.table->MarkRemoved(index);
    if (!config_.removeGameData || !config_.removeGameData(row.guid)) {
        Error("CGamesPages::RemoveGame: %s was removed, but its high scores and player names could not be deleted",
              name);
        ShowMessageBox("Game Removed",
                       FormatToString("%s was removed, but its high scores and player names\ncould not be deleted.",
                                      name),
                       0);
        shell_.ShowPage(page_name::kGames);
        return false;
    }
    Info("CGamesPages::RemoveGame: %s was removed with its high scores and player names", name);
    if (config_.trackRemoval) config_.trackRemoval(row.guid);
    ShowMessageBox("Game Deleted", FormatToString("%s has been successfully removed from\nthe Rivakel Game Companion.", name),
                   0);
    shell_.ShowPage(page_name::kGames);
    return true;
}

std::shared_ptr<CGamesPages> RegisterGamesPages(CShell& shell, GamesPagesConfig config) {
    auto pages = std::make_shared<CGamesPages>(shell, std::move(config));
    shell.RegisterPage(page_name::kGames, std::make_unique<GamesPage>(pages, false));
    shell.RegisterPage(page_name::kRemoveGames, std::make_unique<GamesPage>(pages, true));
    return pages;
}
