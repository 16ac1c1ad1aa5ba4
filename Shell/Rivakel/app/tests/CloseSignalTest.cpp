// The real program, headless, ended by a termination signal: the session ends without a question,
// in order (a running game stopped, the store saved), and the process exits 0.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Generous: a loaded machine and the sanitizer build start slowly; a healthy run takes a second.
constexpr auto kPatience = 120s;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

ino_t InodeOf(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

enum class Situation {
    Idle,
    NotInstalled,  // a close from the window would ask "Play Again Soon" first
    GameRunning,
};

struct SignalCase {
    int signal;
    Situation situation;
};

class CloseSignalTest : public ::testing::TestWithParam<SignalCase> {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("rivakel-signal-" + std::to_string(::getpid()) + "-" +
                                             std::to_string(GetParam().signal) + "-" +
                                             std::to_string(static_cast<int>(GetParam().situation)));
        fs::remove_all(root_);
        fs::create_directories(Core().parent_path());
        fs::create_directories(root_ / "run");
        fs::permissions(root_ / "run", fs::perms::owner_all);
        if (GetParam().situation != Situation::NotInstalled) std::ofstream(Core()) << "<RDT ver=\"00.01.00.00\"></RDT>\r\n";
    }
    void TearDown() override {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        fs::remove_all(root_);
    }

    fs::path Core() const { return root_ / "data" / "Rivakel" / "System" / "Core.rdt"; }
    fs::path Log() const { return root_ / "program.log"; }

    // The program built beside this test, headless, with its own data and runtime folders.
    void Start() {
        const fs::path program = fs::read_symlink("/proc/self/exe").parent_path() / "rivakel";
        ASSERT_TRUE(fs::exists(program)) << program;
        std::vector<std::string> settings = {"RIVAKEL_PLATFORM=headless",
                                             "XDG_DATA_HOME=" + (root_ / "data").string(),
                                             "XDG_RUNTIME_DIR=" + (root_ / "run").string()};
        if (GetParam().situation == Situation::GameRunning)
            settings.push_back("RIVAKEL_GAME=" + (fs::path(TEST_GAMES_DIR) / "TestGame.gam").string());
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string_view text(*entry);
            if (!text.starts_with("RIVAKEL_PLATFORM=") && !text.starts_with("XDG_DATA_HOME=") &&
                !text.starts_with("XDG_RUNTIME_DIR=") && !text.starts_with("RIVAKEL_GAME="))
                settings.emplace_back(text);
        }
        std::vector<char*> envp;
        for (std::string& setting : settings) envp.push_back(setting.data());
        envp.push_back(nullptr);
        std::string path = program.string();
        char* argv[] = {path.data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, Log().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int spawned = ::posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        ASSERT_EQ(spawned, 0);
    }

    bool WaitForLog(std::string_view line) const {
        for (auto end = std::chrono::steady_clock::now() + kPatience; std::chrono::steady_clock::now() < end;) {
            if (ReadText(Log()).find(line) != std::string::npos) return true;
            std::this_thread::sleep_for(20ms);
        }
        return false;
    }

    // The process's status once it has ended; -1 when it is still running after the wait.
    int WaitForEnd() {
        for (auto end = std::chrono::steady_clock::now() + kPatience; std::chrono::steady_clock::now() < end;) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return status;
            }
            std::this_thread::sleep_for(20ms);
        }
        return -1;
    }

    fs::path root_;
    pid_t pid_ = -1;
};

TEST_P(CloseSignalTest, EndsTheSessionInOrderWithoutAQuestionAndExitsZero) {
    const SignalCase& given = GetParam();
    const ino_t before = InodeOf(Core());
    Start();
    ASSERT_TRUE(WaitForLog("main window 800x572 shown")) << ReadText(Log());
    if (given.situation == Situation::GameRunning) {
        ASSERT_TRUE(WaitForLog("Rivakel: game ")) << ReadText(Log());
    }
    const auto sent = std::chrono::steady_clock::now();
    ASSERT_EQ(::kill(pid_, given.signal), 0);
    const int status = WaitForEnd();
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - sent);
    ASSERT_NE(status, -1) << "still running after the signal";
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::cout << "ended " << took.count() << " ms after the signal\n";
    const std::string log = ReadText(Log());
    EXPECT_NE(log.find("main loop ended"), std::string::npos) << log;
    EXPECT_EQ(log.find("dialog"), std::string::npos) << "nobody is asked: " << log;
    switch (given.situation) {
    case Situation::NotInstalled:
        // Nothing installed, nothing saved.
        EXPECT_FALSE(fs::exists(Core()));
        EXPECT_FALSE(fs::exists(root_ / "data" / "Rivakel" / "rivakel"));
        break;
    case Situation::GameRunning:
        EXPECT_NE(log.find(" stopped", log.find("Rivakel: game ")), std::string::npos) << log;
        EXPECT_NE(ReadText(Core().parent_path() / "Outbox.rdt").find("GameStopped2"), std::string::npos);
        [[fallthrough]];
    case Situation::Idle:
        // Saved: the store is written to a new file that replaces the old one.
        EXPECT_NE(InodeOf(Core()), before);
        EXPECT_NE(InodeOf(Core()), 0u);
        break;
    }
}

const SignalCase kCases[] = {
    {SIGTERM, Situation::Idle},         {SIGINT, Situation::Idle},         {SIGHUP, Situation::Idle},
    {SIGTERM, Situation::NotInstalled}, {SIGHUP, Situation::NotInstalled}, {SIGTERM, Situation::GameRunning},
};

std::string CaseName(const ::testing::TestParamInfo<SignalCase>& given) {
    static constexpr const char* kSituations[] = {"Idle", "NotInstalled", "GameRunning"};
    return std::string(sigabbrev_np(given.param.signal)) + kSituations[static_cast<int>(given.param.situation)];
}

INSTANTIATE_TEST_SUITE_P(EachSignalAndSituation, CloseSignalTest, ::testing::ValuesIn(kCases), CaseName);

}  // namespace
