#include "frame/host/GameHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/base/Log.h"
#include "core/files/CSubsystem_File.h"
#include "core/graphics/Surface.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/host/GameInfo.h"
#include "frame/host/GuidText.h"
#include "frame/host/tests/GameHostTestServices.h"

namespace {

const std::string kTestGameId = "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";

class GameHostTest : public ::testing::Test {
protected:
    std::string Text(int (CGameHost::*get)(std::span<char>) const) {
        char text[300] = "junk";
        (services.Host().*get)(std::span<char>(text));
        return text;
    }
    bool Logged(const std::string& line) {
        const auto& errors = ErrorList();
        return std::find(errors.begin(), errors.end(), line + "\r\n") != errors.end();
    }

    GameHostTestServices services;
};

// ---------------------------------------------------------------- reading a description

TEST_F(GameHostTest, DescriptionComesFromTheStringTableAndTheModulesOwnLogo) {
    GameInfo info;
    ASSERT_EQ(services.Host().ReadGameInfo(TestGamePath("TestGame"), info), kHostOk);
    EXPECT_STREQ(info.version, "01.02.03.0004");
    EXPECT_STREQ(info.name, "Test Game");
    EXPECT_STREQ(info.id, kTestGameId.c_str());
    EXPECT_EQ(info.category, kCategoryLogic);
    EXPECT_EQ(info.pace, kPaceMix);
    ASSERT_NE(info.logo, nullptr);
    int width = 0, height = 0;
    info.logo->GetSize(width, height);
    EXPECT_TRUE(info.logo->IsValid());
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 2);
    info.logo->ReleaseInternalRef();
    EXPECT_FALSE(services.Host().IsRunning());
}

TEST_F(GameHostTest, OptionalStringsDefaultAndCompareWithoutCase) {
    GameInfo bare;
    ASSERT_EQ(services.Host().ReadGameInfo(TestGamePath("TestGameBare"), bare), kHostOk);
    EXPECT_EQ(bare.category, kCategoryOther);
    EXPECT_EQ(bare.pace, kPaceOther);
    bare.logo->ReleaseInternalRef();

    GameInfo card;
    ASSERT_EQ(services.Host().ReadGameInfo(TestGamePath("TestGameCard"), card), kHostOk);
    EXPECT_EQ(card.category, kCategoryCard);
    EXPECT_EQ(card.pace, kPaceSweat);
    card.logo->ReleaseInternalRef();
}

TEST_F(GameHostTest, MissingFilesAndMissingRequiredStringsFail) {
    GameInfo info;
    EXPECT_EQ(services.Host().ReadGameInfo(TestGamePath("TestGameNoName"), info), kHostFailed);
    EXPECT_EQ(services.Host().ReadGameInfo(TestGamePath("NoSuchGame"), info), kHostFailed);
    EXPECT_EQ(services.Host().ReadGameInfo("", info), kHostFailed);
    EXPECT_EQ(info.logo, nullptr);
    EXPECT_EQ(services.Host().Start(TestGamePath("TestGameNoName"), ""), kHostFailed);
    EXPECT_FALSE(services.Host().IsRunning());
    EXPECT_TRUE(services.TrackLines().empty());
}

TEST_F(GameHostTest, RelativeNamesAreLookedForInTheGivenFolderThenTheDataFolderThenTheLaunchFolder) {
    const auto dataFolder = services.Folder() / "data";
    const auto launchFolder = services.Folder() / "launch";
    std::filesystem::create_directories(dataFolder);
    std::filesystem::create_directories(launchFolder);
    std::filesystem::copy_file(TestGamePath("TestGameCard"), launchFolder / "Game.gam");
    services.shellFolder = dataFolder.string();
    services.launchPath = (launchFolder / "rivakel").string();

    GameInfo info;
    ASSERT_EQ(services.Host().ReadGameInfo("game.GAM", info), kHostOk);
    EXPECT_EQ(info.category, kCategoryCard);
    info.logo->ReleaseInternalRef();

    std::filesystem::copy_file(TestGamePath("TestGameBare"), dataFolder / "Game.gam");
    ASSERT_EQ(services.Host().ReadGameInfo("Game.gam", info), kHostOk);
    EXPECT_STREQ(info.name, "Bare Game");
    info.logo->ReleaseInternalRef();

    ASSERT_EQ(services.Host().Start("TestGame.gam", TEST_GAMES_DIR), kHostOk);
    EXPECT_EQ(services.Host().Stop(), kHostOk);
    EXPECT_EQ(services.Host().ReadGameInfo("..\\launch\\Game.gam", info), kHostFailed);
}

TEST_F(GameHostTest, AGameFindsFilesBesideItAfterItsResourcesAndNothingOutsideItsFolder) {
    const auto games = services.Folder() / "games";
    std::filesystem::create_directories(games);
    std::filesystem::copy_file(TestGamePath("TestGame"), games / "Game.gam");
    const auto write = [](const std::filesystem::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    };
    write(games / "LEVEL.TXT", "level one\n");
    write(games / "Shared.txt", "from the folder\n");
    write(services.Folder() / "Secret.txt", "secret\n");

    ASSERT_EQ(services.Host().Start("Game.gam", games.string()), kHostOk);
    EXPECT_EQ(services.GameValue(kTestGameId, "Level"), "level one");
    EXPECT_EQ(services.GameValue(kTestGameId, "Shared"), "from the resources");
    EXPECT_EQ(services.GameValue(kTestGameId, "Secret"), "");
    services.Host().Stop();
    CFile* file = FileService()->OpenFile("Level.txt");
    EXPECT_FALSE(file->IsOpen());
    FileService()->CloseFile(file);
}

// ---------------------------------------------------------------- a play session

TEST_F(GameHostTest, StartHandsTheGameItsRecordAndStopTakesEverythingBack) {
    const int liveBefore = LiveInterfaceObjects();
    ASSERT_EQ(services.Host().Start(TestGamePath("TestGame"), ""), kHostOk);
    EXPECT_TRUE(services.Host().IsRunning());
    AppletRecord* record = services.Host().Record();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->reserved, 0);
    EXPECT_NE(record->gameArea, nullptr);
    EXPECT_NE(record->pageArea, nullptr);
    EXPECT_NE(record->services, nullptr);
    EXPECT_NE(record->settings, nullptr);
    EXPECT_NE(record->factory, nullptr);
    EXPECT_EQ(services.shellWindow->title, "Rivakel - Test Game");
    EXPECT_EQ(Text(&CGameHost::GetRunningModulePath), TestGamePath("TestGame"));
    EXPECT_EQ(Text(&CGameHost::GetRunningGameId), kTestGameId);
    EXPECT_EQ(Text(&CGameHost::GetGameVersion), "01.02.03.0004");
    // The game's own settings calls landed in the running game's elements.
    EXPECT_EQ(services.GameValue(kTestGameId, "Loads"), "1");
    EXPECT_EQ(services.GameValue(kTestGameId, "Greeting"), "hello");

    EXPECT_EQ(services.Host().Stop(), kHostOk);
    EXPECT_FALSE(services.Host().IsRunning());
    EXPECT_EQ(services.Host().Record(), nullptr);
    EXPECT_EQ(LiveInterfaceObjects(), liveBefore);
    EXPECT_EQ(services.GameValue(kTestGameId, "Stopped"), "1");
    EXPECT_EQ(Text(&CGameHost::GetRunningGameId), "");
    EXPECT_EQ(Text(&CGameHost::GetRunningModulePath), "");
    EXPECT_EQ(Text(&CGameHost::GetGameName), "Test Game");
    EXPECT_EQ(Text(&CGameHost::GetGameVersion), "01.02.03.0004");
    EXPECT_EQ(services.shellWindow->title, "Rivakel - Test Game");

    // Unloading really unloaded: the module's globals start fresh.
    ASSERT_EQ(services.Host().Start(TestGamePath("TestGame"), ""), kHostOk);
    EXPECT_EQ(services.GameValue(kTestGameId, "Loads"), "1");
    EXPECT_EQ(services.Host().Stop(), kHostOk);
    EXPECT_EQ(LiveInterfaceObjects(), liveBefore);
}

TEST_F(GameHostTest, InstructionsNoticeReachesTheGameOnlyForItsKind) {
    ASSERT_EQ(services.Host().Start(TestGamePath("TestGame"), ""), kHostOk);
    services.Host().NotifyApplet(kNotifyInstructions);
    EXPECT_EQ(services.GameValue(kTestGameId, "Instructions"), "1");
    EXPECT_EQ(services.Host().NotifyApplet(kNotifyServicesEvent), kHostOk);
    EXPECT_EQ(services.Host().NotifyApplet(7), kHostOk);
    EXPECT_EQ(services.GameValue(kTestGameId, "Instructions"), "1");
    services.Host().Stop();
    EXPECT_EQ(services.Host().NotifyApplet(kNotifyInstructions), kHostOk);
    EXPECT_EQ(services.GameValue(kTestGameId, "Instructions"), "1");
}

TEST_F(GameHostTest, PlaySessionIsTrackedWithTheRepairedIdentifier) {
    ASSERT_EQ(services.Host().Start(TestGamePath("TestGameBare"), ""), kHostOk);
    services.AdvanceMs(5999);
    services.Host().Stop();
    const std::string id(kDefaultGuidDigits);
    ASSERT_EQ(services.TrackLines().size(), 2u);
    EXPECT_EQ(services.TrackLines()[0], "777,GameStarted," + id + ",0");
    EXPECT_EQ(services.TrackLines()[1], "777,GameStopped2,5," + id);
}

TEST_F(GameHostTest, OnlyPlayLongerThanTenHoursAddsTheDiagnostic) {
    ASSERT_EQ(services.Host().Start(TestGamePath("TestGame"), ""), kHostOk);
    services.AdvanceMs(36000u * 1000u);
    services.Host().Stop();
    ASSERT_EQ(services.TrackLines().size(), 2u);
    EXPECT_EQ(services.TrackLines()[1], "777,GameStopped2,36000," + kTestGameId);

    services.TrackLines().clear();
    ASSERT_EQ(services.Host().Start(TestGamePath("TestGame"), ""), kHostOk);
    services.AdvanceMs(36001u * 1000u);
    services.Host().Stop();
    ASSERT_EQ(services.TrackLines().size(), 3u);
    EXPECT_EQ(services.TrackLines()[1], "777,DiagCode,02,36001");
    EXPECT_EQ(services.TrackLines()[2], "777,GameStopped2,36001," + kTestGameId);
}

// ---------------------------------------------------------------- refusals

TEST_F(GameHostTest, ModuleWithoutStartIsRefusedWholeAndLeavesNothingToStop) {
    const int liveBefore = LiveInterfaceObjects();
    const std::string path = TestGamePath("TestGameNoStart");
    EXPECT_EQ(services.Host().Start(path, ""), kHostFailed);
    EXPECT_TRUE(Logged("Error - file specified in call to Start (" + path + ") is NOT a game DLL!"));
    EXPECT_FALSE(services.Host().IsRunning());
    EXPECT_EQ(services.Host().Record(), nullptr);
    EXPECT_EQ(services.Host().Stop(), kHostOk);
    EXPECT_TRUE(services.TrackLines().empty());
    EXPECT_EQ(LiveInterfaceObjects(), liveBefore);
    // A good game starts normally after the refusal.
    EXPECT_EQ(services.Host().Start(TestGamePath("TestGame"), ""), kHostOk);
    EXPECT_EQ(services.Host().Stop(), kHostOk);
}

TEST_F(GameHostTest, StopWithNothingLoadedAnswersZeroAndTracksNothing) {
    EXPECT_EQ(services.Host().Stop(), kHostOk);
    ASSERT_EQ(services.Host().Start(TestGamePath("TestGame"), ""), kHostOk);
    EXPECT_EQ(services.Host().Stop(), kHostOk);
    services.TrackLines().clear();
    EXPECT_EQ(services.Host().Stop(), kHostOk);
    EXPECT_TRUE(services.TrackLines().empty());
}

TEST_F(GameHostTest, StartingASecondGameStopsTheFirst) {
    const int liveBefore = LiveInterfaceObjects();
    ASSERT_EQ(services.Host().Start(TestGamePath("TestGame"), ""), kHostOk);
    ASSERT_EQ(services.Host().Start(TestGamePath("TestGameCard"), ""), kHostOk);
    EXPECT_EQ(services.GameValue(kTestGameId, "Stopped"), "1");
    EXPECT_EQ(Text(&CGameHost::GetGameName), "Card Game");
    services.Host().Stop();
    EXPECT_EQ(LiveInterfaceObjects(), liveBefore);
}

TEST_F(GameHostTest, TextsAreCutToTheCallersBuffer) {
    ASSERT_EQ(services.Host().Start(TestGamePath("TestGame"), ""), kHostOk);
    char small[5] = "xxxx";
    services.Host().GetGameName(small);
    EXPECT_STREQ(small, "Test");
    EXPECT_EQ(services.Host().SetModulePath(std::string(1000, 'p')), kHostOk);
    EXPECT_EQ(Text(&CGameHost::GetRunningModulePath), std::string(255, 'p'));
    services.Host().Stop();
}

}  // namespace
