// Names that would leave their folder, files that are no games, a full disk and a read-only
// folder: each is refused or rolled back, and what was installed before stays whole.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/install/EidFile.h"
#include "core/install/GameFile.h"
#include "core/install/GameIdentifier.h"
#include "core/install/Installer.h"
#include "core/install/tests/InstallTestHome.h"

namespace {

constexpr std::string_view kTestGameId = "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";

TEST(GameIdentifier, OnlyPlainNamesPass) {
    struct Case {
        std::string identifier;
        bool valid;
    } cases[] = {
        {std::string(kTestGameId), true}, {"bare-game", true}, {"Name With Blanks_1.2", true},
        {std::string(63, 'a'), true},     {std::string(64, 'a'), false}, {std::string(300, 'a'), false},
        {"", false},   {".", false},    {"..", false},   {".hidden", false}, {"a/b", false},
        {"a\\b", false}, {"/abs", false}, {"a:b", false}, {std::string("a\0b", 3), false}, {"\xe9t\xe9", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidGameIdentifier(c.identifier), c.valid) << c.identifier;
        EXPECT_EQ(IsValidLauncherName(c.identifier), c.valid) << c.identifier;
    }
}

TEST(EidFile, OnlyThirtyTwoHexadecimalDigitsMakeAnIdentifier) {
    EXPECT_EQ(EidGuidText("eid-0123456789abcdef0123456789abcdef.rdt"), "{01234567-89ab-cdef-0123-456789abcdef}");
    EXPECT_EQ(EidGuidText("EID-0123456789ABCDEF0123456789ABCDEF.RDT"), "{01234567-89AB-CDEF-0123-456789ABCDEF}");
    for (const std::string_view name : {"eid-0123456789abcdef0123456789abcde.rdt", "eid-0123456789abcdef0123456789abcdef0.rdt",
                                        "eid-0123456789abcdef0123456789abcdeg.rdt", "eid-0123456789abcdef0123456789abcdef.txt",
                                        "xid-0123456789abcdef0123456789abcdef.rdt", "eid-.rdt", ""})
        EXPECT_EQ(EidGuidText(name), std::nullopt) << name;
}

TEST(GameFile, EveryTruncationAndAnythingButAGameIsRefused) {
    const auto bytes = platform::ReadWholeFile(InstallTestHome::TestGame("TestGame"));
    ASSERT_TRUE(bytes);
    const auto whole = ReadGameImage(*bytes);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->identifier, kTestGameId);
    EXPECT_EQ(whole->name, "Test Game");
    EXPECT_EQ(whole->version, "01.02.03.0004");
    for (size_t size = 0; size < bytes->size(); ++size)
        ASSERT_FALSE(ReadGameImage(std::span(bytes->data(), size))) << "cut at " << size;

    std::string why;
    EXPECT_FALSE(ReadGameFile(InstallTestHome::TestGame("TestGameNoName"), &why));
    EXPECT_EQ(why, "a required string is missing");
    EXPECT_FALSE(ReadGameFile(InstallTestHome::TestGame("TestGameEscape"), &why));
    EXPECT_EQ(why, "the identifier is no plain name");
    const std::vector<uint8_t> text = {'h', 'e', 'l', 'l', 'o'};
    EXPECT_FALSE(ReadGameImage(text, &why));
    EXPECT_EQ(why, "no resource section");
}

class InstallRefusalTest : public ::testing::Test {
protected:
    void SetUp() override {
        home_.ShipGame("TestGame", "TestGame.gam");
        ASSERT_EQ(CInstaller(home_.Context()).Install(), kInstallOk);
        old_ = InstallTestHome::Read(GamePath());
        home_.Write(home_.Path("data/Rivakel/System/keep.txt"), "keep");
        home_.Write(home_.Path("data/keep.txt"), "keep");
    }
    std::string GamePath() const {
        const std::string id(kTestGameId);
        return home_.Path("data/Rivakel/Games/" + id + "/" + id + ".gam");
    }
    // The installed game and everything around it are as they were.
    void ExpectUntouched() const {
        EXPECT_EQ(InstallTestHome::Read(GamePath()), old_);
        EXPECT_EQ(InstallTestHome::Read(home_.Path("data/Rivakel/System/keep.txt")), "keep");
        EXPECT_EQ(InstallTestHome::Read(home_.Path("data/keep.txt")), "keep");
        EXPECT_EQ(home_.FilesBelow("data/Rivakel/Games").size(), 1u);
    }
    int Update(std::string_view fileName) {
        InstallContext context = home_.Context();
        context.gameFile = fileName;
        return CInstaller(context).InstallGame();
    }

    InstallTestHome home_;
    std::string old_;
};

TEST_F(InstallRefusalTest, NamesThatWouldLeaveTheirFolderDeleteNothing) {
    CInstaller installer(home_.Context());
    for (const std::string_view identifier : {"", ".", "..", "../..", "a/b", "a\\b", "/", "..\\System"})
        EXPECT_FALSE(installer.UninstallGame(identifier, "")) << identifier;
    EXPECT_FALSE(installer.UninstallGame(std::string(300, 'a'), ""));
    home_.Write(home_.Path("Documents/x.run"), "x");
    EXPECT_FALSE(installer.UninstallGame("missing", "../x"));
    EXPECT_EQ(InstallTestHome::Read(home_.Path("Documents/x.run")), "x");
    ExpectUntouched();

    for (const std::string_view name : {"../TestGame.gam", "/etc/passwd", "", "a:b.gam"})
        EXPECT_EQ(Update(name), kInstallFailed) << name;
    ExpectUntouched();
}

TEST_F(InstallRefusalTest, FilesThatAreNoGamesAreRefused) {
    const auto bytes = platform::ReadWholeFile(InstallTestHome::TestGame("TestGameNewer"));
    ASSERT_TRUE(bytes);
    home_.Ship("Cut.gam", std::string(bytes->begin(), bytes->begin() + static_cast<long>(bytes->size() * 3 / 4)));
    home_.Ship("Text.gam", "MZ not a game");
    home_.ShipGame("TestGameEscape", "Escape.gam");
    for (const std::string_view name : {"Cut.gam", "Text.gam", "Escape.gam", "Missing.gam"})
        EXPECT_EQ(Update(name), kInstallFailed) << name;
    ExpectUntouched();
}

TEST_F(InstallRefusalTest, AGameFolderTakenByALinkIsNotWrittenThrough) {
    CInstaller installer(home_.Context());
    ASSERT_TRUE(installer.UninstallGame(kTestGameId, ""));
    ASSERT_TRUE(platform::CreateFolders(home_.Path("outside")));
    const std::string folder = home_.Path("data/Rivakel/Games/" + std::string(kTestGameId));
    ASSERT_EQ(::symlink(home_.Path("outside").c_str(), folder.c_str()), 0);
    EXPECT_EQ(Update("TestGame.gam"), kInstallFailed);
    EXPECT_TRUE(platform::ListFolder(home_.Path("outside")).empty());
    // Removing it removes the link, never the folder it names.
    EXPECT_FALSE(installer.UninstallGame(kTestGameId, ""));
    EXPECT_TRUE(platform::FolderExists(home_.Path("outside")));
}

TEST_F(InstallRefusalTest, AFullDiskDuringAnUpdateKeepsTheOldGameWhole) {
    home_.ShipGame("TestGameNewer", "TestGame.gam");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int result = Update("TestGame.gam");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previous);
    EXPECT_EQ(result, kInstallFailed);
    ExpectUntouched();
    EXPECT_EQ(platform::ListFolder(home_.Path("data/Rivakel/Games/" + std::string(kTestGameId))).size(), 1u);
}

// Runs `check` in a child without the right to ignore file permissions (as nobody when the
// tests run as root); the child's exit status is the number of failed expectations.
int RunUnprivileged(const std::string& tree, const std::function<int()>& check) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0) {
            constexpr uid_t kNobody = 65534;
            std::error_code ignored;
            for (const auto& entry : std::filesystem::recursive_directory_iterator(tree, ignored))
                if (::lchown(entry.path().c_str(), kNobody, kNobody) != 0) ::_exit(100);
            if (::chown(tree.c_str(), kNobody, kNobody) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                ::_exit(101);
        }
        ::_exit(check());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

TEST_F(InstallRefusalTest, AReadOnlyGameFolderKeepsTheOldGameWhole) {
    home_.ShipGame("TestGameNewer", "TestGame.gam");
    ASSERT_EQ(::chmod(home_.Root().c_str(), 0755), 0);
    const std::string folder = home_.Path("data/Rivakel/Games/" + std::string(kTestGameId));
    const int failures = RunUnprivileged(home_.Root(), [&] {
        if (::chmod(folder.c_str(), 0555) != 0) return 50;
        int failed = Update("TestGame.gam") == kInstallFailed ? 0 : 1;
        failed += InstallTestHome::Read(GamePath()) == old_ ? 0 : 1;
        failed += platform::ListFolder(folder).size() == 1 ? 0 : 1;
        return failed;
    });
    EXPECT_EQ(failures, 0);
    ::chmod(folder.c_str(), 0755);
    ExpectUntouched();
}

}  // namespace
