// Runs one of the scripts beside these tests that drive the real program on a private X server.
#pragma once

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/tests/XvfbServer.h"

// The program and what it needs are built beside the test; `words` follow them as they stand.
// The script's exit code, or nullopt (with the reason in `skip`) when it cannot run here: no
// program, no X server or tools (77). The caller skips, or fails under CI
// (RIVAKEL_REAL_WINDOW_MISSING).
inline std::optional<int> RunXvfbScript(const std::string& script, const std::vector<std::string>& beside,
                                        std::string& skip, const std::vector<std::string>& words = {}) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        skip = "cannot find the test's own folder";
        return std::nullopt;
    }
    const std::filesystem::path program = self.parent_path() / "rivakel";
    if (!std::filesystem::exists(program)) {
        skip = "no program at " + program.string();
        return std::nullopt;
    }
    std::vector<std::string> args{"bash", std::string(RIVAKEL_SOURCE_DIR) + "/Shell/Rivakel/app/tests/" + script,
                                  program.string()};
    for (const std::string& name : beside) args.push_back((self.parent_path() / name).string());
    args.insert(args.end(), words.begin(), words.end());
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child == 0) {
        // A test run killed for taking too long takes the script down, and the script its programs.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(1);
        execv("/bin/bash", argv.data());
        _exit(127);
    }
    int status = -1;
    if (child < 0 || waitpid(child, &status, 0) != child) return -1;
    if (status == -1 || !WIFEXITED(status)) return -1;
    if (WEXITSTATUS(status) == 77) {
        skip = "no X server, tools or program";
        return std::nullopt;
    }
    return WEXITSTATUS(status);
}
