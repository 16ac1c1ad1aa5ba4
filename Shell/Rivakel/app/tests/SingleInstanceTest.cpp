#include "app/SingleInstance.h"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <chrono>
#include <functional>
#include <future>
#include <optional>
#include <thread>
#include <vector>

#include "app/MainWindowProc.h"
#include "app/Session.h"
#include "app/tests/AppTestEnvironment.h"

namespace {

using namespace std::chrono_literals;

class SingleInstanceTest : public AppTest {
protected:
    std::unique_ptr<platform::InstanceChannel> Open() {
        return platform::OpenInstanceChannel("RivakelTest", RuntimeDir().string());
    }
};

// A first instance as the later start sees it: scripted answers, and a lock that is let go
// after a number of liveness checks. Silence costs the question's whole wait, as it does there.
class ScriptedFirst final : public platform::InstanceChannel {
public:
    explicit ScriptedFirst(platform::headless::HeadlessBackend* clock = nullptr) : clock_(clock) {}

    std::vector<std::optional<int>> answers;  // one per question; silence once they run out
    int aliveChecks = INT_MAX;                // checks that still find it running
    std::vector<int> asked;
    bool primary = false;

    bool IsPrimary() const override { return primary; }
    void Serve(const std::function<int(int)>&) override {}
    std::optional<int> Ask(int message, int timeoutMs) override {
        asked.push_back(message);
        if (message == platform::kActivateRequest) return 0;
        if (answers.empty() || !answers.front()) {
            if (clock_ != nullptr) clock_->AdvanceTime(static_cast<uint32_t>(timeoutMs));
        }
        if (answers.empty()) return std::nullopt;
        std::optional<int> answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    bool PrimaryAlive() override { return aliveChecks-- > 0; }
    bool TryBecomePrimary() override { return primary = true; }
    int WaitHandle() const override { return -1; }

private:
    platform::headless::HeadlessBackend* clock_;
};

TEST_F(SingleInstanceTest, RunningFirstIsActivatedAtOnce) {
    for (int answer : {0, 2, -7}) {
        ScriptedFirst first;
        first.answers = {answer};
        EXPECT_EQ(ClaimSingleInstance(first, *headless_), InstanceOutcome::ActivatedOther) << answer;
        EXPECT_EQ(first.asked, (std::vector<int>{kMsgShuttingDown, platform::kActivateRequest}));
    }
    EXPECT_EQ(headless_->TickMs(), 0u);
}

// Whether it says so or keeps silent, a first instance that keeps shutting down is awaited a
// thousand polls of a quarter second, after the first question's wait.
TEST_F(SingleInstanceTest, StoppingFirstIsAwaitedAThousandTimesAQuarterSecond) {
    struct Case {
        const char* name;
        std::vector<std::optional<int>> answers;
        uint32_t firstQuestionMs;
    };
    const Case cases[] = {
        {"says it is shutting down", {1}, 0},
        {"keeps silent", {}, 2000},
    };
    for (const Case& c : cases) {
        headless_->SetTime(0);
        ScriptedFirst first(headless_);
        first.answers = c.answers;
        EXPECT_EQ(ClaimSingleInstance(first, *headless_), InstanceOutcome::OtherNeverStopped) << c.name;
        EXPECT_EQ(headless_->TickMs(), c.firstQuestionMs + 1000u * 250u) << c.name;
        EXPECT_FALSE(first.primary) << c.name;
    }
}

TEST_F(SingleInstanceTest, StoppingFirstThatGoesIsFollowedASecondLater) {
    ScriptedFirst first;
    first.answers = {1};
    first.aliveChecks = 4;
    EXPECT_EQ(ClaimSingleInstance(first, *headless_), InstanceOutcome::Primary);
    EXPECT_TRUE(first.primary);
    EXPECT_EQ(headless_->TickMs(), 4u * 250u + 1000u);
}

TEST_F(SingleInstanceTest, SilentFirstIsAskedAgainWhileItHoldsTheLock) {
    ScriptedFirst first;
    first.answers = {std::nullopt, std::nullopt, 0};
    EXPECT_EQ(ClaimSingleInstance(first, *headless_), InstanceOutcome::ActivatedOther);
    EXPECT_EQ(first.asked,
              (std::vector<int>{kMsgShuttingDown, kMsgShuttingDown, kMsgShuttingDown, platform::kActivateRequest}));
}

// Serves `primary` on this thread until `done` is ready.
template <typename T>
T ServeUntil(platform::InstanceChannel& primary, std::future<T>& done, const std::function<int(int)>& answer) {
    while (done.wait_for(2ms) != std::future_status::ready) primary.Serve(answer);
    return done.get();
}

TEST_F(SingleInstanceTest, FirstStartIsPrimary) {
    auto first = Open();
    ASSERT_TRUE(first);
    EXPECT_EQ(ClaimSingleInstance(*first, *headless_), InstanceOutcome::Primary);
}

TEST_F(SingleInstanceTest, SecondStartActivatesARunningFirst) {
    auto first = Open();
    auto second = Open();
    ASSERT_TRUE(first && second);
    ASSERT_TRUE(first->IsPrimary());
    ASSERT_FALSE(second->IsPrimary());

    std::vector<int> asked;
    auto done = std::async(std::launch::async, [&] { return ClaimSingleInstance(*second, *headless_); });
    InstanceOutcome outcome = ServeUntil(*first, done, [&](int message) {
        asked.push_back(message);
        return message == kMsgShuttingDown ? 0 : 0;
    });
    EXPECT_EQ(outcome, InstanceOutcome::ActivatedOther);
    EXPECT_EQ(asked, (std::vector<int>{kMsgShuttingDown, platform::kActivateRequest}));
}

TEST_F(SingleInstanceTest, FirstThatKeepsStoppingMakesTheSecondGiveUp) {
    auto first = Open();
    auto second = Open();
    ASSERT_TRUE(first && second);
    InstanceWait wait{.polls = 3, .intervalMs = 1, .settleMs = 0, .askTimeoutMs = 1000};
    auto done = std::async(std::launch::async, [&] { return ClaimSingleInstance(*second, *headless_, wait); });
    EXPECT_EQ(ServeUntil(*first, done, [](int) { return 1; }), InstanceOutcome::OtherNeverStopped);
}

TEST_F(SingleInstanceTest, SecondTakesOverOnceTheStoppingFirstHasGone) {
    auto first = Open();
    auto second = Open();
    ASSERT_TRUE(first && second);
    first->Serve([](int) { return 1; });
    first.reset();
    InstanceWait wait{.polls = 5, .intervalMs = 1, .settleMs = 0, .askTimeoutMs = 200};
    EXPECT_EQ(ClaimSingleInstance(*second, *headless_, wait), InstanceOutcome::Primary);
    EXPECT_TRUE(second->IsPrimary());
}

TEST_F(SingleInstanceTest, RunningProgramAnswersAndRaisesItsMinimisedWindow) {
    ASSERT_FALSE(StartProgram({}).has_value());
    platform::Window* window = Program().mainWindow.get();
    ASSERT_NE(window, nullptr);
    window->Minimize();

    auto second = platform::OpenInstanceChannel("Rivakel");
    ASSERT_TRUE(second);
    ASSERT_FALSE(second->IsPrimary());
    auto done = std::async(std::launch::async, [&] { return ClaimSingleInstance(*second, *headless_); });
    while (done.wait_for(2ms) != std::future_status::ready) ServeInstanceChannel();
    EXPECT_EQ(done.get(), InstanceOutcome::ActivatedOther);
    EXPECT_FALSE(window->IsMinimized());
}

TEST_F(SingleInstanceTest, ShuttingDownIsAnsweredExactlyWhileStopping) {
    ASSERT_FALSE(StartProgram({}).has_value());
    EXPECT_EQ(AnswerInstanceQuestion(kMsgShuttingDown), 0);
    EXPECT_EQ(AnswerPrivateMessage(kMsgCloseRequest, 0, 0), 1);
    EXPECT_EQ(AnswerInstanceQuestion(kMsgShuttingDown), 1);
    EXPECT_EQ(AnswerPrivateMessage(kMsgCloseRequest, 0, 0), 1);
    EXPECT_EQ(AnswerPrivateMessage(kMsgShellVersion, 0, 0), 0);
    RunPendingSessionStop();
    EXPECT_EQ(AnswerInstanceQuestion(kMsgShuttingDown), 1);
}

}  // namespace
