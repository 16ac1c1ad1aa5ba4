#include "core/app/MainWndProc.h"

#include <gtest/gtest.h>

#include "core/app/Session.h"
#include "core/app/tests/AppTestEnvironment.h"
#include "core/graphics/CSubsystem_Input_Win32.h"
#include "frame/shell/Shell.h"

namespace {

using platform::Event;
using platform::EventType;

class MainWndProcTest : public AppTest {};

// The Home page's e-mail field has the keyboard at first; these are about Escape without one.
void LeaveTheHomePagesField() {
    if (CShell* shell = Shell()) shell->ShowPage(page_name::kGames);
}

TEST_F(MainWndProcTest, EscapeNeverReachesTheInputServiceWhileOtherKeysDo) {
    ASSERT_FALSE(StartProgram("").has_value());
    LeaveTheHomePagesField();
    ASSERT_NE(InputService(), nullptr);
    MainWndProc({.type = EventType::KeyDown, .key = 'A'});
    MainWndProc({.type = EventType::KeyDown, .key = kVkEscape});
    MainWndProc({.type = EventType::Char, .ch = kVkEscape});
    EXPECT_NE(InputService()->GetKeyState('A') & 0x8000, 0);
    EXPECT_EQ(InputService()->GetKeyState(kVkEscape), 0);
}

TEST_F(MainWndProcTest, EscapeMinimisesUnlessEmbedded) {
    ASSERT_FALSE(StartProgram("").has_value());
    MainWndProc({.type = EventType::KeyDown, .key = kVkEscape});
    EXPECT_TRUE(Program().mainWindow->IsMinimized());
}

TEST_F(MainWndProcTest, EscapeWhileEmbeddedIsAnOrdinaryKey) {
    ASSERT_FALSE(StartProgram("HWND 1").has_value());
    LeaveTheHomePagesField();
    MainWndProc({.type = EventType::KeyDown, .key = kVkEscape});
    EXPECT_FALSE(Program().mainWindow->IsMinimized());
}

TEST_F(MainWndProcTest, ActivationSwitchesTheInactiveFlag) {
    ASSERT_FALSE(StartProgram("").has_value());
    MainWndProc({.type = EventType::Deactivated});
    EXPECT_TRUE(Program().inactive);
    MainWndProc({.type = EventType::Activated});
    EXPECT_FALSE(Program().inactive);
}

TEST_F(MainWndProcTest, CloseRequestStopsOnceAndEverythingElseIsIgnoredWhileStopping) {
    ASSERT_FALSE(StartProgram("").has_value());
    MainWndProc({.type = EventType::CloseRequested});
    EXPECT_TRUE(SessionStopping());
    MainWndProc({.type = EventType::Deactivated});
    MainWndProc({.type = EventType::CloseRequested});
    EXPECT_FALSE(Program().inactive);
    RunPendingSessionStop();
    EXPECT_TRUE(Program().quit);
}

TEST_F(MainWndProcTest, DisplayChangeRecordsTheNewScreen) {
    ASSERT_FALSE(StartProgram("").has_value());
    MainWndProc({.type = EventType::DisplayChanged, .width = 1280, .height = 1024});
    EXPECT_EQ(Program().screenWidth, 1280);
    EXPECT_EQ(Program().screenHeight, 1024);
}

}  // namespace
