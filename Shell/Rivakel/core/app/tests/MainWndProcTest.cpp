#include "core/app/MainWndProc.h"

#include <gtest/gtest.h>

#include "core/app/Session.h"
#include "core/app/tests/AppTestEnvironment.h"

namespace {

using platform::Event;
using platform::EventType;

TEST(MouseEventCode, PressesReleasesAndMovesPerButton) {
    EXPECT_EQ(MouseEventCode({.type = EventType::MouseDown, .button = 0}), 1);
    EXPECT_EQ(MouseEventCode({.type = EventType::MouseUp, .button = 0}), 2);
    EXPECT_EQ(MouseEventCode({.type = EventType::MouseDown, .button = 1}), 4);
    EXPECT_EQ(MouseEventCode({.type = EventType::MouseUp, .button = 1}), 5);
    EXPECT_EQ(MouseEventCode({.type = EventType::MouseDoubleClick, .button = 0}), 1);
    EXPECT_EQ(MouseEventCode({.type = EventType::MouseDoubleClick, .button = 1}), 4);
    EXPECT_EQ(MouseEventCode({.type = EventType::MouseMove, .x = -5, .y = -7}), 7);
    EXPECT_EQ(MouseEventCode({.type = EventType::KeyDown}), 0);
}

class MainWndProcTest : public AppTest {};

TEST_F(MainWndProcTest, EscapeMinimisesUnlessEmbedded) {
    ASSERT_FALSE(StartProgram("").has_value());
    MainWndProc({.type = EventType::KeyDown, .key = kVkEscape});
    EXPECT_TRUE(Program().mainWindow->IsMinimized());
}

TEST_F(MainWndProcTest, EscapeWhileEmbeddedIsAnOrdinaryKey) {
    ASSERT_FALSE(StartProgram("HWND 1").has_value());
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
