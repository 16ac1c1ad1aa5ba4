#include "app/ProgramMain.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

#include "app/App.h"
#include "app/CommandLine.h"
#include "app/MainLoop.h"
#include "app/MainWindowProc.h"
#include "app/PlainBackground.h"
#include "app/Session.h"
#include "app/tests/AppTestEnvironment.h"
#include "core/base/CSubsystem_Clock.h"
#include "core/base/Timer.h"

namespace {

using platform::headless::HeadlessWindow;

class ProgramMainTest : public AppTest {};

TEST_F(ProgramMainTest, StartPresentsTheMainWindowAndCloseEndsCleanly) {
    ASSERT_FALSE(StartProgram({}).has_value());
    ASSERT_NE(g_pApp, nullptr);
    ASSERT_NE(ClockService(), nullptr);
    // The splash is gone once the session runs.
    for (HeadlessWindow* window : headless_->Windows()) EXPECT_FALSE(window->IsSplash());
    ASSERT_NE(headless_->MainWindow(), nullptr);
    EXPECT_TRUE(headless_->MainWindow()->HasIcon());

    headless_->PushClose();
    ::Run();
    EXPECT_EQ(g_pApp, nullptr);
    EXPECT_EQ(ClockService(), nullptr);
    EXPECT_TRUE(headless_->Windows().empty());
}

struct FrameSeen {
    platform::headless::HeadlessBackend* backend = nullptr;
    int presents = -1;
    bool visible = false;
};

// Runs inside the loop: records what the window showed, then asks the session to stop.
int RecordFrameAndStop(intptr_t* args) {
    auto* seen = reinterpret_cast<FrameSeen*>(args[0]);
    if (HeadlessWindow* window = seen->backend->MainWindow()) {
        seen->presents = window->PresentCount();
        seen->visible = window->IsVisible();
    }
    StopSession();
    return 0;
}

TEST_F(ProgramMainTest, LoopShowsAndPresentsBeforeTimersRunAndAStopFromATimerEndsIt) {
    ASSERT_FALSE(StartProgram({}).has_value());
    HeadlessWindow* window = headless_->MainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Width(), 800);
    EXPECT_EQ(window->Height(), 572);
    EXPECT_EQ(window->Title(), "Rivakel");

    FrameSeen seen{headless_};
    auto timer = std::make_unique<CTimer>(&seen, 20, RecordFrameAndStop);
    timer->Start();
    ::Run();
    EXPECT_GE(seen.presents, 1);
    EXPECT_TRUE(seen.visible);
    EXPECT_FALSE(timer->IsRegistered());
    EXPECT_TRUE(headless_->Windows().empty());
}

struct InactiveRun {
    platform::headless::HeadlessBackend* backend = nullptr;
    int clockFires = 0;
    int inactiveFires = 0;
};

// A clock timer: its first firing takes the focus away from the window.
int DeactivateOnFirstFiring(intptr_t* args) {
    auto* run = reinterpret_cast<InactiveRun*>(args[0]);
    if (run->clockFires++ == 0) run->backend->MainWindow()->UserDeactivate();
    if (run->clockFires > 100) StopSession();
    return 0;
}

int StopOnFifthFiring(intptr_t* args) {
    auto* run = reinterpret_cast<InactiveRun*>(args[0]);
    if (++run->inactiveFires == 5) StopSession();
    return 0;
}

TEST_F(ProgramMainTest, WhileInactiveOnlyTheInactiveWindowTimerRuns) {
    ASSERT_FALSE(StartProgram({}).has_value());
    InactiveRun run{headless_};
    auto applet = std::make_unique<CTimer>(&run, 20, DeactivateOnFirstFiring);
    applet->Start();
    auto repaint = std::make_unique<CTimer>(&run, 50, StopOnFifthFiring);
    SetInactiveWindowTimer(repaint.get());
    const uint32_t before = headless_->TickMs();
    // Should the inactive-window timer never run, nothing else would end the loop.
    std::atomic<bool> ended = false;
    std::thread watchdog([&] {
        for (int i = 0; i < 6000 && !ended; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!ended) headless_->PostUserEvent(kMsgCloseRequest, 0, 0);
    });
    ::Run();
    ended = true;
    watchdog.join();
    EXPECT_EQ(run.clockFires, 1);
    EXPECT_EQ(run.inactiveFires, 5);
    // The loop slept between firings instead of spinning through the time.
    EXPECT_LE(headless_->TickMs() - before, 20u + 5u * 50u + 50u);
    EXPECT_EQ(Program().inactiveTimer, nullptr);
}

TEST_F(ProgramMainTest, CloseRequestThroughThePrivateMessageEndsTheLoop) {
    ASSERT_FALSE(StartProgram({}).has_value());
    headless_->PostUserEvent(kMsgCloseRequest, 0, 0);
    ::Run();
    EXPECT_EQ(g_pApp, nullptr);
    EXPECT_EQ(AnswerPrivateMessage(kMsgShuttingDown, 0, 0), 1);
}

// The big window lays the big skin out from the top left; the rest is the frame's blue.
// Where the frame lies in it: FrameUnderXvfb.
TEST_F(ProgramMainTest, BigWindowIs1024By700) {
    ASSERT_FALSE(StartProgram({"BIGWIN"}).has_value());
    HeadlessWindow* window = headless_->MainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Width(), 1024);
    EXPECT_EQ(window->Height(), 700);
}

TEST_F(ProgramMainTest, NarrowScreenAndEmbeddedStartsGetTheSmallWindow) {
    headless_->SetScreenSize(799, 600);
    ASSERT_FALSE(StartProgram({"BIGWIN"}).has_value());
    ASSERT_NE(headless_->MainWindow(), nullptr);
    EXPECT_EQ(headless_->MainWindow()->Width(), 640);
    EXPECT_EQ(headless_->MainWindow()->Height(), 452);
}

TEST_F(ProgramMainTest, EmbeddedStartParsesNoQuotedFields) {
    // Would be refused with a box if the quoted fields were read.
    ASSERT_FALSE(StartProgram({"HWND", "4711", "plain"}).has_value());
    EXPECT_TRUE(Program().embedded);
    EXPECT_EQ(Program().parentWindow, 4711);
    EXPECT_TRUE(headless_->MessageBoxes().empty());
    EXPECT_EQ(headless_->MainWindow()->Width(), 640);
}

TEST_F(ProgramMainTest, InstallerFieldsReachTheApplicationObject) {
    // A blank and slashes, a double quote and a bare word: each arrives as it was given.
    ASSERT_FALSE(StartProgram({"/opt/My Games/riv", "/tmp/set\"up \"/etc/evil", "Game.gam"}).has_value());
    EXPECT_EQ(GetLaunchPath(), "/opt/My Games/riv");
    EXPECT_EQ(GetShellPath(), "/opt/My Games/riv");
    EXPECT_EQ(GetSetupFilePath(), "/tmp/set\"up \"/etc/evil");
    EXPECT_EQ(GetGameFile(), "Game.gam");
    EXPECT_TRUE(headless_->MessageBoxes().empty());
}

TEST_F(ProgramMainTest, RmlFileIsKeptForLaterAndNeverParsedForFields) {
    ASSERT_FALSE(StartProgram({"/home/u/Hello There.RML"}).has_value());
    EXPECT_TRUE(Program().pendingRml);
    EXPECT_EQ(Program().pendingRmlPath, "/home/u/Hello There.RML");
    EXPECT_TRUE(headless_->MessageBoxes().empty());
}

// In the child of a death test: report the boxes shown before the process ended.
platform::headless::HeadlessBackend* g_reported = nullptr;
void ReportBoxes() {
    for (const auto& box : g_reported->MessageBoxes()) std::fprintf(stderr, "[%s]\n", box.caption.c_str());
}

TEST_F(ProgramMainTest, ArgumentsNotFromTheInstallerShowTheBoxAndExitWithMinusOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto start = [this](const Arguments& args) {
        g_reported = headless_;
        std::atexit(ReportBoxes);
        StartProgram(args);
    };
    EXPECT_EXIT(start({"plain", "words"}), ::testing::ExitedWithCode(255), "\\[Incorrect attempt to run Rivakel\\]");
    EXPECT_EXIT(start({"/only/one field"}), ::testing::ExitedWithCode(255), "\\[Incorrect attempt to run Rivakel\\]");
    EXPECT_EXIT(start({std::string(40000, 'x'), "/b"}), ::testing::ExitedWithCode(255), "Incorrect");
}

// A first instance in another process, as far as a later start can tell: it holds the channel
// and answers every question with `answer` from its own thread.
class FirstInstance {
public:
    explicit FirstInstance(int answer) : channel_(platform::OpenInstanceChannel("Rivakel")) {
        serving_ = std::thread([this, answer] {
            while (!done_) {
                channel_->Serve([&](int message) {
                    std::lock_guard lock(mutex_);
                    asked_.push_back(message);
                    return answer;
                });
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    }
    ~FirstInstance() {
        done_ = true;
        serving_.join();
    }
    bool IsPrimary() const { return channel_->IsPrimary(); }
    std::vector<int> Asked() {
        std::lock_guard lock(mutex_);
        return asked_;
    }

private:
    std::unique_ptr<platform::InstanceChannel> channel_;
    std::mutex mutex_;
    std::vector<int> asked_;
    std::atomic<bool> done_ = false;
    std::thread serving_;
};

TEST_F(ProgramMainTest, SecondStartActivatesTheRunningFirstAndEndsWithZero) {
    FirstInstance first(0);
    ASSERT_TRUE(first.IsPrimary());
    std::optional<int> code = StartProgram({"BIGWIN"});
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0);
    EXPECT_EQ(first.Asked(), (std::vector<int>{kMsgShuttingDown, platform::kActivateRequest}));
    // Nothing of its own was started: no splash, no window, no session.
    EXPECT_TRUE(headless_->Windows().empty());
    EXPECT_EQ(g_pApp, nullptr);
    EXPECT_EQ(Program().instance, nullptr);
}

TEST_F(ProgramMainTest, FirstThatNeverFinishesStoppingEndsTheSecondWithTheBoxAndMinusOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    FirstInstance first(1);
    auto start = [this] {
        g_reported = headless_;
        std::atexit(ReportBoxes);
        StartProgram({}, InstanceWait{.polls = 3, .intervalMs = 1, .settleMs = 0, .askTimeoutMs = 1000});
    };
    EXPECT_EXIT(start(), ::testing::ExitedWithCode(255), "\\[Can't stop other running Rivakel\\]");
}

TEST_F(ProgramMainTest, NoDisplayGivesAMessageAndExitCodeOne) {
    platform::SetBackend(nullptr);
    ::testing::internal::CaptureStderr();
    std::optional<int> code = StartProgram({});
    std::string err = ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, kExitNoDisplay);
    EXPECT_NE(err.find("no display"), std::string::npos);
}

TEST_F(ProgramMainTest, NoFontsGiveTheBoxAndExitCodeThreeWithNoWindowOrSession) {
    headless_->SetInstalledFonts(false);
    ::testing::internal::CaptureStderr();
    std::optional<int> code = StartProgram({});
    std::string err = ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, kExitNoFonts);
    EXPECT_NE(err.find("no fonts"), std::string::npos);
    ASSERT_EQ(headless_->MessageBoxes().size(), 1u);
    EXPECT_TRUE(headless_->Windows().empty());
    EXPECT_EQ(g_pApp, nullptr);
    EXPECT_FALSE(std::filesystem::exists(DataHome() / "Rivakel"));
}

TEST_F(ProgramMainTest, UnwritableDataFolderStopsBeforeWritingAnything) {
    // Installed through the current folder, while the data folder's "Rivakel" is a plain file.
    std::filesystem::path cwd = Root() / "cwd";
    std::filesystem::create_directories(cwd / "Rivakel" / "System");
    std::ofstream(cwd / "Rivakel" / "System" / "Core.rdt") << "<Core></Core>";
    std::ofstream(DataHome() / "Rivakel") << "not a folder";
    std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(cwd);

    ::testing::internal::CaptureStderr();
    std::optional<int> code = StartProgram({});
    std::string err = ::testing::internal::GetCapturedStderr();
    std::filesystem::current_path(before);

    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, kExitDataFolderUnwritable);
    EXPECT_NE(err.find("cannot write"), std::string::npos);
    ASSERT_EQ(headless_->MessageBoxes().size(), 1u);
    EXPECT_TRUE(std::filesystem::is_regular_file(DataHome() / "Rivakel"));
    EXPECT_EQ(g_pApp, nullptr);
}

TEST_F(ProgramMainTest, NotInstalledSessionWritesNothing) {
    ASSERT_FALSE(StartProgram({}).has_value());
    EXPECT_FALSE(g_pApp->IsInstalled());
    headless_->PushClose();
    ::Run();
    EXPECT_FALSE(std::filesystem::exists(DataHome() / "Rivakel"));
}

TEST_F(ProgramMainTest, TestServerMarkerSwitchesToTheLocalServer) {
    std::filesystem::create_directories(DataHome() / "Rivakel");
    std::ofstream(DataHome() / "Rivakel" / "LocalTestServer.txt") << "127.0.0.1:9123\n";
    ASSERT_FALSE(StartProgram({}).has_value());
    EXPECT_TRUE(Program().localTestServer);
    EXPECT_EQ(Program().testServerAddress, "127.0.0.1:9123");
}

TEST_F(ProgramMainTest, NoWindowGivesTheBoxSavesTheStoreAndEndsNonZero) {
    const std::filesystem::path core = DataHome() / "Rivakel" / "System" / "Core.rdt";
    std::filesystem::create_directories(core.parent_path());
    std::ofstream(core) << "<RDT ver=\"00.01.00.00\"></RDT>";
    struct stat before {};
    ASSERT_EQ(::stat(core.c_str(), &before), 0);
    headless_->SetWindowsRefused(true);
    ::testing::internal::CaptureStderr();
    std::optional<int> code = StartProgram({});
    const std::string err = ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, kExitNoWindow);
    EXPECT_NE(err.find("could not open its window"), std::string::npos);
    ASSERT_EQ(headless_->MessageBoxes().size(), 1u);
    EXPECT_EQ(g_pApp, nullptr);
    EXPECT_TRUE(SessionStopping());
    // Saved in the session's order: the store is written to a new file that replaces the old.
    struct stat after {};
    ASSERT_EQ(::stat(core.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);
}

// Sparse files claiming two terabytes under the names the start reads.
TEST_F(ProgramMainTest, HugeFilesUnderTheNamesReadAtStartEndNothing) {
    const std::filesystem::path system = DataHome() / "Rivakel" / "System";
    std::filesystem::create_directories(system);
    const std::filesystem::path marker = DataHome() / "Rivakel" / "LocalTestServer.txt";
    for (const auto& path : {system / "Core.rdt", system / "Outbox.rdt", marker}) {
        std::ofstream{path};
        std::filesystem::resize_file(path, std::uintmax_t{1} << 41);
    }
    ASSERT_FALSE(StartProgram({}).has_value());
    EXPECT_TRUE(g_pApp->IsInstalled());
    EXPECT_TRUE(Program().localTestServer);
    headless_->PushClose();
    ::Run();
    EXPECT_LT(std::filesystem::file_size(system / "Core.rdt"), 1u << 20);
}

}  // namespace
