#include <gtest/gtest.h>

#include <map>

#include "core/base/Strings.h"
#include "frame/games/GameTable.h"
#include "frame/games/TilePlacement.h"

namespace {

constexpr const char* kBrisquet2Guid = "{6BC6DB2C-66A8-4B26-9C3D-398831B011A2}";
constexpr const char* kHexavonGuid = "{0714D4AA-FBC7-4E29-9B03-E3BA5BE20AE6}";
constexpr const char* kDunmoroGuid = "{681FDB0B-DF7A-4E91-9445-0D7CF22687E7}";

GameInfo Info(const char* name, const char* id, int pace = 1) {
    GameInfo info;
    SafeStrCpy(info.name, name);
    SafeStrCpy(info.id, id);
    SafeStrCpy(info.version, "01.00.00.0001");
    info.pace = pace;
    return info;
}

// A table whose "disk" holds the given files (path -> description).
class GameTableTest : public ::testing::Test {
protected:
    CGameTable Table() {
        GameTableConfig config;
        config.enumerateGames = [this](const auto& found) {
            for (const auto& [path, info] : files_) found(path.substr(path.rfind('/') + 1), path.substr(0, path.rfind('/')));
        };
        config.readGameInfo = [this](const std::string& path, GameInfo& out) {
            const auto file = files_.find(path);
            if (file == files_.end()) return 4;
            out = file->second;
            return 0;
        };
        return CGameTable(std::move(config));
    }
    std::map<std::string, GameInfo> files_;
};

std::vector<std::string> Names(const CGameTable& table, const std::vector<int>& rows) {
    std::vector<std::string> names;
    for (int row : rows) names.push_back(table.Row(row)->name);
    return names;
}

TEST_F(GameTableTest, InstalledFilesMarkTheirRowsByTheWholeIdentifier) {
    files_["/g/b2/b2.gam"] = Info("Brisquet2", "{6bc6db2c-66a8-4b26-9c3d-398831b011a2}", 2);
    files_["/g/d/d.gam"] = Info("DunmoroSilver", kDunmoroGuid);
    CGameTable table = Table();
    table.FindInstalled();
    const GameRecord& brisquet2 = *table.Row(11);
    EXPECT_TRUE(brisquet2.installed);
    EXPECT_EQ(brisquet2.modulePath, "/g/b2/b2.gam");
    EXPECT_EQ(brisquet2.folder, "/g/b2");
    EXPECT_EQ(brisquet2.version, "01.00.00.0001");
    // Rows 2 and 3 share an identifier: the first one is the installed game.
    EXPECT_TRUE(table.Row(2)->installed);
    EXPECT_FALSE(table.Row(3)->installed);
    EXPECT_EQ(table.Count(), 16);
    EXPECT_EQ(table.IndexOfFile("/g/b2/b2.gam"), 11);

    table.ClearInstalled();
    EXPECT_FALSE(table.Row(11)->installed);
}

TEST_F(GameTableTest, AnUnknownGameGetsAnInstalledRowThatIsNeverRecommended) {
    files_["/g/x/x.gam"] = Info("Mystery", "{11111111-2222-3333-4444-555555555555}");
    files_["/g/y/y.gam"] = Info("Junk", (std::string(kBrisquet2Guid) + "junk").c_str());
    files_["/g/z/z.gam"] = Info("Broken", "../..");
    files_["/g/e/e.gam"] = Info("Empty", "");
    CGameTable table = Table();
    int found = 0;
    table.EnumerateInstalled([&found](int, GameInfo&) { ++found; });
    EXPECT_EQ(found, 2) << "identifiers that are no plain names are passed over";
    ASSERT_EQ(table.Count(), 18);
    EXPECT_EQ(table.Row(16)->name, "Mystery");
    EXPECT_EQ(table.Row(17)->name, "Junk");
    EXPECT_TRUE(table.Row(16)->installed);
    EXPECT_EQ(table.Row(16)->logo, "img-prevgamelogo-brisquet.gif");
    EXPECT_FALSE(table.Row(11)->installed) << "an identifier with more after it is another game";
    table.FindInstalled();
    EXPECT_EQ(table.Count(), 18) << "a second enumeration finds the appended rows";
    for (int row : table.Recommendations(100)) EXPECT_FALSE(table.Row(row)->appended);
}

TEST_F(GameTableTest, RecommendationsLeaveOutEditionsInstalledGamesAndPlimseyOnceHexavonIsThere) {
    CGameTable table = Table();
    EXPECT_EQ(Names(table, table.Recommendations(5)),
              (std::vector<std::string>{"Brisquet", "Tallimo", "Dunmoro", "Plimsey", "Pennimar"}));
    files_["/g/h/h.gam"] = Info("UltraHexavon", kHexavonGuid);
    files_["/g/t/t.gam"] = Info("Tallimo", "{273A0148-835F-43CB-B87B-20053BDE3636}");
    table.FindInstalled();
    EXPECT_TRUE(table.HidesPlimsey());
    EXPECT_EQ(Names(table, table.Recommendations(5)),
              (std::vector<std::string>{"Brisquet", "Dunmoro", "Pennimar", "Vintrel", "Glimtide"}));
    EXPECT_EQ(table.Recommendations(100).size(), 12u);

    // A removed game is offered again.
    table.MarkRemoved(1);
    EXPECT_EQ(Names(table, table.Recommendations(2)), (std::vector<std::string>{"Brisquet", "Tallimo"}));
    EXPECT_EQ(table.Entry(1)->module, "");
}

TEST_F(GameTableTest, TheCommandLinesGameIsTheRowWithTheLongestNameItBeginsWith) {
    CGameTable table = Table();
    const std::pair<const char*, int> cases[] = {
        {"Brisquet2.gam", 11}, {"brisquet.gam", 0},  {"/tmp/~rv1/Dunmoro.gam", 2}, {"DUNMOROSILVER.gam", 3},
        {"hexavon.gam", 5},    {"Slorrow2.gam", 14}, {"Unknown.gam", -1},         {"", -1},
    };
    for (const auto& [file, row] : cases) EXPECT_EQ(table.IndexOfFile(file), row) << file;
}

TEST_F(GameTableTest, TheTableHoldsAtMostAHundredRows) {
    for (int i = 0; i < 120; ++i) {
        char id[64];
        std::snprintf(id, sizeof id, "{%08d-0000-0000-0000-000000000000}", i);
        files_["/g/" + std::to_string(1000 + i) + "/x.gam"] = Info("Many", id);
    }
    CGameTable table = Table();
    table.FindInstalled();
    EXPECT_EQ(table.Count(), CGameTable::kMaxRows);
    EXPECT_EQ(table.Entry(CGameTable::kMaxRows), std::nullopt);
    EXPECT_EQ(table.Entry(-1), std::nullopt);
}

TEST(TilePlacement, InstalledTilesFillRowsOfFiveAndRecommendationsAreCentred) {
    EXPECT_EQ(InstalledTilePosition(0).x, 12);
    EXPECT_EQ(InstalledTilePosition(0).y, 82);
    EXPECT_EQ(InstalledTilePosition(4).x, 380);
    EXPECT_EQ(InstalledTilePosition(5).x, 12);
    EXPECT_EQ(InstalledTilePosition(5).y, 155);
    const std::vector<std::vector<int>> xs = {{}, {205}, {160, 250}, {115, 205, 295}, {70, 160, 250, 340},
                                              {23, 115, 207, 299, 391}};
    for (int count = 0; count <= 5; ++count) {
        const auto places = RecommendedTilePositions(count);
        ASSERT_EQ(places.size(), xs[static_cast<size_t>(count)].size());
        for (size_t i = 0; i < places.size(); ++i) {
            EXPECT_EQ(places[i].x, xs[static_cast<size_t>(count)][i]) << count;
            EXPECT_EQ(places[i].y, count == 5 ? 321 : 323) << count;
        }
    }
    EXPECT_EQ(RecommendedTilePositions(9).size(), 5u);
}

}  // namespace
