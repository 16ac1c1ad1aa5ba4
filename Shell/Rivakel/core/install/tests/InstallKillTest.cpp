// An installer replacing a game over and over is killed at random moments; each time the next
// start must find one game, whole: the old version or the new one.
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "core/files/CSubsystem_File.h"
#include "core/install/Installer.h"
#include "core/install/tests/InstallTestHome.h"

namespace {

constexpr const char* kRootVariable = "RIVAKEL_INSTALL_KILL_ROOT";
constexpr const char* kPipeVariable = "RIVAKEL_INSTALL_KILL_FD";

InstallContext KillContext(const std::string& root) {
    InstallContext context;
    context.folders.dataRoot = platform::JoinPath(root, "data");
    context.folders.documents = platform::JoinPath(root, "Documents");
    context.launchPath = platform::JoinPath(root, "~rv1234");
    context.shellFolder = context.launchPath;
    context.runningProgram = platform::JoinPath(context.launchPath, kProgramFileName);
    return context;
}

// Runs only in the child started by the test below.
TEST(InstallKillChild, ReplacesTheGameUntilKilled) {
    const char* root = std::getenv(kRootVariable);
    const char* pipeText = std::getenv(kPipeVariable);
    if (!root || !pipeText) GTEST_SKIP() << "helper of InstallKill";
    const int pipeFd = std::atoi(pipeText);
    CInstaller installer(KillContext(root));
    for (int n = 0;; ++n) {
        ASSERT_TRUE(installer.InstallGameFile(n % 2 == 0 ? "New.gam" : "Old.gam"));
        const char done = 1;
        if (::write(pipeFd, &done, 1) != 1) return;
    }
}

TEST(InstallKill, EveryStartAfterASigkillFindsTheOldOrTheNewGameWhole) {
    if (std::getenv(kRootVariable)) GTEST_SKIP();
    InstallTestHome home;
    const InstallContext context = KillContext(home.Root());
    home.ShipGame("TestGame", "Old.gam");
    home.ShipGame("TestGameNewer", "New.gam");
    const std::string oldGame = InstallTestHome::Read(InstallTestHome::TestGame("TestGame"));
    const std::string newGame = InstallTestHome::Read(InstallTestHome::TestGame("TestGameNewer"));
    ASSERT_TRUE(CInstaller(context).InstallGameFile("Old.gam"));

    FileServiceConfig files;
    files.installed = true;
    files.shellPath = context.folders.Rivakel();
    std::mt19937 random(4711);
    int sawOld = 0, sawNew = 0;
    for (int round = 0; round < 100; ++round) {
        int fds[2];
        ASSERT_EQ(::pipe2(fds, O_CLOEXEC), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlives a test that stopped early
            const int writeFd = ::dup(fds[1]);  // without close-on-exec
            const int quiet = ::open("/dev/null", O_WRONLY);
            ::dup2(quiet, STDOUT_FILENO);
            ::setenv(kRootVariable, home.Root().c_str(), 1);
            ::setenv(kPipeVariable, std::to_string(writeFd).c_str(), 1);
            ::execl("/proc/self/exe", "install-kill-child", "--gtest_filter=InstallKillChild.*", nullptr);
            ::_exit(127);
        }
        ::close(fds[1]);
        char byte = 0;
        ASSERT_EQ(::read(fds[0], &byte, 1), 1) << "the child never installed";
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 8000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(fds[0]);

        // What the next start does: enumerate the games and read each one's file.
        std::vector<std::string> found;
        CSubsystem_File(files).EnumerateGames([&found](const std::string& file, const std::string& folder) {
            found.push_back(platform::JoinPath(folder, file));
        });
        ASSERT_EQ(found.size(), 1u) << "round " << round;
        const std::string game = InstallTestHome::Read(found[0]);
        ASSERT_TRUE(game == oldGame || game == newGame) << "round " << round << ": a game of " << game.size() << " bytes";
        ASSERT_TRUE(ReadGameFile(found[0])) << "round " << round;
        (game == oldGame ? sawOld : sawNew)++;
    }
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
    // What killed copies left behind goes with the next installation.
    ASSERT_TRUE(CInstaller(context).InstallGameFile("Old.gam"));
    EXPECT_EQ(home.FilesBelow("data/Rivakel/Games").size(), 1u);
}

}  // namespace
