// A private X server for tests that drive a real window.
#pragma once

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

inline bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string_view rest = path != nullptr ? path : "/usr/bin:/bin";
    while (!rest.empty()) {
        const size_t colon = rest.find(':');
        const std::string folder(rest.substr(0, colon));
        if (!folder.empty() && access((folder + "/" + program).c_str(), X_OK) == 0) return true;
        rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    }
    return false;
}

// True under CI (CI=true), where every tool and module the real-window tests need is installed.
inline bool UnderCi() {
    const char* ci = std::getenv("CI");
    return ci != nullptr && std::string_view(ci) == "true";
}

// What a real-window test does when `missing` (a text) is not here: a developer's machine skips
// the test, CI fails it, as a skip there would hide a test that never ran.
#define RIVAKEL_REAL_WINDOW_MISSING(missing)                                                       \
    do {                                                                                           \
        if (::platform::UnderCi()) GTEST_FAIL() << (missing) << ", and CI runs every real-window test"; \
        GTEST_SKIP() << (missing);                                                                 \
    } while (false)

// An Xvfb on a display number it picks itself, killed when this goes (and with the test process).
class XvfbServer {
public:
    static std::unique_ptr<XvfbServer> Start() {
        int fds[2];
        if (pipe(fds) != 0) return nullptr;
        const pid_t pid = fork();
        if (pid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        auto server = std::unique_ptr<XvfbServer>(new XvfbServer(pid));
        // Xvfb writes its display number once it accepts clients.
        std::string number;
        pollfd wait{fds[0], POLLIN, 0};
        while (pid > 0 && poll(&wait, 1, 15000) == 1) {
            char c = 0;
            if (read(fds[0], &c, 1) != 1 || c == '\n') break;
            number += c;
        }
        close(fds[0]);
        if (pid < 0 || number.empty()) return nullptr;
        server->display_ = ":" + number;
        return server;
    }
    ~XvfbServer() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    const std::string& Display() const { return display_; }
    // Dies as a crashed server does, without telling its clients.
    void Kill() {
        kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = 0;
    }

private:
    explicit XvfbServer(pid_t pid) : pid_(pid) {}
    pid_t pid_;
    std::string display_;
};

}  // namespace platform
