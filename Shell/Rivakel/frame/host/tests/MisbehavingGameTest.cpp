// Games that misbehave on purpose: whatever they leave is stopped, detached and released when
// they stop, nothing of theirs is ever called again, and nothing of them stays in the process.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/graphics/EventCodes.h"
#include "core/sound/CSubsystem_Sound.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/host/tests/GameHostTestServices.h"

namespace {

const std::string kGameId = "{DEADBEEF-0000-4000-8000-000000000001}";

// Lines of this process's memory map that name `path`.
int MappingsOf(const std::string& path) {
    std::ifstream maps("/proc/self/maps");
    int count = 0;
    for (std::string line; std::getline(maps, line);) count += line.find(path) != std::string::npos ? 1 : 0;
    return count;
}

int OpenFileDescriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
    return count;
}

// What a stopped game must leave as it was.
struct Traces {
    int fds;
    int shellObjects;
    int interfaceObjects;
    bool operator==(const Traces&) const = default;
};

Traces TracesNow() { return {OpenFileDescriptors(), CRefCounted::LiveCount(), LiveInterfaceObjects()}; }

// The game's own lines would drown the test's: standard error goes nowhere while games run.
class QuietStandardError {
public:
    QuietStandardError() : saved_(::dup(STDERR_FILENO)) {
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        ::dup2(null, STDERR_FILENO);
        ::close(null);
    }
    ~QuietStandardError() {
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_;
};

class MisbehavingGameTest : public ::testing::TestWithParam<const char*> {
protected:
    CGameHost& Host() { return services.Host(); }
    std::string Path() const { return TestGamePath(GetParam()); }

    // What a session does around a game: time passes, keys are pressed, the game area is
    // clicked, the Instructions notice goes out, sound is mixed.
    void Play() {
        services.AdvanceMs(20);
        EventService()->FireByCode(kEventKeyDown, kShellKeyCharacter, 'A');
        EventService()->DispatchMouse(kEventLeftDown, 20, 15);
        EventService()->DispatchMouse(kEventLeftUp, 20, 15);
        EventService()->DispatchMouse(kEventLeftDown, 110, 15);
        EventService()->DispatchMouse(kEventLeftUp, 110, 15);
        Host().NotifyApplet(kNotifyInstructions);
        GameHostTestServices::Audio()->PumpAudio(64);
    }

    GameHostTestServices services;
};

TEST_P(MisbehavingGameTest, StartedAndStoppedAThousandTimesLeavesNothingBehind) {
    ASSERT_TRUE(std::filesystem::exists(Path()));
    QuietStandardError quiet;
    // The first round fills the caches the shell keeps for the session (fonts, sound data).
    Host().Start(Path(), "");
    Play();
    Host().Stop();
    Play();
    const Traces before = TracesNow();
    for (int round = 0; round < 1000; ++round) {
        Host().Start(Path(), "");
        Play();
        Host().Stop();
        Play();
        ASSERT_FALSE(Host().IsRunning());
    }
    EXPECT_EQ(TracesNow(), before);
    EXPECT_EQ(MappingsOf(Path()), 0);
    EXPECT_TRUE(services.shellWindow->GameArea()->Children().empty());
    EXPECT_TRUE(services.shellWindow->PageArea()->Children().empty());
    EXPECT_EQ(SoundService()->BusySlots(), 0);
}

INSTANTIATE_TEST_SUITE_P(EachWay, MisbehavingGameTest,
                         ::testing::Values("MisbehavingLeaveTimer", "MisbehavingLeaveListeners",
                                           "MisbehavingLeaveButtons", "MisbehavingLeaveSound",
                                           "MisbehavingLeavePageSurfaces", "MisbehavingEndTheRecord",
                                           "MisbehavingNoStop", "MisbehavingThrows",
                                           "MisbehavingAskOnInstructions", "MisbehavingAskForMail",
                                           "HostileSweep"),
                         [](const auto& test) { return std::string(test.param); });

// ---------------------------------------------------------------- one way at a time

class LeftoverTest : public ::testing::Test {
protected:
    CGameHost& Host() { return services.Host(); }
    int Calls() { return std::atoi(services.GameValue(kGameId, "Calls").c_str()); }
    void Start(const char* name) { ASSERT_EQ(Host().Start(TestGamePath(name), ""), kHostOk); }

    GameHostTestServices services;
};

TEST_F(LeftoverTest, ARunningTimerNeverFiresAgain) {
    Start("MisbehavingLeaveTimer");
    services.AdvanceMs(10);
    services.AdvanceMs(10);
    EXPECT_EQ(Calls(), 2);
    Host().Stop();
    services.AdvanceMs(10);
    services.AdvanceMs(1000);
    EXPECT_EQ(Calls(), 2);
}

TEST_F(LeftoverTest, ListenersHearNothingOnceTheGameStopped) {
    Start("MisbehavingLeaveListeners");
    EventService()->FireByCode(kEventKeyDown, kShellKeyCharacter, 'A');
    EventService()->DispatchMouse(kEventLeftDown, 5, 5);
    Host().NotifyApplet(kNotifyInstructions);
    EXPECT_EQ(Calls(), 3);
    const size_t events = EventService()->EventCount();
    Host().Stop();
    EXPECT_LT(EventService()->EventCount(), events);
    EventService()->FireByCode(kEventKeyDown, kShellKeyCharacter, 'A');
    EventService()->DispatchMouse(kEventLeftDown, 5, 5);
    EXPECT_EQ(Calls(), 3);
}

TEST_F(LeftoverTest, AButtonLeftOnTheGameAreaIsGoneBeforeTheNextClick) {
    Start("MisbehavingLeaveButtons");
    EXPECT_EQ(services.shellWindow->GameArea()->Children().size(), 2u);
    EventService()->DispatchMouse(kEventLeftDown, 20, 15);
    EventService()->DispatchMouse(kEventLeftUp, 20, 15);
    EXPECT_EQ(Calls(), 1);
    Host().Stop();
    EXPECT_TRUE(services.shellWindow->GameArea()->Children().empty());
    EventService()->DispatchMouse(kEventLeftDown, 20, 15);
    EventService()->DispatchMouse(kEventLeftUp, 20, 15);
    EXPECT_EQ(Calls(), 1);
}

TEST_F(LeftoverTest, APlayingSoundStopsWithTheGame) {
    Start("MisbehavingLeaveSound");
    GameHostTestServices::Audio()->PumpAudio(100);
    EXPECT_EQ(SoundService()->BusySlots(), 1);
    Host().Stop();
    EXPECT_EQ(SoundService()->BusySlots(), 0);
}

TEST_F(LeftoverTest, SurfacesOnThePageAreaAreTakenOff) {
    const int shellObjects = CRefCounted::LiveCount();
    Start("MisbehavingLeavePageSurfaces");
    EXPECT_EQ(services.shellWindow->PageArea()->Children().size(), 2u);
    Host().Stop();
    EXPECT_TRUE(services.shellWindow->PageArea()->Children().empty());
    EXPECT_EQ(CRefCounted::LiveCount(), shellObjects);
}

TEST_F(LeftoverTest, TheRecordsObjectsSurviveEveryReleaseAndDestroyOfTheGame) {
    const int interfaceObjects = LiveInterfaceObjects();
    const size_t errors = ErrorList().size();
    Start("MisbehavingEndTheRecord");
    // Used after being "ended", and still whole: the timer made through the factory counts.
    EXPECT_EQ(services.GameValue(kGameId, "AreaWidth"), "500");
    EXPECT_GE(ErrorList().size() - errors, 22u);  // four per lent object, two for the record
    Host().Stop();
    EXPECT_EQ(LiveInterfaceObjects(), interfaceObjects);
    // The session's factory still works for the next game.
    Start("TestGame");
    EXPECT_EQ(services.GameValue("{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}", "Greeting"), "hello");
    Host().Stop();
}

TEST_F(LeftoverTest, AModuleWithoutStopIsRefusedAndUnloaded) {
    const std::string path = TestGamePath("MisbehavingNoStop");
    EXPECT_EQ(Host().Start(path, ""), kHostFailed);
    EXPECT_FALSE(Host().IsRunning());
    EXPECT_EQ(MappingsOf(path), 0);
}

TEST_F(LeftoverTest, ExceptionsOfAGameEndAtTheBoundary) {
    Start("MisbehavingThrows");
    EXPECT_TRUE(Host().IsRunning());
    services.AdvanceMs(10);
    services.AdvanceMs(10);
    EXPECT_EQ(Calls(), 2);
    Host().Stop();
}

TEST_F(LeftoverTest, AMailAnsweredAfterTheGameStoppedReachesNothing) {
    services.shellWindow->link.keepMail = true;
    Start("MisbehavingAskForMail");
    ASSERT_TRUE(services.shellWindow->link.mail);
    EXPECT_EQ(services.shellWindow->link.mail->recipient, "friend@example.org");
    Host().Stop();
    services.shellWindow->link.mail->answer(true);
    services.shellWindow->link.mail->answer(false);
    EXPECT_EQ(Calls(), 0);

    services.shellWindow->link.mail.reset();
    Start("MisbehavingAskForMail");
    services.shellWindow->link.mail->answer(true);
    EXPECT_EQ(Calls(), 1);
    Host().Stop();
}

TEST_F(LeftoverTest, AStopAskedForDuringAGameCallWaitsUntilItReturns) {
    Start("MisbehavingAskOnInstructions");
    bool pendingDuringBox = false;
    services.shellWindow->link.onBox = [&] {
        EXPECT_TRUE(CGameHost::InsideGameCall());
        EXPECT_EQ(Host().Stop(), kHostOk);
        pendingDuringBox = Host().StopPending() && Host().IsRunning();
        EXPECT_EQ(Host().Start(TestGamePath("TestGame"), ""), kHostFailed);
    };
    Host().NotifyApplet(kNotifyInstructions);
    EXPECT_TRUE(pendingDuringBox);
    // The game finished its callback (it wrote after the box), then stopped.
    EXPECT_EQ(services.GameValue(kGameId, "AfterBox"), "1");
    EXPECT_FALSE(Host().IsRunning());
    EXPECT_FALSE(Host().StopPending());
    EXPECT_FALSE(CGameHost::InsideGameCall());
    EXPECT_EQ(MappingsOf(TestGamePath("MisbehavingAskOnInstructions")), 0);
    EXPECT_EQ(services.shellWindow->link.boxes, 1);
}

}  // namespace
