#include "platform/sdl/UrlLauncher.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace platform::sdl {

bool StartDetached(const std::string& program, const std::string& argument) {
    std::string programCopy = program;
    std::string argumentCopy = argument;
    char* argv[] = {programCopy.data(), argumentCopy.data(), nullptr};
    pid_t pid = 0;
    // posix_spawnp reports a program that cannot be run as an error, so true means started.
    if (posix_spawnp(&pid, programCopy.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
    // Reap it when it ends so that no zombie stays behind; nobody waits for the result.
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

}  // namespace platform::sdl
