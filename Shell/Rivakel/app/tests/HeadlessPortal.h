// The program built beside a test, started headless as a user would start it, in a data and a
// runtime folder of its own; its output goes to a log the test reads.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

inline std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class HeadlessPortal {
public:
    // Generous: a loaded machine and the sanitizer build start slowly; a healthy start takes a second.
    static constexpr std::chrono::seconds kPatience{180};

    // Makes "<root>/data/Rivakel/System" and the runtime folder; the data holds no store yet.
    explicit HeadlessPortal(std::filesystem::path root) : root_(std::move(root)) {
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(System());
        std::filesystem::create_directories(root_ / "run");
        std::filesystem::permissions(root_ / "run", std::filesystem::perms::owner_all);
    }
    ~HeadlessPortal() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        std::filesystem::remove_all(root_);
    }
    HeadlessPortal(const HeadlessPortal&) = delete;
    HeadlessPortal& operator=(const HeadlessPortal&) = delete;

    std::filesystem::path Data() const { return root_ / "data"; }
    std::filesystem::path System() const { return Data() / "Rivakel" / "System"; }
    std::filesystem::path Core() const { return System() / "Core.rdt"; }
    std::string Log() const { return ReadText(root_ / "program.log"); }

    // `settings` ("NAME=value") come on top of the test's own environment, less its RIVAKEL_ ones.
    bool Start(const std::vector<std::string>& settings = {}) {
        std::vector<std::string> environment = {"RIVAKEL_PLATFORM=headless", "XDG_DATA_HOME=" + Data().string(),
                                                "XDG_RUNTIME_DIR=" + (root_ / "run").string()};
        environment.insert(environment.end(), settings.begin(), settings.end());
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string_view text(*entry);
            if (!text.starts_with("RIVAKEL_") && !text.starts_with("XDG_DATA_HOME=") &&
                !text.starts_with("XDG_RUNTIME_DIR="))
                environment.emplace_back(text);
        }
        std::vector<char*> envp;
        for (std::string& setting : environment) envp.push_back(setting.data());
        envp.push_back(nullptr);
        std::string program = (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "rivakel").string();
        char* argv[] = {program.data(), nullptr};
        const std::string log = (root_ / "program.log").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int spawned = ::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        return spawned == 0;
    }
    // Waits for a line of the log holding `line`.
    bool Says(std::string_view line) const {
        for (auto end = std::chrono::steady_clock::now() + kPatience; std::chrono::steady_clock::now() < end;) {
            if (Log().find(line) != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    // Sends the signal; the wait status once the program has ended, -1 when it runs on.
    int End(int signal) {
        if (::kill(pid_, signal) != 0) return -1;
        for (auto end = std::chrono::steady_clock::now() + kPatience; std::chrono::steady_clock::now() < end;) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return status;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

private:
    std::filesystem::path root_;
    pid_t pid_ = -1;
};
