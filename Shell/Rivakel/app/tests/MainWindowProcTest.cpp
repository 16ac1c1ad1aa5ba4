#include "app/MainWindowProc.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>
#include <utility>

#include "app/MainLoop.h"
#include "app/Session.h"
#include "app/tests/AppTestEnvironment.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/resources/ResourceModule.h"
#include "frame/shell/Shell.h"

namespace {

using platform::Event;
using platform::EventType;

class MainWindowProcTest : public AppTest {};

// The Home page's e-mail field has the keyboard at first; these are about Escape without one.
void LeaveTheHomePagesField() {
    if (CShell* shell = Shell()) shell->ShowPage(page_name::kGames);
}

TEST_F(MainWindowProcTest, EscapeNeverReachesTheInputServiceWhileOtherKeysDo) {
    ASSERT_FALSE(StartProgram({}).has_value());
    LeaveTheHomePagesField();
    ASSERT_NE(InputService(), nullptr);
    MainWindowProc({.type = EventType::KeyDown, .key = 'A'});
    MainWindowProc({.type = EventType::KeyDown, .key = kVkEscape});
    MainWindowProc({.type = EventType::Char, .ch = kVkEscape});
    EXPECT_NE(InputService()->GetKeyState('A') & 0x8000, 0);
    EXPECT_EQ(InputService()->GetKeyState(kVkEscape), 0);
}

// A text field that counts the keys it is given.
class CountingField final : public IKeyFocus {
public:
    void OnKeyDown(int key) override { downs += key == kVkEscape ? 1 : 0; }
    void OnChar(uint8_t) override {}
    void OnKeyUp(int key) override { ups += key == kVkEscape ? 1 : 0; }
    void OnFocusChanged(bool) override {}
    int downs = 0, ups = 0;
};

TEST_F(MainWindowProcTest, EscapeReleasedOverAFocusedFieldIsNotRepeated) {
    ASSERT_FALSE(StartProgram({}).has_value());
    CSubsystem_Input* input = InputService();
    CountingField field;
    input->SetFocus(&field);
    MainWindowProc({.type = EventType::KeyDown, .key = kVkEscape});
    MainWindowProc({.type = EventType::KeyUp, .key = kVkEscape});
    EXPECT_EQ(input->GetKeyState(kVkEscape), 0);
    input->TickRepeat(headless_->TickMs() + 10'000);
    EXPECT_EQ(field.downs, 1);
    EXPECT_EQ(field.ups, 1);
    input->SetFocus(nullptr);
}

TEST_F(MainWindowProcTest, EscapeMinimisesUnlessEmbedded) {
    ASSERT_FALSE(StartProgram({}).has_value());
    MainWindowProc({.type = EventType::KeyDown, .key = kVkEscape});
    EXPECT_TRUE(Program().mainWindow->IsMinimized());
}

TEST_F(MainWindowProcTest, EscapeWhileEmbeddedIsAnOrdinaryKey) {
    ASSERT_FALSE(StartProgram({"HWND", "1"}).has_value());
    LeaveTheHomePagesField();
    MainWindowProc({.type = EventType::KeyDown, .key = kVkEscape});
    EXPECT_FALSE(Program().mainWindow->IsMinimized());
}

TEST_F(MainWindowProcTest, ActivationSwitchesTheInactiveFlag) {
    ASSERT_FALSE(StartProgram({}).has_value());
    MainWindowProc({.type = EventType::Deactivated});
    EXPECT_TRUE(Program().inactive);
    MainWindowProc({.type = EventType::Activated});
    EXPECT_FALSE(Program().inactive);
}

TEST_F(MainWindowProcTest, CloseRequestStopsOnceAndEverythingElseIsIgnoredWhileStopping) {
    ASSERT_FALSE(StartProgram({}).has_value());
    MainWindowProc({.type = EventType::CloseRequested});
    EXPECT_TRUE(SessionStopping());
    MainWindowProc({.type = EventType::Deactivated});
    MainWindowProc({.type = EventType::CloseRequested});
    EXPECT_FALSE(Program().inactive);
    RunPendingSessionStop();
    EXPECT_TRUE(Program().quit);
}

// A logout while the close question is up: the real signal, on the headless backend, ends the
// session with the question unanswered, and nothing is installed.
TEST_F(MainWindowProcTest, ATerminationSignalUnderABoxEndsTheSessionUnanswered) {
    ASSERT_FALSE(StartProgram({}).has_value());
    bool raised = false;
    SetDialogScript([&](CDialog& dialog) {
        dialogsSeen_.push_back(dialog.Name());
        if (!std::exchange(raised, true)) ::raise(SIGTERM);
    });
    headless_->PushClose();
    ::Run();
    EXPECT_TRUE(Program().quit);
    ASSERT_FALSE(dialogsSeen_.empty());
    EXPECT_EQ(dialogsSeen_.front(), "IDD_QUIT_NOTSAVED");
    EXPECT_FALSE(std::filesystem::exists(DataHome() / "Rivakel" / "System" / "Core.rdt"));
}

// The number is worked out here from the shell's stamp "AA.BB.CC.DDDD" as its parts give it.
TEST_F(MainWindowProcTest, VersionQuestionAnswersTheShellsVersionNumberUntilStopping) {
    const resources::ResourceModule* own = resources::ResourceModule::Own();
    ASSERT_NE(own, nullptr);
    const std::optional<std::string_view> stamp = own->GetString(1);
    ASSERT_TRUE(stamp && stamp->size() >= 13) << "the shell carries its version as string 1";
    const auto part = [&](size_t at, size_t length) { return std::stoi(std::string(stamp->substr(at, length))); };
    const int expected = (part(0, 2) * 10000 + part(3, 2) * 100 + part(6, 2)) * 10000 + part(9, 4);
    ASSERT_GT(expected, 0);

    ASSERT_FALSE(StartProgram({}).has_value());
    EXPECT_EQ(AnswerPrivateMessage(kMsgShellVersion, 0, 0), expected);
    StopSession();
    EXPECT_EQ(AnswerPrivateMessage(kMsgShellVersion, 0, 0), 0);
}

TEST_F(MainWindowProcTest, DisplayChangeRecordsTheNewScreen) {
    ASSERT_FALSE(StartProgram({}).has_value());
    MainWindowProc({.type = EventType::DisplayChanged, .width = 1280, .height = 1024});
    EXPECT_EQ(Program().screenWidth, 1280);
    EXPECT_EQ(Program().screenHeight, 1024);
}

}  // namespace
