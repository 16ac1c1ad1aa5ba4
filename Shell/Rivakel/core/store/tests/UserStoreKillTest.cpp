// A store saving in a loop is killed at random moments; each time the Core file must read
// back whole, with the content of one complete save.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "core/store/UserStore.h"
#include "core/store/tests/StoreTestFolder.h"

namespace {

long ParseLong(std::string_view text) {
    long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

constexpr const char* kFolderVariable = "RIVAKEL_STORE_KILL_DIR";
constexpr const char* kPipeVariable = "RIVAKEL_STORE_KILL_FD";

// The payload of save number n: its length changes from save to save, so a file cut short
// or mixed from two saves cannot pass for a whole one.
std::string PayloadFor(long n) {
    std::string payload = "<" + std::to_string(n) + ">";
    payload.append(static_cast<size_t>(20000 + (n % 7) * 15000), static_cast<char>('a' + n % 26));
    return payload;
}

UserStoreConfig KillConfig(const std::string& folder, bool installed) {
    UserStoreConfig config;
    config.installed = installed;
    config.dataFolder = folder;
    config.shellFolder = folder + "/Rivakel/System";
    config.timeStamp = [] { return int64_t{1}; };
    config.runningGameId = [] { return std::string("KillGame"); };
    config.currentUserEmail = [] { return std::string("guest"); };
    return config;
}

// Runs only in the child started by the test below.
TEST(StoreKillChild, SavesUntilKilled) {
    const char* folder = std::getenv(kFolderVariable);
    const char* pipeText = std::getenv(kPipeVariable);
    if (!folder || !pipeText) GTEST_SKIP() << "helper of StoreKill";
    const int pipeFd = static_cast<int>(ParseLong(pipeText));
    CSubsystem_UserStore store(KillConfig(folder, true));
    std::string counter;
    long n = store.GetGameProp("Counter", counter) == kStoreOk ? ParseLong(counter) : 0;
    for (;;) {
        ++n;
        store.SetGameProp("Counter", std::to_string(n));
        store.SetGameProp("Payload", PayloadFor(n));
        ASSERT_EQ(store.SaveCore(), kStoreOk);
        const char saved = 1;
        if (write(pipeFd, &saved, 1) != 1) return;
    }
}

TEST(StoreKill, CoreReadsBackWholeAfterEverySigkill) {
    if (std::getenv(kFolderVariable)) GTEST_SKIP();
    StoreTestFolder folder;
    std::mt19937 random(12345);
    long lastSeen = 0;
    for (int round = 0; round < 200; ++round) {
        int fds[2];
        ASSERT_EQ(pipe2(fds, O_CLOEXEC), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const int writeFd = dup(fds[1]);  // without close-on-exec
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDOUT_FILENO);
            setenv(kFolderVariable, folder.Path().c_str(), 1);
            setenv(kPipeVariable, std::to_string(writeFd).c_str(), 1);
            execl("/proc/self/exe", "store-kill-child", "--gtest_filter=StoreKillChild.SavesUntilKilled", nullptr);
            _exit(127);
        }
        close(fds[1]);
        char byte = 0;
        ASSERT_EQ(read(fds[0], &byte, 1), 1) << "the child never saved";
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        close(fds[0]);

        std::ifstream in(folder.System() / "Core.rdt", std::ios::binary);
        std::stringstream raw;
        raw << in.rdbuf();
        const std::string text = raw.str();
        ASSERT_GE(text.size(), 8u) << "round " << round;
        ASSERT_EQ(text.substr(text.size() - 8), "</RDT>\r\n") << "round " << round;

        CSubsystem_UserStore reader(KillConfig(folder.Path(), false));
        std::string counter;
        std::string payload;
        ASSERT_EQ(reader.GetGameProp("Counter", counter), kStoreOk) << "round " << round;
        ASSERT_EQ(reader.GetGameProp("Payload", payload), kStoreOk) << "round " << round;
        const long n = ParseLong(counter);
        ASSERT_GE(n, lastSeen) << "round " << round;
        ASSERT_EQ(payload, PayloadFor(n)) << "round " << round;
        lastSeen = n;
    }
}

}  // namespace
