#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "core/install/DesktopIntegration.h"
#include "core/install/Installer.h"
#include "core/install/tests/InstallTestHome.h"
#include "core/install/tests/RecordingOutbox.h"

namespace {

constexpr std::string_view kTestGameId = "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";

std::string GameFilePath(const InstallTestHome& home) {
    const std::string id(kTestGameId);
    return home.Path("data/Rivakel/Games/" + id + "/" + id + ".gam");
}

class InstallerTest : public ::testing::Test {
protected:
    InstallerTest() : store_(TestStoreConfig(home_.Folders().dataRoot)), outbox_(store_) {}

    CInstaller Installer() {
        InstallContext context = home_.Context(&boxes_, &exits_);
        context.store = &store_;
        context.setShellFolder = [this](const std::string& folder) { shellFolder_ = folder; };
        context.setNewCardback = [this](const std::string& picture) { newCardback_ = picture; };
        context.clearNewCardback = [this] { newCardback_.clear(); };
        context.stopSession = [this] { stopped_ = true; };
        return CInstaller(std::move(context));
    }

    InstallTestHome home_;
    CSubsystem_UserStore store_;
    RecordingOutbox outbox_;
    std::vector<std::string> boxes_;
    std::vector<int> exits_;
    std::string shellFolder_;
    std::string newCardback_;
    bool stopped_ = false;
};

TEST_F(InstallerTest, AFirstInstallationLaysOutTheFoldersCopiesEverythingAndMarksTheShellInstalled) {
    home_.ShipGame("TestGame", "TestGame.gam");
    home_.Ship("sbn-top.rdt", "banner");
    home_.Ship("pmb-mini.gif", "catalogue");
    ASSERT_EQ(Installer().Install(), kInstallOk);

    EXPECT_TRUE(home_.Installed());
    EXPECT_EQ(shellFolder_, home_.Path("data/Rivakel"));
    EXPECT_EQ(InstallTestHome::Read(home_.Path("data/Rivakel/rivakel")), "#!program");
    EXPECT_EQ(InstallTestHome::Read(GameFilePath(home_)), InstallTestHome::Read(InstallTestHome::TestGame("TestGame")));
    EXPECT_EQ(InstallTestHome::Read(home_.Path("Documents/My Rivakel/_TestGame.run")), "#!launcher");
    EXPECT_EQ(InstallTestHome::Read(home_.Path("data/Rivakel/System/Banners/sbn-top.rdt")), "banner");
    EXPECT_EQ(InstallTestHome::Read(home_.Path("data/Rivakel/System/Catalogs/pmb-mini.gif")), "catalogue");
    EXPECT_TRUE(platform::FileExists(home_.Path("data/Rivakel/System/Core.rdt")));
    for (const std::string& path : {ShortcutPath(home_.Folders()), DesktopShortcutPath(home_.Folders()),
                                    AssociationPath(home_.Folders()), MimePackagePath(home_.Folders()),
                                    IconPath(home_.Folders())})
        EXPECT_TRUE(platform::FileExists(path)) << path;
    EXPECT_EQ(outbox_.Functions(), (std::vector<std::string>{"GetShellGUID"}));
    EXPECT_EQ(outbox_.sent[0].priority, 12);
    EXPECT_EQ(outbox_.sent[0].params, "01.00.00.0001");

    // Installing again (the opt-out rule, then the e-mailed game's prompt) asks for no second identifier.
    ASSERT_EQ(Installer().Install(), kInstallOk);
    EXPECT_EQ(outbox_.Functions(), (std::vector<std::string>{"GetShellGUID"}));
}

TEST_F(InstallerTest, AProgramThatCannotBeCopiedLeavesTheShellNotInstalled) {
    InstallContext context = home_.Context(&boxes_);
    context.store = &store_;
    platform::DeleteFile(platform::JoinPath(home_.Launch(), "rivakel"));
    context.runningProgram = home_.Path("nowhere/rivakel");
    EXPECT_EQ(CInstaller(context).Install(), kInstallFailed);
    EXPECT_FALSE(home_.Installed());
    EXPECT_FALSE(platform::FileExists(home_.Path("data/Rivakel/System/Core.rdt")));
    EXPECT_TRUE(outbox_.sent.empty());
    // The running program is the second source.
    context.runningProgram = platform::JoinPath(home_.Launch(), "_TestGame.run");
    EXPECT_EQ(CInstaller(context).Install(), kInstallOk);
    EXPECT_EQ(InstallTestHome::Read(home_.Path("data/Rivakel/rivakel")), "#!launcher");
}

TEST_F(InstallerTest, AnEmailedGameOffersTheInstallationAndReportsTheOutcome) {
    home_.ShipGame("TestGame", "TestGame.gam");
    Installer().PromptCompanionInstall();
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_TRUE(boxes_[0].starts_with("Installation required|The Rivakel Game Companion needs"));
    EXPECT_TRUE(boxes_[1].starts_with("Successful Installation|"));
    EXPECT_TRUE(home_.Installed());
    EXPECT_TRUE(stopped_);

    // The game file is no game: the installation fails and says so instead of claiming success,
    // and as the box says, nothing was changed: no program, no file type, no launcher kept.
    InstallTestHome other;
    std::vector<std::string> boxes;
    other.Ship("TestGame.gam", "not a game at all");
    other.Ship("_TestGame.run", "#!launcher");
    InstallContext context = other.Context(&boxes);
    CInstaller(context).PromptCompanionInstall();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[1].starts_with("Installation failed|"));
    EXPECT_NE(boxes[1].find("is not a Rivakel game"), std::string::npos) << boxes[1];
    EXPECT_EQ(boxes[1].find("disk"), std::string::npos) << "a game that is no game is not a full disk";
    EXPECT_FALSE(other.Installed());
    for (const char* folder : {"data", "Documents", "Desktop"}) EXPECT_EQ(other.FilesBelow(folder), std::vector<std::string>{});
}

TEST_F(InstallerTest, AFailedInstallationSaysWhatWentWrong) {
    const auto failure = [](InstallTestHome& home, InstallContext context) {
        std::vector<std::string> boxes;
        context.messageBox = [&boxes](std::string_view caption, std::string_view text, int) {
            boxes.push_back(std::string(caption) + "|" + std::string(text));
            return 1;
        };
        CInstaller(context).PromptCompanionInstall();
        EXPECT_FALSE(home.Installed());
        return boxes.size() == 2 ? boxes[1] : std::string();
    };
    {
        // The e-mailed game is not where the launcher says.
        InstallTestHome home;
        InstallContext context = home.Context();
        context.gameFile = "Elsewhere.gam";
        EXPECT_NE(failure(home, context).find("cannot be found or read"), std::string::npos);
    }
    {
        // A file stands where the data folder's Rivakel folder goes: nothing can be written.
        InstallTestHome home;
        home.ShipGame("TestGame", "TestGame.gam");
        platform::CreateFolders(home.Path("data"));
        InstallTestHome::Write(home.Path("data/Rivakel"), "in the way");
        EXPECT_NE(failure(home, home.Context()).find("could not write its files"), std::string::npos);
        EXPECT_EQ(InstallTestHome::Read(home.Path("data/Rivakel")), "in the way");
    }
}

TEST_F(InstallerTest, AnUpdateWhoseIdentifierDiffersOnlyInCaseReplacesTheOldGame) {
    home_.ShipGame("TestGame", "TestGame.gam");
    ASSERT_EQ(Installer().InstallGame(), kInstallOk);
    // The newer build, its identifier written in lower case.
    std::string newer = InstallTestHome::Read(InstallTestHome::TestGame("TestGameNewer"));
    const std::string id(kTestGameId);
    std::string lower = id;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    size_t replaced = 0;
    for (size_t at = newer.find(id); at != std::string::npos; at = newer.find(id, at + 1), ++replaced)
        newer.replace(at, id.size(), lower);
    ASSERT_GT(replaced, 0u);
    home_.Ship("TestGame.gam", newer);
    ASSERT_EQ(Installer().InstallGame(), kInstallOk);
    const std::vector<std::string> games = home_.FilesBelow("data/Rivakel/Games");
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(InstallTestHome::Read(home_.Path(games[0])), newer);
}

TEST_F(InstallerTest, OnlyALauncherWhoseNameBeginsWithAnUnderscoreOffersTheInstallation) {
    InstallContext context = home_.Context(&boxes_);
    context.setupFilePath = platform::JoinPath(home_.Launch(), "TestGame.run");
    context.stopSession = [this] { stopped_ = true; };
    CInstaller(context).PromptCompanionInstall();
    EXPECT_TRUE(boxes_.empty());
    EXPECT_FALSE(stopped_);
    // The auto-install dialog answering Cancel leaves the choice to the box; its Cancel installs nothing.
    context.setupFilePath = platform::JoinPath(home_.Launch(), "_TestGame.run");
    context.askAutoInstall = [] { return 3; };
    context.messageBox = [this](std::string_view caption, std::string_view, int) {
        boxes_.emplace_back(caption);
        return 2;
    };
    CInstaller(context).PromptCompanionInstall();
    EXPECT_EQ(boxes_, (std::vector<std::string>{"Installation required"}));
    EXPECT_FALSE(home_.Installed());
    EXPECT_TRUE(stopped_);
}

TEST_F(InstallerTest, InstallGameUpdatesOnlyToAHigherVersionAndTracksNewGames) {
    home_.ShipGame("TestGame", "TestGame.gam");
    ASSERT_EQ(Installer().InstallGame(), kInstallOk);
    EXPECT_EQ(outbox_.Functions(), (std::vector<std::string>{"GameInstall"}));
    EXPECT_EQ(outbox_.sent[0].params, std::string(kTestGameId) + ",777");
    EXPECT_EQ(outbox_.sent[0].priority, 10);

    // Build 0010 against 0004: only the four-digit build tells them apart.
    home_.ShipGame("TestGameNewer", "TestGame.gam");
    ASSERT_EQ(Installer().InstallGame(), kInstallOk);
    EXPECT_EQ(InstallTestHome::Read(GameFilePath(home_)), InstallTestHome::Read(InstallTestHome::TestGame("TestGameNewer")));
    EXPECT_EQ(outbox_.sent.size(), 1u) << "an update is no new installation";

    // The same version and an older one are left alone, whatever the file is called.
    home_.ShipGame("TestGame", "Test Game.gam");
    InstallContext context = home_.Context();
    context.store = &store_;
    context.gameFile = "Test Game.gam";
    EXPECT_EQ(CInstaller(context).InstallGame(), kInstallOk);
    context.gameFile = "TestGame.gam";
    home_.ShipGame("TestGameNewer", "TestGame.gam");
    EXPECT_EQ(CInstaller(context).InstallGame(), kInstallOk);
    EXPECT_EQ(InstallTestHome::Read(GameFilePath(home_)), InstallTestHome::Read(InstallTestHome::TestGame("TestGameNewer")));
    EXPECT_EQ(outbox_.sent.size(), 1u);
}

TEST(InstalledGameMatch, NamesMatchWholeAndDunmoroSilverStandsForDunmoro) {
    auto game = [](std::string name, std::string id) {
        GameFileStrings strings;
        strings.name = std::move(name);
        strings.identifier = std::move(id);
        return strings;
    };
    const GameFileStrings offered = game("Offered", "{B}");
    struct Case {
        std::string installed, base;
        bool replaces;
    } cases[] = {
        {"Dunmoro", "dunmoro", true},     {"DunmoroSilver", "Dunmoro", true}, {"Dunmoro", "DunmoroSilver", false},
        {"Brisquet", "Brisquet2", false}, {"Brisquet2", "Brisquet", false},   {"Brisquet", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplacesInstalledGame(game(c.installed, "{A}"), c.base, offered), c.replaces) << c.installed << "/" << c.base;
    EXPECT_TRUE(ReplacesInstalledGame(game("Other", "{b}"), "Unrelated", offered)) << "the same identifier shares a folder";
}

TEST_F(InstallerTest, UninstallRemovesTheGamesFolderAndItsLauncherOnly) {
    home_.ShipGame("TestGame", "TestGame.gam");
    ASSERT_EQ(Installer().Install(), kInstallOk);
    const std::string folder = home_.Path("data/Rivakel/Games/" + std::string(kTestGameId));
    InstallTestHome::Write(folder + "/scores.txt", "scores");
    ASSERT_TRUE(platform::CreateFolders(home_.Path("outside")));
    InstallTestHome::Write(home_.Path("outside/keep.txt"), "keep");
    ASSERT_EQ(::symlink(home_.Path("outside").c_str(), (folder + "/link").c_str()), 0);

    EXPECT_TRUE(Installer().UninstallGame(kTestGameId, "TestGame"));
    EXPECT_TRUE(home_.FilesBelow("data/Rivakel/Games").empty());
    EXPECT_TRUE(platform::ListFolder(home_.Path("data/Rivakel/Games")).empty());
    EXPECT_FALSE(platform::FileExists(home_.Path("Documents/My Rivakel/_TestGame.run")));
    EXPECT_EQ(InstallTestHome::Read(home_.Path("outside/keep.txt")), "keep");
    // A game that is not there is not uninstalled.
    EXPECT_FALSE(Installer().UninstallGame(kTestGameId, "TestGame"));
}

TEST_F(InstallerTest, ShippedInstallationEventsAreCopiedAndTrackedOnce) {
    home_.Ship("eid-0123456789abcdef0123456789abcdef.rdt", "<eid/>");
    Installer().SendEID();
    EXPECT_TRUE(outbox_.sent.empty()) << "not installed";
    ASSERT_EQ(Installer().Install(), kInstallOk);
    ASSERT_EQ(outbox_.sent.size(), 2u);
    EXPECT_EQ(outbox_.sent[1].function, "SendEID");
    EXPECT_EQ(outbox_.sent[1].params, "{01234567-89ab-cdef-0123-456789abcdef},777");
    EXPECT_EQ(outbox_.sent[1].priority, 11);
    Installer().SendEID();
    EXPECT_EQ(outbox_.sent.size(), 2u);
}

TEST_F(InstallerTest, AShippedFileThatCannotBeCopiedEndsWithTheSupportBox) {
    ASSERT_EQ(Installer().Install(), kInstallOk);
    home_.Ship("spc-a.rdt", "a");
    ASSERT_TRUE(platform::CreateFolders(home_.Path("data/Rivakel/System/Catalogs/spc-a.rdt/in-the-way")));
    Installer().CopyFilesByPattern("\\System\\Catalogs", "spc-*");
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_TRUE(boxes_[0].starts_with("Unexpected Error|Please send an e-mail to help@rivakel.example\n"));
    EXPECT_NE(boxes_[0].find("\"ISSUE 180 - "), std::string::npos);
    EXPECT_EQ(exits_, (std::vector<int>{-1}));
}

TEST_F(InstallerTest, CardbacksAreAddedOrReplacedOnlyByHigherVersions) {
    ASSERT_EQ(Installer().Install(), kInstallOk);
    const std::string installed = home_.Path("data/Rivakel/System/Skins/Cardbacks/");
    auto ship = [this](std::string_view name, std::string_view version, std::string_view picture) {
        home_.Ship(std::string(name) + ".rdt", "<cardback><Version>" + std::string(version) + "</Version></cardback>");
        home_.Ship(std::string(name) + ".gif", picture);
    };
    ship("cbk-red", "2", "red v2");
    Installer().UpdateCardbacks();
    EXPECT_EQ(InstallTestHome::Read(installed + "cbk-red.gif"), "red v2");
    EXPECT_EQ(newCardback_, "System\\Skins\\Cardbacks\\cbk-red.gif");

    ship("cbk-red", "1", "red v1");
    Installer().UpdateCardbacks();
    EXPECT_EQ(InstallTestHome::Read(installed + "cbk-red.gif"), "red v2");
    EXPECT_EQ(newCardback_, "") << "the flag is cleared first and only new cardbacks set it";
    ship("cbk-red", "3", "red v3");
    Installer().UpdateCardbacks();
    EXPECT_EQ(InstallTestHome::Read(installed + "cbk-red.gif"), "red v3");

    // An installed file without a readable version is replaced.
    InstallTestHome::Write(installed + "cbk-red.rdt", "<cardback><Version>x3</Version></cardback>");
    Installer().UpdateCardbacks();
    EXPECT_EQ(InstallTestHome::Read(installed + "cbk-red.rdt"), "<cardback><Version>3</Version></cardback>");

    // A shipped file without a version stops the update: later files are not looked at.
    home_.Ship("cbk-a.rdt", "<cardback><Title>no version</Title></cardback>");
    InstallTestHome::Write(installed + "cbk-a.rdt", "<cardback><Version>1</Version></cardback>");
    ship("cbk-z", "1", "z");
    Installer().UpdateCardbacks();
    EXPECT_FALSE(platform::FileExists(installed + "cbk-z.rdt"));
}

TEST_F(InstallerTest, TheDataMailingDocumentIsKeptUntilDeleted) {
    CInstaller installer = Installer();
    EXPECT_FALSE(installer.HasAppMsg());
    ASSERT_TRUE(installer.WriteAppMsg("<RML>hello</RML>"));
    const auto path = installer.HasAppMsg();
    ASSERT_TRUE(path);
    EXPECT_EQ(InstallTestHome::Read(*path), "<RML>hello</RML>");
    struct stat info {};
    ASSERT_EQ(::stat(path->c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "a personal message is the user's alone";
    installer.DeleteAppMsg();
    EXPECT_FALSE(installer.HasAppMsg());

    // A file opened from the desktop: read as it is; one too large for a mailing gives no text,
    // and what cannot be read nothing at all.
    home_.Ship("message.rml", "mailed");
    std::vector<std::string> read;
    const auto note = [&read](std::string_view text) { read.emplace_back(text); };
    installer.OpenDataMailFile(platform::JoinPath(home_.Launch(), "message.rml"), note);
    home_.Ship("huge.rml", std::string((1 << 20) + 1, 'x'));
    installer.OpenDataMailFile(platform::JoinPath(home_.Launch(), "huge.rml"), note);
    installer.OpenDataMailFile(home_.Launch(), note);
    installer.OpenDataMailFile(platform::JoinPath(home_.Launch(), "missing.rml"), note);
    EXPECT_EQ(read, (std::vector<std::string>{"mailed", ""}));

    // A folder in the document's place: it cannot be written and the user hears so.
    ASSERT_TRUE(platform::CreateFolders(home_.Path("data/Rivakel/System/etc/AppMsg.rml/in-the-way")));
    EXPECT_FALSE(installer.WriteAppMsg("again"));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0], "We're sorry, but Rivakel doesn't seem to be able to save the data file.|Error writing RML file");
}

}  // namespace
