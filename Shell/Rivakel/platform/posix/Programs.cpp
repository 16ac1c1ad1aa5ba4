// Running helper programs of the desktop without a shell, and finding them.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Host.h"

extern char** environ;

namespace platform {
namespace {

// Owns the spawn attributes and file actions; both must be destroyed whatever happens.
class SpawnSetup {
public:
    SpawnSetup() {
        ::posix_spawnattr_init(&attributes_);
        ::posix_spawn_file_actions_init(&actions_);
        // The child starts with default signal handling and nothing blocked, whatever the caller
        // ignores or blocks (a test ignoring the file-size signal, say).
        sigset_t all;
        sigset_t none;
        ::sigfillset(&all);
        ::sigemptyset(&none);
        ::posix_spawnattr_setsigdefault(&attributes_, &all);
        ::posix_spawnattr_setsigmask(&attributes_, &none);
        ::posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
        ::posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        ::posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        ::posix_spawn_file_actions_addopen(&actions_, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    ~SpawnSetup() {
        ::posix_spawn_file_actions_destroy(&actions_);
        ::posix_spawnattr_destroy(&attributes_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    const posix_spawnattr_t* Attributes() const { return &attributes_; }
    const posix_spawn_file_actions_t* Actions() const { return &actions_; }

private:
    posix_spawnattr_t attributes_{};
    posix_spawn_file_actions_t actions_{};
};

void SleepBriefly() {
    const timespec pause{0, 2 * 1000 * 1000};
    ::nanosleep(&pause, nullptr);
}

uint64_t NowMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint64_t>(now.tv_sec) * 1000 + static_cast<uint64_t>(now.tv_nsec) / 1000000;
}

}  // namespace

std::optional<int> RunProgram(const std::string& program, std::span<const std::string> args, int timeoutMs) {
    if (program.empty()) return std::nullopt;
    std::vector<std::string> words;
    words.reserve(args.size() + 1);
    words.push_back(program);
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    const SpawnSetup setup;
    pid_t pid = 0;
    if (::posix_spawnp(&pid, program.c_str(), setup.Actions(), setup.Attributes(), argv.data(), environ) != 0)
        return std::nullopt;

    const uint64_t deadline = NowMs() + static_cast<uint64_t>(timeoutMs > 0 ? timeoutMs : 0);
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0 && errno != EINTR) return std::nullopt;
        if (NowMs() >= deadline) {
            ::kill(pid, SIGKILL);
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            DebugOutput("RunProgram: " + program + " did not finish in time\n");
            return std::nullopt;
        }
        SleepBriefly();
    }
    if (!WIFEXITED(status)) return std::nullopt;
    return WEXITSTATUS(status);
}

bool FindProgram(std::string_view program) {
    if (program.empty()) return false;
    auto runnable = [](const std::string& path) {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
    };
    if (program.find('/') != std::string_view::npos) return runnable(std::string(program));
    const char* path = std::getenv("PATH");
    const std::string_view folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string_view::npos) end = folders.size();
        const std::string_view folder = folders.substr(start, end - start);
        if (runnable(JoinPath(folder.empty() ? "." : folder, program))) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace platform
