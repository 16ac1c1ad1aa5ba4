// The Games pages in the running portal on the headless backend: tiles of installed games start
// them, recommendations fill the row below, and the removal list removes a game for good, with
// its scores.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/graphics/Image.h"
#include "core/outbox/COutbox.h"
#include "frame/games/GameTile.h"
#include "frame/games/GamesPages.h"
#include "frame/shell/tests/ShellSession.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kGameId = "{5E11A7E5-7E57-4A3E-9A3E-5E11A7E57E57}";
constexpr uint32_t kBoard = 0x99CCCC;
// Where the big skin puts the page surface.
constexpr int kPageX = 189, kPageY = 129;

std::vector<CGameTile*> Tiles(const CShell& shell) {
    std::vector<CGameTile*> tiles;
    for (CSurface* child : shell.PageSurface()->Children())
        if (auto* tile = dynamic_cast<CGameTile*>(child)) tiles.push_back(tile);
    return tiles;
}

class GamesPagesTest : public ShellSession {
protected:
    void SetUp() override {
        ShellSession::SetUp();
        if (const char* home = std::getenv("HOME")) home_ = home;
        setenv("HOME", (root_ / "home").c_str(), 1);
    }
    void TearDown() override {
        ShellSession::TearDown();
        setenv("HOME", home_.c_str(), 1);
    }
    // The shell installed with the shell window's test game in its Games folder and the launcher
    // it came with among the documents.
    void InstallTestGame() {
        MakeInstalled();
        const fs::path folder = root_ / "data/Rivakel/Games" / kGameId;
        fs::create_directories(folder);
        fs::copy_file(SHELL_TEST_GAME, folder / (std::string(kGameId) + ".gam"));
        fs::create_directories(Launchers());
        std::ofstream(Launchers() / "_Shell Test Game.run") << "#!launcher";
    }
    fs::path Launchers() const { return root_ / "home/Documents/My Rivakel"; }
    int RemovableRow() const { return test_portal::GamesPages()->RemovableGames().at(0).row; }
    // The game started from its tile keeps a best player, as games do, and is stopped again.
    void PlayAndKeepAScore() {
        TheShell().LaunchGame(RemovableRow());
        Pump(100);
        ASSERT_TRUE(TheShell().GameRunning());
        ASSERT_EQ(UserStore()->SetUserProp("Score1Name", "Ann"), kStoreOk);
        ExpectPress("IDD_QUIT_SAVED", kIdAccept);
        ASSERT_TRUE(TheShell().ConfirmStopGame());
        ASSERT_FALSE(TheShell().GameRunning());
        ASSERT_EQ(UserStore()->SaveCore(), kStoreOk);
        ASSERT_NE(CoreFile().find("Ann"), std::string::npos);
    }
    std::string CoreFile() const {
        std::ifstream in(root_ / "data/Rivakel/System/Core.rdt", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool Queued(std::string_view function) const {
        const RdtNode* queue = Outbox() != nullptr ? Outbox()->Queue().Element() : nullptr;
        for (size_t i = 0; queue != nullptr && i < queue->ChildCount(); ++i) {
            const std::string* name = queue->ChildAt(i)->AttrValue("Function");
            if (name != nullptr && *name == function) return true;
        }
        return false;
    }
    void ClickTile(const CGameTile& tile) {
        int x = 0, y = 0;
        tile.GetLoc(x, y);
        Click(kPageX + x + 40, kPageY + y + 30);
    }

    std::string home_;
};

TEST_F(GamesPagesTest, AnInstalledGamesTileStartsItAndTheCatalogueFillsTheRowBelow) {
    InstallTestGame();
    Start();
    TheShell().ShowPage(page_name::kGames);
    const auto tiles = Tiles(TheShell());
    ASSERT_EQ(tiles.size(), 6u);
    EXPECT_TRUE(tiles[0]->Framed());
    int x = 0, y = 0;
    tiles[0]->GetLoc(x, y);
    EXPECT_EQ(x, 12);
    EXPECT_EQ(y, 82);
    for (size_t i = 1; i < tiles.size(); ++i) {
        EXPECT_FALSE(tiles[i]->Framed());
        tiles[i]->GetLoc(x, y);
        EXPECT_EQ(y, 321);
    }
    EXPECT_EQ(TheShell().Games().Entry(tiles[0]->Row())->name, "Shell Test Game");

    ClickTile(*tiles[0]);
    Pump(100);
    ASSERT_TRUE(TheShell().GameRunning());
    EXPECT_EQ(Pixel(kPageX + 300, kPageY + 100), kBoard);
}

// The game's file went away while another game ran under the Games page: the box names the game
// as its tile does, and while it is up the menu offers nothing for the game that was stopped.
TEST_F(GamesPagesTest, AGameWhoseFileIsGoneIsNamedAndTheStoppedGameOffersNoWayBack) {
    InstallTestGame();
    Start();
    TheShell().ShowPage(page_name::kGames);
    ClickTile(*Tiles(TheShell())[0]);
    ASSERT_TRUE(TheShell().GameRunning());
    Click(300, 24);  // Games, over the game
    ASSERT_NE(TheShell().MenuButtons()[0], nullptr);  // Back to Game
    fs::remove(root_ / "data/Rivakel/Games" / kGameId / (std::string(kGameId) + ".gam"));

    ExpectPress("IDD_QUIT_SAVED", kIdAccept);
    Expect("MESSAGEBOX", [this](CDialog& dialog) {
        EXPECT_EQ(dialog.Caption(), "Game Not Found");
        const std::vector<std::string> texts = dialog.Texts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_TRUE(texts[0].starts_with("We're sorry, but the game \"Shell Test Game\" can't be found.")) << texts[0];
        EXPECT_EQ(texts[0].find('{'), std::string::npos) << texts[0];
        for (const CSurface* button : TheShell().MenuButtons()) EXPECT_EQ(button, nullptr);
        dialog.Press(kIdOk);
    });
    ClickTile(*Tiles(TheShell())[0]);
    EXPECT_EQ(seen_, (std::vector<std::string>{"IDD_QUIT_SAVED", "MESSAGEBOX"}));
    EXPECT_FALSE(TheShell().GameRunning());
    EXPECT_EQ(TheShell().CurrentPage(), "Games");
}

TEST_F(GamesPagesTest, TheRemovalListAsksRemovesTheFilesAndScoresAndShowsTheGamesPageWithoutIt) {
    InstallTestGame();
    Start();
    PlayAndKeepAScore();
    seen_.clear();
    TheShell().ShowPage(page_name::kRemoveGames);
    auto tiles = Tiles(TheShell());
    ASSERT_EQ(tiles.size(), 1u);
    EXPECT_TRUE(tiles[0]->Removes());

    // Cancel keeps everything.
    ExpectPress("MESSAGEBOX", kIdCancel);
    ClickTile(*tiles[0]);
    EXPECT_TRUE(fs::exists(root_ / "data/Rivakel/Games" / kGameId));

    ExpectPress("MESSAGEBOX", kIdOk);  // Confirm Deletion
    ExpectPress("MESSAGEBOX", kIdOk);  // Game Deleted
    ClickTile(*Tiles(TheShell())[0]);
    EXPECT_EQ(seen_.size(), 3u);
    EXPECT_TRUE(fs::is_empty(root_ / "data/Rivakel/Games"));
    EXPECT_TRUE(fs::is_empty(Launchers()));
    EXPECT_EQ(TheShell().CurrentPage(), "Games");
    for (const CGameTile* tile : Tiles(TheShell())) EXPECT_FALSE(tile->Framed());
    // As the box said: the scores went with the game, on the disk too; the rest stays.
    const std::string core = CoreFile();
    EXPECT_EQ(core.find(kGameId), std::string::npos);
    EXPECT_EQ(core.find("Ann"), std::string::npos);
    EXPECT_NE(core.find("<Email>guest</Email>"), std::string::npos);
    EXPECT_TRUE(Queued("GameRemove"));
}

TEST_F(GamesPagesTest, ScoresThatCannotBeDeletedAreSaidSoAndTheRemovalIsNotTracked) {
    InstallTestGame();
    Start();
    PlayAndKeepAScore();
    // A folder where the store's file goes: the store cannot be written.
    const fs::path core = root_ / "data/Rivakel/System/Core.rdt";
    fs::remove(core);
    fs::create_directories(core / "blocker");
    ExpectPress("MESSAGEBOX", kIdOk);  // Confirm Deletion
    ExpectPress("MESSAGEBOX", kIdOk);  // Game Removed, but not its scores
    seen_.clear();
    EXPECT_FALSE(test_portal::GamesPages()->RemoveGame(RemovableRow()));
    EXPECT_EQ(seen_.size(), 2u);
    EXPECT_TRUE(fs::is_empty(root_ / "data/Rivakel/Games"));
    EXPECT_FALSE(Queued("GameRemove"));
    EXPECT_EQ(TheShell().CurrentPage(), "Games");
    fs::remove_all(core);
}

TEST_F(GamesPagesTest, OtherPagesListRemovableGamesAndRemoveOneByItsRow) {
    InstallTestGame();
    Start();
    const std::shared_ptr<CGamesPages> pages = test_portal::GamesPages();
    ASSERT_NE(pages, nullptr);
    const std::vector<RemovableGame> games = pages->RemovableGames();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].name, "Shell Test Game");
    EXPECT_EQ(games[0].identifier, kGameId);

    ExpectPress("MESSAGEBOX", kIdCancel);
    EXPECT_FALSE(pages->RemoveGame(games[0].row));
    EXPECT_EQ(pages->RemovableGames().size(), 1u);

    ExpectPress("MESSAGEBOX", kIdOk);
    ExpectPress("MESSAGEBOX", kIdOk);
    EXPECT_TRUE(pages->RemoveGame(games[0].row));
    EXPECT_TRUE(pages->RemovableGames().empty());
    EXPECT_TRUE(fs::is_empty(root_ / "data/Rivakel/Games"));
    // A row that is no longer installed, or none at all, asks nothing and removes nothing.
    EXPECT_FALSE(pages->RemoveGame(games[0].row));
    EXPECT_FALSE(pages->RemoveGame(-1));
    EXPECT_EQ(seen_.size(), 3u);
}

// The pages over a table of the test's own rows.
class GamesPagesTableTest : public GamesPagesTest {
protected:
    CGamesPages Pages(std::vector<GameRecord> rows, bool allInstalled) {
        GameTableConfig config;
        config.enumerateGames = [this, allInstalled](const auto& found) {
            if (allInstalled) found("one.gam", (root_ / "games").string());
        };
        config.readGameInfo = [](const std::string&, GameInfo& out) {
            out = GameInfo{};
            std::snprintf(out.id, sizeof out.id, "%s", "{A}");
            return 0;
        };
        table_ = std::make_unique<CGameTable>(std::move(config), std::move(rows));
        GamesPagesConfig pages;
        pages.table = table_.get();
        return CGamesPages(TheShell(), pages);
    }
    static GameRecord Row(const char* name, const char* guid) {
        GameRecord row;
        row.name = name;
        row.guid = guid;
        row.logo = "img-prevgamelogo-tallimo.gif";
        return row;
    }
    std::unique_ptr<CGameTable> table_;
};

TEST_F(GamesPagesTableTest, TwoRecommendationsAreCentredAndNoGamesSaysSo) {
    Start();
    TheShell().ShowPage(page_name::kSupport);  // a page without tiles of its own
    CGamesPages pages = Pages({Row("One", "{A}"), Row("Two", "{B}")}, false);
    pages.ShowGames(*TheShell().PageSurface());
    EXPECT_EQ(pages.InstalledTiles(), 0);
    const auto tiles = Tiles(TheShell());
    ASSERT_EQ(tiles.size(), 2u);
    int x = 0, y = 0;
    tiles[0]->GetLoc(x, y);
    EXPECT_EQ(x, 160);
    tiles[1]->GetLoc(x, y);
    EXPECT_EQ(x, 250);
    EXPECT_EQ(y, 323);
}

TEST_F(GamesPagesTableTest, WithEveryGameInstalledThePageSaysWowAndOffersNoButton) {
    Start();
    TheShell().ShowPage(page_name::kHome);
    CGamesPages pages = Pages({Row("One", "{A}")}, true);
    const size_t before = TheShell().PageSurface()->Children().size();
    pages.ShowGames(*TheShell().PageSurface());
    EXPECT_EQ(pages.InstalledTiles(), 1);
    EXPECT_EQ(pages.RecommendedTiles(), 0);
    // The one new child is the installed tile: no "get more" button.
    EXPECT_EQ(TheShell().PageSurface()->Children().size(), before + 1);
}

}  // namespace
