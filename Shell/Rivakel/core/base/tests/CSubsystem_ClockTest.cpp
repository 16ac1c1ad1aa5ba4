#include "core/base/CSubsystem_Clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "core/base/Timer.h"
#include "core/base/tests/FakeClockSource.h"

namespace {

class ClockTest : public ::testing::Test {
protected:
    explicit ClockTest(uint32_t startTick = 1000) {
        time_->tick = startTick;
        clock_ = CreateClock(std::make_unique<FakeClockSource>(time_));
    }
    ~ClockTest() override { DestroyClock(); }

    void Advance(uint32_t ms) { time_->tick += ms; }
    uint32_t GameMs() {
        uint32_t ms = 0;
        clock_->GetGameMs(ms);
        return ms;
    }
    uint32_t WallMs() {
        uint32_t ms = 0;
        clock_->GetElapsedMs(ms);
        return ms;
    }

    std::shared_ptr<FakeTime> time_ = std::make_shared<FakeTime>();
    CSubsystem_Clock* clock_ = nullptr;
};

// Records each firing's elapsed time.
struct Recorder {
    std::vector<intptr_t> elapsed;
    static int OnTick(intptr_t* args) {
        auto* self = reinterpret_cast<Recorder*>(args[0]);
        EXPECT_EQ(args[1], args[2]);
        self->elapsed.push_back(args[1]);
        return 0;
    }
};

TEST_F(ClockTest, LateTickFiresOnceAndPhaseFollowsTheFiring) {
    Recorder record;
    CTimer timer(&record, 100, Recorder::OnTick);
    timer.Start();
    Advance(250);
    clock_->TickAll();
    clock_->TickAll();
    EXPECT_EQ(record.elapsed, (std::vector<intptr_t>{250}));
    Advance(99);
    clock_->TickAll();
    EXPECT_EQ(record.elapsed.size(), 1u);
    Advance(1);
    clock_->TickAll();
    EXPECT_EQ(record.elapsed, (std::vector<intptr_t>{250, 350}));
}

// Aligned timers started at different moments fire together, on the multiples of their
// interval, and a late firing does not move them off those moments.
TEST_F(ClockTest, AlignedTimersFireTogetherOnTheMultiplesOfTheirInterval) {
    struct Firings {
        std::vector<uint32_t> at;
        static int OnTick(intptr_t* args) {
            uint32_t now = 0;
            ClockService()->GetElapsedMs(now);
            reinterpret_cast<Firings*>(args[0])->at.push_back(now);
            return 0;
        }
    };
    Firings first, second;
    CTimer a(&first, 50, Firings::OnTick), b(&second, 50, Firings::OnTick);
    for (CTimer* timer : {&a, &b}) {
        timer->SetClock(TimerClock::Wall);
        timer->SetAligned(true);
    }
    Advance(50 + 13 - WallMs() % 50);
    a.Start();
    Advance(18);
    b.Start();
    const uint32_t from = WallMs();
    EXPECT_EQ(b.DueInMs(), 50 - from % 50);
    for (uint32_t ms = 0; ms < 200; ++ms) {
        Advance(ms == 120 ? 30 : 1);  // one late turn
        clock_->TickAll();
    }
    ASSERT_GE(first.at.size(), 4u);
    EXPECT_EQ(first.at, second.at);
    // Only the late turn's firing is off the multiples; the one after it is on them again.
    const auto off = std::count_if(first.at.begin(), first.at.end(), [](uint32_t at) { return at % 50 != 0; });
    EXPECT_LE(off, 1);
    EXPECT_EQ(first.at.back() % 50, 0u);
    EXPECT_EQ(a.DueInMs(), 50 - WallMs() % 50);
}

TEST_F(ClockTest, ZeroIntervalFiresOnEveryTick) {
    Recorder record;
    CTimer timer(&record, 0, Recorder::OnTick);
    timer.Start();
    clock_->TickAll();
    clock_->TickAll();
    EXPECT_EQ(record.elapsed.size(), 2u);
}

TEST_F(ClockTest, PauseHoldsGameTimersWhileWallTimersRun) {
    Recorder game, wall;
    CTimer gameTimer(&game, 100, Recorder::OnTick);
    CTimer wallTimer(&wall, 100, Recorder::OnTick);
    wallTimer.SetClock(TimerClock::Wall);
    gameTimer.Start();
    wallTimer.Start();

    clock_->SetPaused(true);
    for (int i = 0; i < 5; ++i) {
        Advance(100);
        clock_->TickAll();
    }
    EXPECT_TRUE(game.elapsed.empty());
    EXPECT_EQ(wall.elapsed.size(), 5u);
    // A direct tick does not fire a held game timer either.
    gameTimer.Tick();
    EXPECT_TRUE(game.elapsed.empty());

    clock_->SetPaused(false);
    clock_->TickAll();
    EXPECT_TRUE(game.elapsed.empty());
    Advance(100);
    clock_->TickAll();
    EXPECT_EQ(game.elapsed, (std::vector<intptr_t>{100}));
}

TEST_F(ClockTest, GameClockKeepsAdvancingInPauseAndDropsBackAtResume) {
    Advance(1000);
    clock_->SetPaused(true);
    Advance(5000);
    EXPECT_EQ(GameMs(), 6000u);
    EXPECT_EQ(clock_->TimerMs(TimerClock::Game), 1000u);
    clock_->SetPaused(false);
    EXPECT_EQ(GameMs(), 1000u);
    EXPECT_EQ(WallMs(), 6000u);
}

TEST_F(ClockTest, PausingTwiceAndResumingOnceLeavesTheClockRunning) {
    clock_->SetPaused(true);
    Advance(300);
    clock_->SetPaused(true);
    Advance(300);
    clock_->SetPaused(false);
    EXPECT_FALSE(clock_->IsPaused());
    EXPECT_EQ(GameMs(), 0u);
    Advance(50);
    EXPECT_EQ(GameMs(), 50u);
}

TEST_F(ClockTest, TimerStartedOrRestartedInPauseKeepsItsFullIntervalAfterResume) {
    Recorder started, restarted;
    CTimer early(&restarted, 100, Recorder::OnTick);
    early.Start();
    Advance(80);
    clock_->SetPaused(true);
    Advance(2000);
    CTimer late(&started, 100, Recorder::OnTick);
    late.Start();
    early.Restart();
    clock_->SetPaused(false);
    Advance(99);
    clock_->TickAll();
    EXPECT_TRUE(started.elapsed.empty());
    EXPECT_TRUE(restarted.elapsed.empty());
    Advance(1);
    clock_->TickAll();
    EXPECT_EQ(started.elapsed, (std::vector<intptr_t>{100}));
    EXPECT_EQ(restarted.elapsed, (std::vector<intptr_t>{100}));
}

TEST_F(ClockTest, RegistrationRules) {
    Recorder record;
    CTimer timer(&record, 10, Recorder::OnTick);
    timer.Start();
    timer.Start();
    EXPECT_EQ(clock_->TimerCount(), 1u);
    EXPECT_EQ(clock_->RemoveTimer(&timer), 0);
    EXPECT_EQ(clock_->RemoveTimer(&timer), kTimerNotFound);
    timer.Stop();
    {
        CTimer scoped(&record, 10, Recorder::OnTick);
        scoped.Start();
        EXPECT_EQ(clock_->TimerCount(), 1u);
    }
    EXPECT_EQ(clock_->TimerCount(), 0u);
}

TEST_F(ClockTest, NextDueCountsOnlyTimersThatWouldTick) {
    Recorder record;
    EXPECT_EQ(clock_->NextDueInMs(), kNoTimerDue);
    CTimer game(&record, 500, Recorder::OnTick);
    CTimer wall(&record, 800, Recorder::OnTick);
    wall.SetClock(TimerClock::Wall);
    game.Start();
    wall.Start();
    Advance(200);
    EXPECT_EQ(clock_->NextDueInMs(), 300u);
    clock_->SetPaused(true);
    EXPECT_EQ(clock_->NextDueInMs(), 600u);
    Advance(700);
    EXPECT_EQ(clock_->NextDueInMs(), 0u);
}

// Runs what the test gives it, as a timer's callback.
struct Callback {
    std::function<void()> run;
    static int OnTick(intptr_t* args) {
        reinterpret_cast<Callback*>(args[0])->run();
        return 0;
    }
};

TEST_F(ClockTest, ABoxOpenedByATimerWaitsForTheOtherTimersInsteadOfSpinning) {
    bool answered = false;
    Callback answer{[&] { answered = true; }};
    CTimer answerTimer(&answer, 2500, Callback::OnTick);
    answerTimer.SetClock(TimerClock::Wall);
    // The box's loop: it waits as long as the clock says (a driven clock moves only by those
    // waits), then ticks, until the answer comes.
    std::vector<uint32_t> waits;
    Callback box{[&] {
        while (!answered && waits.size() < 10) {
            const uint32_t wait = clock_->NextDueInMs();
            waits.push_back(wait);
            Advance(wait);
            clock_->TickAll();
        }
    }};
    CTimer opener(&box, 1000, Callback::OnTick);
    opener.SetClock(TimerClock::Wall);
    answerTimer.Start();
    opener.Start();
    Advance(1000);
    clock_->TickAll();
    EXPECT_TRUE(answered);
    EXPECT_EQ(waits, (std::vector<uint32_t>{1500}));
}

class WrappingClockTest : public ClockTest {
protected:
    WrappingClockTest() : ClockTest(UINT32_MAX - 50) {}
};

TEST_F(WrappingClockTest, TimersFireAcrossTheTickWrap) {
    Recorder record;
    CTimer timer(&record, 100, Recorder::OnTick);
    timer.Start();
    Advance(60);
    clock_->TickAll();
    EXPECT_TRUE(record.elapsed.empty());
    Advance(40);
    clock_->TickAll();
    EXPECT_EQ(record.elapsed, (std::vector<intptr_t>{100}));
    EXPECT_EQ(WallMs(), 100u);
}

// Timers whose callbacks stop, delete or restart timers, this one included.
struct Chain {
    std::vector<std::string> fired;
    std::vector<CTimer*> timers;
    std::function<void(size_t)> action;
};

struct Link {
    Chain* chain;
    size_t index;
    static int OnTick(intptr_t* args) {
        auto* self = reinterpret_cast<Link*>(args[0]);
        Chain* chain = self->chain;
        const size_t index = self->index;
        chain->fired.push_back(std::to_string(index));
        if (chain->action) chain->action(index);
        return 0;
    }
};

class TimerChainTest : public ClockTest {
protected:
    void Make(size_t count) {
        links_.resize(count);
        for (size_t i = 0; i < count; ++i) {
            links_[i] = {&chain_, i};
            chain_.timers.push_back(new CTimer(&links_[i], 10, Link::OnTick));
            chain_.timers.back()->Start();
        }
        Advance(10);
    }
    ~TimerChainTest() override {
        for (CTimer* timer : chain_.timers) delete timer;
    }
    void Delete(size_t index) {
        delete chain_.timers[index];
        chain_.timers[index] = nullptr;
    }

    Chain chain_;
    std::vector<Link> links_;
};

TEST_F(TimerChainTest, TimerDeletingItselfLeavesTheOthersFiringOnce) {
    Make(4);
    chain_.action = [&](size_t index) {
        if (index == 1) Delete(1);
    };
    clock_->TickAll();
    EXPECT_EQ(chain_.fired, (std::vector<std::string>{"0", "1", "2", "3"}));
    EXPECT_EQ(clock_->TimerCount(), 3u);
    Advance(10);
    clock_->TickAll();
    EXPECT_EQ(chain_.fired.size(), 7u);
}

TEST_F(TimerChainTest, TimerDeletingLaterAndEarlierTimers) {
    Make(5);
    chain_.action = [&](size_t index) {
        if (index == 2) {
            Delete(0);
            Delete(3);
        }
    };
    clock_->TickAll();
    EXPECT_EQ(chain_.fired, (std::vector<std::string>{"0", "1", "2", "4"}));
    EXPECT_EQ(clock_->TimerCount(), 3u);
}

TEST_F(TimerChainTest, StopAndRestartInsideACallbackFiresNothingTwice) {
    Make(3);
    chain_.action = [&](size_t index) {
        if (index == 1) {
            chain_.timers[0]->Stop();
            chain_.timers[0]->Start();
            chain_.timers[1]->Stop();
            chain_.timers[1]->Restart();
            chain_.timers[2]->Stop();
        }
    };
    clock_->TickAll();
    EXPECT_EQ(chain_.fired, (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(clock_->TimerCount(), 2u);
}

TEST_F(TimerChainTest, NestedTickInsideACallbackIsSafe) {
    Make(3);
    chain_.action = [&](size_t index) {
        if (index == 0) {
            Delete(1);
            Advance(10);
            clock_->TickAll();
        }
    };
    clock_->TickAll();
    // The inner round fires timer 2 but not timer 0, which is still in its callback; the outer
    // round then finds timer 2 already fired at this time.
    EXPECT_EQ(chain_.fired, (std::vector<std::string>{"0", "2"}));
    EXPECT_EQ(clock_->TimerCount(), 2u);
}

TEST_F(TimerChainTest, PauseInsideACallbackHoldsTheGameTimersAfterIt) {
    Make(3);
    chain_.timers[0]->SetClock(TimerClock::Wall);
    chain_.timers[0]->Restart();
    Advance(10);
    chain_.action = [&](size_t index) {
        if (index == 0) clock_->SetPaused(true);
    };
    clock_->TickAll();
    EXPECT_EQ(chain_.fired, (std::vector<std::string>{"0"}));
    // Resumed early in a round, the held timers fire later in that same round.
    chain_.action = [&](size_t index) {
        if (index == 0) clock_->SetPaused(false);
    };
    Advance(500);
    clock_->TickAll();
    EXPECT_EQ(chain_.fired, (std::vector<std::string>{"0", "0", "1", "2"}));
}

TEST_F(ClockTest, DestroyingTheClockLeavesTimersUnregistered) {
    Recorder record;
    CTimer timer(&record, 10, Recorder::OnTick);
    timer.Start();
    DestroyClock();
    EXPECT_FALSE(timer.IsRegistered());
}

TEST_F(ClockTest, TimeRecordCountsSecondsFrom2000Utc) {
    time_->utc = {2001, 1, 1, 0, 0, 1, 0};
    time_->tick = 777;
    TimeRecord record;
    clock_->GetTime(record);
    EXPECT_EQ(record.year, 2001);
    EXPECT_EQ(record.secondsSince2000, 366 * 86400 + 1);
    EXPECT_STREQ(record.secondsText, "31622401");
    EXPECT_EQ(record.tickMs, 777u);
    EXPECT_EQ(SecondsSince2000({2000, 1, 1, 0, 0, 0, 0}), 0);
    EXPECT_EQ(SecondsSince2000({1999, 12, 31, 23, 59, 59, 0}), -1);
    EXPECT_EQ(SecondsSince2000({2024, 3, 1, 12, 0, 0, 0}), 762609600);
}

}  // namespace
