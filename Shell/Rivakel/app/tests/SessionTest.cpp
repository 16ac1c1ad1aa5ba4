#include "app/Session.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/ProgramState.h"
#include "app/Services.h"
#include "app/tests/AppTestEnvironment.h"
#include "core/base/CSubsystem_Clock.h"
#include "core/base/Log.h"
#include "core/dialogs/DialogTemplate.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/EventCodes.h"
#include "core/graphics/VideoService.h"
#include "core/resources/ResourceRegistry.h"
#include "core/sound/CSubsystem_Sound.h"
#include "core/store/OutboxLink.h"
#include "core/store/RdtNode.h"
#include "core/store/UserStore.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/host/GameHost.h"
#include "frame/shell/IGameTable.h"
#include "respack/BlobBuilder.h"

namespace {

class RecordingOutbox final : public IOutboxLink {
public:
    std::vector<std::string> lines;
    int Send(int, std::string_view function, std::string_view params, bool, int) override {
        lines.push_back(std::string(function) + ":" + std::string(params));
        return 0;
    }
    void SetRoot(RdtNode*) override {}
};

class SessionTest : public AppTest {};

TEST_F(SessionTest, StopTracksTheSessionLengthBeforeTheServicesGo) {
    const int interfaceObjectsBefore = LiveInterfaceObjects();
    ASSERT_FALSE(StartProgram({}).has_value());
    ASSERT_NE(GameHost(), nullptr);
    // The factory is the session's one interface object.
    EXPECT_EQ(LiveInterfaceObjects(), interfaceObjectsBefore + 1);
    RecordingOutbox outbox;
    ASSERT_NE(UserStore(), nullptr);
    UserStore()->SetOutbox(&outbox);
    headless_->AdvanceTime(42'000);

    StopSession();
    // The request only marks the session; the services stay until the loop tears them down.
    EXPECT_TRUE(SessionStopping());
    EXPECT_NE(g_pApp, nullptr);
    EXPECT_TRUE(outbox.lines.empty());

    RunPendingSessionStop();
    ASSERT_EQ(outbox.lines.size(), 1u);
    const std::string& line = outbox.lines.front();
    EXPECT_EQ(line.rfind("TrackEvent:", 0), 0u) << line;
    EXPECT_NE(line.find(",SessionStopped,42"), std::string::npos) << line;
    EXPECT_EQ(line.back(), '2') << line;

    // Every service is gone and no pointer to one is left behind.
    EXPECT_EQ(g_pApp, nullptr);
    EXPECT_EQ(ClockService(), nullptr);
    EXPECT_EQ(UserStore(), nullptr);
    EXPECT_EQ(VideoService(), nullptr);
    EXPECT_EQ(InputService(), nullptr);
    EXPECT_EQ(EventService(), nullptr);
    EXPECT_EQ(SoundService(), nullptr);
    EXPECT_EQ(FontService(), nullptr);
    EXPECT_EQ(CursorService(), nullptr);
    EXPECT_EQ(GameHost(), nullptr);
    EXPECT_EQ(LiveInterfaceObjects(), interfaceObjectsBefore);
    EXPECT_TRUE(Program().quit);
}

TEST_F(SessionTest, StoreDataFilesNotOnTheDiskComeThroughTheFileService) {
    respack::BlobBuilder builder;
    const std::string text = "<Banners><Banner id=\"7\"/></Banners>";
    builder.AddResource("RCDATA", "System\\Banners.rdt", std::vector<uint8_t>(text.begin(), text.end()));
    std::string error;
    std::optional<std::vector<uint8_t>> blob = builder.Build(&error);
    ASSERT_TRUE(blob) << error;
    resources::ResourceRegistry::Instance().SetApplet(resources::ResourceModule::FromBlob(std::move(*blob), "game"));
    ASSERT_FALSE(StartProgram({}).has_value());
    std::unique_ptr<RdtNode> root;
    EXPECT_EQ(UserStore()->LoadDataFile("System\\Banners.rdt", root), kStoreOk);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(*root->FindChild("Banner")->AttrValue("id"), "7");
    // A name found nowhere stays missing.
    EXPECT_EQ(UserStore()->LoadDataFile("System\\Missing.rdt", root), kStoreNoFile);
    resources::ResourceRegistry::Instance().ClearApplet();
}

TEST_F(SessionTest, SecondStopRequestAndSecondTeardownDoNothing) {
    ASSERT_FALSE(StartProgram({}).has_value());
    RecordingOutbox outbox;
    UserStore()->SetOutbox(&outbox);
    StopSession();
    StopSession();
    RunPendingSessionStop();
    RunPendingSessionStop();
    EXPECT_EQ(outbox.lines.size(), 1u);
}

// Resources running out while a game plays (a MemoryError anywhere): the box is the shell's
// own, then the game is stopped and the session torn down in order before the process ends
// with -1, so the store on the disk has the game's stop.
TEST_F(SessionTest, AnExitMidSessionStopsTheRunningGameAndSavesTheStoreFirst) {
    // Forked as the test stands (no thread runs yet), so the child's data folder is this one.
    GTEST_FLAG_SET(death_test_style, "fast");
    const std::filesystem::path system = DataHome() / "Rivakel" / "System";
    std::filesystem::create_directories(system);
    std::ofstream(system / "Core.rdt") << "<Core></Core>";
    setenv(kDevGameVariable, TEST_GAMES_DIR "/TestGame.gam", 1);
    const auto runOut = [] {
        SetDialogScript([](CDialog& dialog) {
            std::fprintf(stderr, "[%s: %s]\n", dialog.Name().c_str(), dialog.Caption().c_str());
            dialog.Press(kIdOk);
        });
        if (StartProgram({}).has_value() || GameHost() == nullptr || !GameHost()->IsRunning()) std::exit(1);
        MemoryError("Out of memory in the test");
    };
    EXPECT_EXIT(runOut(), ::testing::ExitedWithCode(255),
                "\\[MESSAGEBOX: Out of memory in the test\\].*game .* stopped");
    unsetenv(kDevGameVariable);
    std::stringstream outbox;
    outbox << std::ifstream(system / "Outbox.rdt").rdbuf();
    EXPECT_NE(outbox.str().find("GameStopped2"), std::string::npos);
    EXPECT_NE(outbox.str().find("SessionStopped"), std::string::npos);
}

TEST_F(SessionTest, TheShellsUserIsTheStoresAndKeepsTheWindowPlace) {
    ASSERT_FALSE(StartProgram({}).has_value());
    CSubsystem_Video* video = VideoService();
    ASSERT_NE(video, nullptr);
    ASSERT_EQ(video->Kind(), platform::Renderer::Accelerated);
    // A fresh store's one user is the shell window's user.
    const RdtNode* guest = UserStore()->FindUserByEmail("guest");
    ASSERT_NE(guest, nullptr);
    EXPECT_EQ(UserStore()->GetCurrentUser(), guest);
    const std::optional<platform::Point> before = Program().mainWindow->GetPosition();
    ASSERT_TRUE(before);

    video->BeginDrag(10, 10);
    video->MoveWindowTo(60, 40);
    video->EndDrag();
    EXPECT_EQ(Program().mainWindow->GetPosition(), (platform::Point{before->x + 50, before->y + 30}));
    const RdtNode* x = guest->FindChild("WindowXLoc");
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->Text(), std::optional<std::string>(std::to_string(before->x + 50)));

    InputService()->ForwardMouse(kEventMouseMove, 100, 100);
    video->Minimize();
    EXPECT_EQ(EventService()->LastPosition().x, CSubsystem_Video::kOffWindow);
    EXPECT_EQ(EventService()->LastPosition().y, CSubsystem_Video::kOffWindow);
}

// The store of an installation that last told the server of the first release.
TEST_F(SessionTest, AStoreThatReportedTheFirstReleaseReportsThisOneOnce) {
    const std::filesystem::path core = DataHome() / "Rivakel/System/Core.rdt";
    std::filesystem::create_directories(core.parent_path());
    std::ofstream(core) << "<RDT ver=\"00.01.00.00\" shellver=\"01.00.00.0001\"><Shell><ShellGUID>{1}</ShellGUID>"
                           "<ShellLastVerSentToServer>01.00.00.0001</ShellLastVerSentToServer></Shell></RDT>\r\n";
    const auto reports = [] {
        int count = 0;
        const RdtNode* user = UserStore()->GetOutboxUser(std::nullopt);
        for (size_t i = 0; user != nullptr && i < user->ChildCount(); ++i) {
            const std::string* function = user->ChildAt(i)->AttrValue("Function");
            if (function == nullptr || *function != "UpdateShellVersion") continue;
            EXPECT_EQ(*user->ChildAt(i)->AttrValue("Params"), "01.02.01.0005");
            ++count;
        }
        return count;
    };
    for (int start = 0; start < 2; ++start) {
        ASSERT_FALSE(StartProgram({}).has_value());
        EXPECT_EQ(reports(), 1) << start;
        EXPECT_EQ(UserStore()->GetShellElement()->FindChild("ShellLastVerSentToServer")->Text(),
                  std::optional<std::string>("01.02.01.0005"));
        StopSession();
        RunPendingSessionStop();
        EndProgram();
        ResetProgram();
    }
}

}  // namespace
