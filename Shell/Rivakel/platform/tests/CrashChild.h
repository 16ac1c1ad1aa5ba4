// Runs a test binary again as a child: one test of it, chosen by a gtest filter, with extra
// environment variables. The sanitizers' own fault handlers are switched off for the child, so
// that a crash reaches the handler under test in the sanitizer build too, and so is the leak
// check, whose tracer cannot stop every thread a system library (a GL driver) starts.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// A function that faults on purpose: a call of its own that the optimiser cannot see through, and
// unchecked by the sanitizers, so that its fault is a real signal under either compiler.
#if defined(__clang__)
#define RIVAKEL_FAULTS_ON_PURPOSE __attribute__((noinline, optnone, no_sanitize("address", "undefined")))
#else
#define RIVAKEL_FAULTS_ON_PURPOSE __attribute__((noipa, no_sanitize("address", "undefined")))
#endif

inline constexpr const char* kChildSanitizerOptions =
    "handle_segv=0:handle_sigbus=0:handle_sigfpe=0:handle_sigill=0:handle_abort=0:"
    "allow_user_segv_handler=1:detect_leaks=0";

struct ChildResult {
    bool finished = false;  // false: killed after the time-out
    bool exited = false;
    int exitCode = -1;
    int signal = 0;
};

// `program` is the binary to run (usually "/proc/self/exe"), `filter` the gtest filter.
inline ChildResult RunCrashChild(const std::string& program, const std::string& filter,
                                 const std::vector<std::pair<std::string, std::string>>& environment,
                                 int timeoutMs = 60000) {
    const pid_t child = fork();
    if (child < 0) return {};
    if (child == 0) {
        for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
        setenv("ASAN_OPTIONS", kChildSanitizerOptions, 1);
        setenv("UBSAN_OPTIONS", "handle_segv=0:handle_sigbus=0:handle_sigfpe=0:handle_sigill=0:handle_abort=0", 1);
        const std::string filterArgument = "--gtest_filter=" + filter;
        execl(program.c_str(), program.c_str(), filterArgument.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    ChildResult result;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    result.finished = true;
    result.exited = WIFEXITED(status);
    result.exitCode = result.exited ? WEXITSTATUS(status) : -1;
    result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return result;
}

// The value of an environment variable set by RunCrashChild; nullopt in the parent run.
inline std::optional<std::string> CrashChildSetting(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}
