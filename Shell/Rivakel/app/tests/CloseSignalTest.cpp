// The real program, headless, ended by a termination signal: the session ends without a question,
// in order (a running game stopped, the store saved), and the process exits 0.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/tests/HeadlessPortal.h"

namespace {

namespace fs = std::filesystem;

ino_t InodeOf(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

enum class Situation {
    Idle,
    NotInstalled,  // a close from the window would ask "Play Again Soon" first
    GameRunning,
};

struct SignalCase {
    int signal;
    Situation situation;
};

class CloseSignalTest : public ::testing::TestWithParam<SignalCase> {
protected:
    void SetUp() override {
        portal_ = std::make_unique<HeadlessPortal>(
            fs::temp_directory_path() / ("rivakel-signal-" + std::to_string(::getpid()) + "-" +
                                         std::to_string(GetParam().signal) + "-" +
                                         std::to_string(static_cast<int>(GetParam().situation))));
        if (GetParam().situation != Situation::NotInstalled)
            std::ofstream(Core()) << "<RDT ver=\"00.01.00.00\"></RDT>\r\n";
    }

    fs::path Core() const { return portal_->Core(); }

    std::unique_ptr<HeadlessPortal> portal_;
};

TEST_P(CloseSignalTest, EndsTheSessionInOrderWithoutAQuestionAndExitsZero) {
    const SignalCase& given = GetParam();
    const ino_t before = InodeOf(Core());
    std::vector<std::string> settings;
    if (given.situation == Situation::GameRunning)
        settings.push_back("RIVAKEL_GAME=" + (fs::path(TEST_GAMES_DIR) / "TestGame.gam").string());
    ASSERT_TRUE(portal_->Start(settings));
    ASSERT_TRUE(portal_->Says("main window 800x572 shown")) << portal_->Log();
    if (given.situation == Situation::GameRunning) {
        ASSERT_TRUE(portal_->Says("Rivakel: game ")) << portal_->Log();
    }
    const auto sent = std::chrono::steady_clock::now();
    const int status = portal_->End(given.signal);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - sent);
    ASSERT_NE(status, -1) << "still running after the signal";
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::cout << "ended " << took.count() << " ms after the signal\n";
    const std::string log = portal_->Log();
    EXPECT_NE(log.find("main loop ended"), std::string::npos) << log;
    EXPECT_EQ(log.find("dialog"), std::string::npos) << "nobody is asked: " << log;
    switch (given.situation) {
    case Situation::NotInstalled:
        // Nothing installed, nothing saved.
        EXPECT_FALSE(fs::exists(Core()));
        EXPECT_FALSE(fs::exists(portal_->Data() / "Rivakel" / "rivakel"));
        break;
    case Situation::GameRunning:
        EXPECT_NE(log.find(" stopped", log.find("Rivakel: game ")), std::string::npos) << log;
        EXPECT_NE(ReadText(Core().parent_path() / "Outbox.rdt").find("GameStopped2"), std::string::npos);
        [[fallthrough]];
    case Situation::Idle:
        // Saved: the store is written to a new file that replaces the old one.
        EXPECT_NE(InodeOf(Core()), before);
        EXPECT_NE(InodeOf(Core()), 0u);
        break;
    }
}

const SignalCase kCases[] = {
    {SIGTERM, Situation::Idle},         {SIGINT, Situation::Idle},         {SIGHUP, Situation::Idle},
    {SIGTERM, Situation::NotInstalled}, {SIGHUP, Situation::NotInstalled}, {SIGTERM, Situation::GameRunning},
};

std::string CaseName(const ::testing::TestParamInfo<SignalCase>& given) {
    static constexpr const char* kSituations[] = {"Idle", "NotInstalled", "GameRunning"};
    return std::string(sigabbrev_np(given.param.signal)) + kSituations[static_cast<int>(given.param.situation)];
}

INSTANTIATE_TEST_SUITE_P(EachSignalAndSituation, CloseSignalTest, ::testing::ValuesIn(kCases), CaseName);

}  // namespace
