// The real program, asked to end by a termination signal: it closes as the window's close does.
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

class CloseSignalTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("rivakel-signal-" + std::to_string(::getpid()) + "-" +
                                             std::to_string(GetParam()));
        fs::remove_all(root_);
        fs::create_directories(Core().parent_path());
        fs::create_directories(root_ / "run");
        fs::permissions(root_ / "run", fs::perms::owner_all);
        std::ofstream(Core()) << "<RDT ver=\"00.01.00.00\"></RDT>\r\n";
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
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string_view text(*entry);
            if (!text.starts_with("RIVAKEL_PLATFORM=") && !text.starts_with("XDG_DATA_HOME=") &&
                !text.starts_with("XDG_RUNTIME_DIR="))
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

TEST_P(CloseSignalTest, StopsTheSessionInOrderSavesTheStoreAndExitsZero) {
    const ino_t before = InodeOf(Core());
    Start();
    ASSERT_TRUE(WaitForLog("main window 800x572 shown")) << ReadText(Log());
    ASSERT_EQ(::kill(pid_, GetParam()), 0);
    const int status = WaitForEnd();
    ASSERT_NE(status, -1) << "still running after the signal";
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(ReadText(Log()).find("main loop ended"), std::string::npos) << ReadText(Log());
    // Saved: the store is written to a new file that replaces the old one.
    EXPECT_NE(InodeOf(Core()), before);
    EXPECT_NE(InodeOf(Core()), 0u);
}

INSTANTIATE_TEST_SUITE_P(EachTerminationSignal, CloseSignalTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const ::testing::TestParamInfo<int>& signal) {
                             return std::string(sigabbrev_np(signal.param));
                         });

}  // namespace
