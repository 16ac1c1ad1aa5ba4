// Runs one of the scripts beside these tests that drive the real program on a private X server.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <optional>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

// The program and what it needs are built beside the test. The script's exit code, or nullopt
// (with the reason in `skip`) when it cannot run here: no program, no X server or tools (77).
inline std::optional<int> RunXvfbScript(const std::string& script, const std::vector<std::string>& beside,
                                        std::string& skip) {
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
    std::string command = "bash '" + std::string(RIVAKEL_SOURCE_DIR) + "/Shell/Rivakel/core/app/tests/" + script +
                          "' '" + program.string() + "'";
    for (const std::string& name : beside) command += " '" + (self.parent_path() / name).string() + "'";
    const int status = std::system(command.c_str());
    if (status == -1 || !WIFEXITED(status)) return -1;
    if (WEXITSTATUS(status) == 77) {
        skip = "no X server, tools or program";
        return std::nullopt;
    }
    return WEXITSTATUS(status);
}
