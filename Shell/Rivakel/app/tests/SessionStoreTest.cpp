// The store a game meets in the running portal, whichever store the portal starts from: the one
// the build seeds for scripts/run.sh, the one an installation writes, an older seed, a Core
// without users and a Core cut inside Users. What the game stores survives the end of the
// session and the next start; a game filling the store is stopped where the next start still
// reads all of it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "core/store/UserStore.h"
// The games here are named by each test: the shell window's own test game is not one of them.
#ifndef SHELL_TEST_GAME
#define SHELL_TEST_GAME ""
#endif
#include "frame/shell/tests/ShellSession.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kGameId = "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";

class SessionStoreTest : public ShellSession {
protected:
    void StartWith(const char* module) {
        setenv(kDevGameVariable, (fs::path(TEST_GAMES_DIR) / module).c_str(), 1);
        Start();
        ASSERT_TRUE(TheShell().GameRunning());
    }
    fs::path CorePath() const { return root_ / "data/Rivakel/System/Core.rdt"; }
    std::string CoreFile() const {
        std::ifstream in(CorePath(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void WriteCore(const std::string& text) {
        fs::create_directories(CorePath().parent_path());
        std::ofstream(CorePath(), std::ios::binary) << text;
    }
    std::string UserValue(std::string_view key) const {
        std::string value;
        UserStore()->GetUserProp(key, value);
        return value;
    }
};

TEST_F(SessionStoreTest, WhatAGameStoresSurvivesTheEndAndTheNextStartFromEveryStartingStore) {
    // Played before the file was cut: a best player of this game and an identity.
    const std::string played =
        "<RDT ver=\"00.01.00.00\" shellver=\"01.00.00.0001\">\r\n   <Users>\r\n      <User localid=\"0\">\r\n"
        "         <Email>guest</Email>\r\n         <RLS ownerid=\"" +
        std::string(kGameId) + "\">\r\n            <RLSProp name=\"Score1Name\" value=\"Ann\"/>\r\n"
                               "            <RLSProp name=\"Score1Score\" value=\"12";
    struct Case {
        const char* what;
        std::function<void()> prepare;
        const char* kept;  // a value the file held that the game still reads
    };
    const Case cases[] = {
        {"the store the build seeds", [this] { SeedLikeTheBuild(); }, nullptr},
        {"an installation's store",
         [this] {
             UserStoreConfig config;
             config.dataFolder = (root_ / "data").string();
             CSubsystem_UserStore fresh(std::move(config));
             fresh.SetInstalled(true);
             ASSERT_EQ(fresh.SaveCore(), kStoreOk);
         },
         nullptr},
        {"an older seed", [this] { WriteCore("<RDT ver=\"00.01.00.00\"></RDT>\r\n"); }, nullptr},
        {"a Core without users", [this] { MakeInstalled(); }, nullptr},
        {"a Core cut inside Users", [&] { WriteCore(played); }, "Ann"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(root_ / "data/Rivakel");
        c.prepare();
        StartWith("TestGame.gam");
        // The game found nothing, wrote its default and read it back.
        EXPECT_EQ(UserValue("Greeting"), "hello");
        if (c.kept) {
            EXPECT_EQ(UserValue("Score1Name"), c.kept);
        }
        test_portal::End();
        EXPECT_NE(CoreFile().find("<RLSProp name=\"Greeting\" value=\"hello\"/>"), std::string::npos);

        StartWith("TestGame.gam");
        EXPECT_EQ(UserValue("Greeting"), "hello");
        if (c.kept) {
            EXPECT_EQ(UserValue("Score1Name"), c.kept);
        }
        EXPECT_EQ(UserStore()->GetCurrentUser(), UserStore()->FindUserByEmail("guest"));
        test_portal::End();
    }
}

TEST_F(SessionStoreTest, AGameFillingTheStoreIsStoppedWhereTheNextStartReadsItAll) {
    SeedLikeTheBuild();
    StartWith("TestGameFiller.gam");
    EXPECT_EQ(UserValue("FillRefusal"), "3");
    const int count = std::stoi(UserValue("FillCount"));
    EXPECT_GE(count, 60);
    test_portal::End();
    EXPECT_LE(fs::file_size(CorePath()), kMaxCoreBytesFromGames);

    StartWith("TestGameFiller.gam");
    EXPECT_EQ(UserValue("FillCount"), std::to_string(count));
    EXPECT_EQ(UserValue("Fill0"), "");
    for (int i = 1; i < count; ++i) EXPECT_EQ(UserValue("Fill" + std::to_string(i)).size(), (1u << 18) - 1) << i;
}

}  // namespace
