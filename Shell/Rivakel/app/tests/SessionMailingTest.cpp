// An installed portal started with a data mailing, as the desktop starts it for an opened
// ".rml" file: the mailed game starts with its message, a missing or older one is handed over,
// and what is no mailing says so and changes nothing.
#include "app/SessionMailing.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/ProgramState.h"
#include "app/tests/AppTestEnvironment.h"
#include "core/base/Version.h"
#include "core/dialogs/DialogTemplate.h"
#include "core/store/UserStore.h"
#include "frame/host/GameHost.h"
#include "frame/pages/DataMailing.h"
#include "frame/shell/Shell.h"
#include "frame/shell/ShellPage.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kShellGameId = "{5E11A7E5-7E57-4A3E-9A3E-5E11A7E57E57}";  // installed, 01.00.00.0001
constexpr const char* kTestGameId = "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";   // not installed

std::string Mailing(std::string_view id, std::string_view version, std::string_view message) {
    return mailing::BuildDocument({"01.02.01.0005", std::string(id), "Game", std::string(version)},
                                  "[mail]" + std::string(message) + "[/mailed]");
}

std::string ReadText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

class SessionMailingTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        UsePrivateHome();
        fs::create_directories(Rivakel() / "System");
        // The store as an installation leaves it.
        std::ofstream(Rivakel() / "System/Core.rdt")
            << "<RDT ver=\"00.01.00.00\"><Users><User localid=\"0\"><Email>guest</Email></User></Users><Rivlets/>"
               "<Shell><DefaultUser localid=\"0\"/></Shell></RDT>\r\n";
        const fs::path folder = Rivakel() / "Games" / kShellGameId;
        fs::create_directories(folder);
        fs::copy_file(fs::path(TEST_GAMES_DIR) / "ShellTestGame.gam", folder / (std::string(kShellGameId) + ".gam"));
        SetDialogScript([this](CDialog& dialog) {
            seen_.push_back(dialog.Name() + ":" + dialog.Caption());
            dialog.Press(dialog.Name() == "IDD_NEEDNEWGAME" ? answer_ : kIdOk);
        });
    }

    fs::path Rivakel() const { return DataHome() / "Rivakel"; }
    fs::path Kept() const { return Rivakel() / "System/etc/AppMsg.rml"; }
    fs::path Write(std::string_view name, std::string_view text) const {
        const fs::path path = Root() / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    void Keep(std::string_view text) const {
        fs::create_directories(Kept().parent_path());
        std::ofstream(Kept(), std::ios::binary) << text;
    }
    // Another start in the same test: the last one's session and program state go first.
    std::optional<int> Restart(const std::vector<std::string>& args) {
        StopSession();
        RunPendingSessionStop();
        EndProgram();
        ResetProgram();
        seen_.clear();
        return StartProgram(args);
    }
    bool GameRunning() const { return GameHost() != nullptr && GameHost()->IsRunning(); }

    std::vector<std::string> seen_;
    int answer_ = kIdLater;
};

TEST_F(SessionMailingTest, TheMailedGameStartsWithItsMessageAtItsVersionOrLater) {
    Keep("an older mailing kept for later");
    const std::string message = "Beat my 1200 & win|<now> \"100%\"";
    for (const char* version : {"01.00.00.0001", "01.00.00.01", "00.09.99.0099"}) {
        const fs::path file = Write("Hello.RML", Mailing(kShellGameId, version, message));
        ASSERT_FALSE(Restart({file.string()}).has_value()) << version;
        EXPECT_TRUE(seen_.empty()) << version << ": " << seen_.front();
        ASSERT_TRUE(GameRunning()) << version;
        std::string heard;
        UserStore()->GetGameProp("Message", heard);
        EXPECT_EQ(heard, message) << version;
        // Taken by the game: nothing is left for another one.
        EXPECT_FALSE(Shell()->TakePendingMessage()) << version;
        EXPECT_FALSE(fs::exists(Kept())) << version;
        EXPECT_TRUE(headless_->OpenedUrls().empty());
    }
}

TEST_F(SessionMailingTest, AMissingGameIsHandedOverAndGetItNowKeepsTheMailingAndEndsTheStart) {
    answer_ = kIdAccept;
    const std::string text = Mailing(kTestGameId, "01.02.03.0004", "come and play");
    const fs::path file = Write("mail.rml", text);
    EXPECT_EQ(Restart({file.string()}), 0);
    EXPECT_EQ(seen_, std::vector<std::string>{"IDD_NEEDNEWGAME:Warning: Missing Application"});
    EXPECT_EQ(ReadText(Kept()), text);
    EXPECT_EQ(headless_->OpenedUrls(),
              std::vector<std::string>{"https://www.rivakel.example/games/%7B0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0%7D"});
    EXPECT_TRUE(SessionStopping());
}

TEST_F(SessionMailingTest, AnOlderInstalledGameLaterLeavesEverythingAndGivesNoGameItsMessage) {
    const fs::path file = Write("mail.rml", Mailing(kShellGameId, "01.00.01.0000", "for a newer build"));
    ASSERT_FALSE(Restart({file.string()}).has_value());
    EXPECT_EQ(seen_, std::vector<std::string>{"IDD_NEEDNEWGAME:Warning: Missing Application"});
    EXPECT_FALSE(fs::exists(Kept()));
    EXPECT_TRUE(headless_->OpenedUrls().empty());
    EXPECT_FALSE(GameRunning());
    EXPECT_EQ(Shell()->CurrentPage(), page_name::kHome);
    // The installed game started by hand hears nothing of a mailing for another build.
    VersionRecord version;
    Shell()->LaunchGame(FindGameByGuid(kShellGameId, version));
    ASSERT_TRUE(GameRunning());
    std::string heard;
    EXPECT_NE(UserStore()->GetGameProp("Message", heard), kStoreOk);
}

TEST_F(SessionMailingTest, WhatIsNoMailingShowsCannotOpenOrNothingAndChangesNothing) {
    Keep("kept");
    const std::string good = Mailing(kShellGameId, "01.00.00.0001", "hello there");
    const fs::path huge = Root() / "huge.rml";
    std::ofstream(huge) << good;
    fs::resize_file(huge, 50u << 20);
    fs::create_directories(Root() / "folder.rml");
    const struct {
        fs::path file;
        bool box;
    } cases[] = {
        {Write("no-ver.rml", good.substr(0, good.find(" VER=")) + good.substr(good.find("\"><ITEM>"))), true},
        {Write("binary.rml", std::string("\x7F" "ELF\0\0\x01\xFF<RML", 12)), true},
        {huge, true},
        {Root() / "folder.rml", false},
        {Root() / "missing.rml", false},
    };
    for (const auto& c : cases) {
        ASSERT_FALSE(Restart({c.file.string()}).has_value()) << c.file;
        const std::vector<std::string> expected =
            c.box ? std::vector<std::string>{"MESSAGEBOX:Cannot Open"} : std::vector<std::string>{};
        EXPECT_EQ(seen_, expected) << c.file;
        EXPECT_FALSE(GameRunning()) << c.file;
        EXPECT_EQ(Shell()->CurrentPage(), page_name::kHome) << c.file;
        EXPECT_FALSE(Shell()->TakePendingMessage()) << c.file;
        EXPECT_EQ(ReadText(Kept()), "kept") << c.file;
    }
    EXPECT_TRUE(headless_->OpenedUrls().empty());
}

TEST_F(SessionMailingTest, AKeptMailingOpensOnceTheInstallersStartHasInstalledItsGame) {
    Keep(Mailing(kTestGameId, "01.02.03.0004", "now you have it"));
    const fs::path launch = Root() / "~rv7";
    fs::create_directories(launch);
    std::ofstream(launch / "_TestGame.run") << "#!launcher";
    fs::copy_file(fs::path(TEST_GAMES_DIR) / "TestGame.gam", launch / "TestGame.gam");
    ASSERT_FALSE(Restart({launch.string(), (launch / "_TestGame.run").string(), "TestGame.gam"}).has_value());
    // Installed, then started once, by the mailing: nobody is asked to leave a game first.
    EXPECT_TRUE(fs::exists(Rivakel() / "Games" / kTestGameId / (std::string(kTestGameId) + ".gam")));
    EXPECT_TRUE(seen_.empty()) << seen_.front();
    ASSERT_TRUE(GameRunning());
    std::array<char, 64> id{};
    GameHost()->GetRunningGameId(id);
    EXPECT_STREQ(id.data(), kTestGameId);
    EXPECT_EQ(Shell()->TakePendingMessage(), "now you have it");
    EXPECT_FALSE(fs::exists(Kept()));
}

TEST_F(SessionMailingTest, GamesAreFoundByTheirWholeIdentifierInAnyCase) {
    ASSERT_FALSE(Restart({}).has_value());
    VersionRecord version;
    std::string lower = kShellGameId;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const int index = FindGameByGuid(lower, version);
    ASSERT_GE(index, 0);
    EXPECT_EQ(version.major, 1);
    EXPECT_EQ(version.build, 1);
    EXPECT_EQ(FindGameByGuid(std::string(kShellGameId).substr(0, 9), version), -1);
    EXPECT_EQ(FindGameByGuid(std::string(kShellGameId) + "0", version), -1);
    EXPECT_EQ(FindGameByGuid("", version), -1);
    // Catalogue rows that are not installed are no games to start.
    EXPECT_EQ(FindGameByGuid("{252D6EB8-0915-4321-91E8-EB92CA1BD1D1}", version), -1);
}

}  // namespace
