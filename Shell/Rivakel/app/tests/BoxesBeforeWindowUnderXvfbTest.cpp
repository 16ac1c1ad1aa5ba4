// The window system's boxes that come before the main window exists, shown on a private X server
// of 1024 x 768 pixels as the program shows them: each fits the screen. Their screenshots are
// written to boxes-before-window/ beside this test.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <thread>

#include "app/CommandLine.h"
#include "app/ProgramMain.h"
#include "app/SingleInstance.h"
#include "frame/shell/Shell.h"
#include "platform/Platform.h"
#include "platform/sdl/SdlBackend.h"
#include "platform/tests/XvfbServer.h"

namespace {

using namespace std::chrono_literals;

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

struct BoxWindow {
    std::string id;
    int x = 0, y = 0, width = 0, height = 0;
};

std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char chunk[4096];
        while (size_t got = std::fread(chunk, 1, sizeof chunk, pipe)) text.append(chunk, got);
        ::pclose(pipe);
    }
    return text;
}

// The top-level window of that title, as the X server has it.
std::optional<BoxWindow> FindBox(std::string_view caption) {
    const std::string tree = Output("xwininfo -root -tree 2>/dev/null");
    const std::regex line("(0x[0-9a-f]+) \"" + std::string(caption) + "\".*?  (\\d+)x(\\d+)\\+(-?\\d+)\\+(-?\\d+)");
    std::smatch found;
    if (!std::regex_search(tree, found, line)) return std::nullopt;
    return BoxWindow{found[1], std::stoi(found[4]), std::stoi(found[5]), std::stoi(found[2]), std::stoi(found[3])};
}

struct Box {
    std::string name;
    std::string_view caption;
    std::string text;
};

class BoxesBeforeWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"Xvfb", "xwininfo", "xwd", "convert", "xdotool"}) {
            if (!platform::OnPath(tool)) RIVAKEL_REAL_WINDOW_MISSING(std::string("no ") + tool);
        }
        xvfb_ = platform::XvfbServer::Start();
        ASSERT_NE(xvfb_, nullptr) << "Xvfb did not start";
        // For the tools here and the box's process.
        setenv("DISPLAY", xvfb_->Display().c_str(), 1);
        shots_ = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "boxes-before-window";
        std::filesystem::create_directories(shots_);
    }

    // Shows the box as the program does, in a process of its own (what the libraries behind the
    // window keep stays there), photographs it and answers it with Return.
    std::optional<BoxWindow> ShowAndShoot(const Box& box) {
        const pid_t child = ::fork();
        if (child == 0) {
            setenv("RIVAKEL_PLATFORM", "sdl", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            platform::Backend* backend = platform::GetBackend();
            const unsigned flags = platform::MbOk | platform::MbIconWarning;
            const int answer = backend != nullptr ? backend->MessageBox(box.caption, box.text, flags) : 0;
            ::_exit(answer == platform::IdOk ? 0 : 1);
        }
        std::optional<BoxWindow> window;
        for (int i = 0; i < 300 && !window; ++i) {
            std::this_thread::sleep_for(50ms);
            window = FindBox(box.caption);
        }
        if (window) {
            // The box draws itself once it is mapped.
            std::this_thread::sleep_for(500ms);
            const std::string crop = std::to_string(window->width) + "x" + std::to_string(window->height) + "+" +
                                     std::to_string(window->x) + "+" + std::to_string(window->y);
            Output("xwd -root -silent | convert xwd:- -crop " + crop + " +repage '" +
                   (shots_ / (box.name + ".png")).string() + "'");
            Output("xdotool mousemove " + std::to_string(window->x + window->width / 2) + " " +
                   std::to_string(window->y + window->height / 2) + " key Return");
            for (int i = 0; i < 100 && FindBox(box.caption); ++i) std::this_thread::sleep_for(50ms);
        }
        if (!window || FindBox(box.caption)) ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << box.name << " was not answered OK";
        return window;
    }

    std::unique_ptr<platform::XvfbServer> xvfb_;
    std::filesystem::path shots_;
};

TEST_F(BoxesBeforeWindowTest, EachFitsTheScreen) {
    const Box boxes[] = {
        {"incorrect-attempt", kBadStartCaption, std::string(BadStartText(CommandLineError::MissingFirstField))},
        {"incorrect-attempt-dragged", kBadStartCaption,
         std::string(BadStartText(CommandLineError::MissingSecondField))},
        {"cant-stop", kCantStopCaption, std::string(kCantStopText)},
        {"game-not-found", kGameNotFoundCaption,
         GameNotFoundText("/home/player/Downloads/Rivakel Games From My Friend/ShellTestGameThatIsNotThere.gam")},
    };
    for (const Box& box : boxes) {
        const std::optional<BoxWindow> window = ShowAndShoot(box);
        ASSERT_TRUE(window.has_value()) << box.name << " never appeared";
        EXPECT_GE(window->x, 0) << box.name;
        EXPECT_LE(window->x + window->width, kScreenWidth) << box.name;
        EXPECT_GE(window->y, 0) << box.name;
        EXPECT_LE(window->y + window->height, kScreenHeight) << box.name;
    }
}

// A later start whose first instance never answers gives up with "Can't stop other running
// Rivakel" (the wait cut short here). A termination signal under that box ends the program with 0,
// and a kill takes the box along: no box is left in a process of its own.
TEST_F(BoxesBeforeWindowTest, TheCantStopBoxGoesWithTheProgram) {
    struct Case {
        int signal;
        bool endsWithZero;
    };
    for (const Case& c : {Case{SIGTERM, true}, Case{SIGKILL, false}}) {
        const std::filesystem::path runtime = shots_ / "runtime";
        std::filesystem::remove_all(runtime);
        std::filesystem::create_directories(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        // The first instance holds the lock and never serves its channel.
        const auto first = platform::OpenInstanceChannel("Rivakel", runtime.string());
        ASSERT_TRUE(first && first->IsPrimary());
        const pid_t later = ::fork();
        if (later == 0) {
            setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            platform::SetBackend(platform::sdl::MakeSdlBackend(nullptr));
            const InstanceWait wait{.polls = 1, .intervalMs = 50, .settleMs = 0, .askTimeoutMs = 100};
            ::_exit(StartProgram({}, wait).value_or(99));
        }
        bool up = false;
        for (int i = 0; i < 300 && !up; ++i) {
            std::this_thread::sleep_for(50ms);
            up = FindBox(kCantStopCaption).has_value();
        }
        EXPECT_TRUE(up) << "signal " << c.signal << ": the box never came up";
        ::kill(later, c.signal);
        int status = 0;
        pid_t ended = 0;
        // Ten seconds: the sanitizer build looks for leaks on its way out.
        for (int i = 0; i < 200 && ended == 0; ++i) {
            ended = ::waitpid(later, &status, WNOHANG);
            if (ended == 0) std::this_thread::sleep_for(50ms);
        }
        if (ended == 0) {
            ADD_FAILURE() << "signal " << c.signal << ": the program did not end within ten seconds";
            ::kill(later, SIGKILL);
            ::waitpid(later, &status, 0);
        }
        if (c.endsWithZero) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        }
        bool gone = false;
        for (int i = 0; i < 40 && !gone; ++i) {
            gone = !FindBox(kCantStopCaption).has_value();
            if (!gone) std::this_thread::sleep_for(50ms);
        }
        EXPECT_TRUE(gone) << "signal " << c.signal << ": the box outlived the program";
    }
}

}  // namespace
