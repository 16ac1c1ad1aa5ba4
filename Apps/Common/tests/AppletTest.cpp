// The support library's applet frame run in the test's process against the harness's shell
// window: screens replaced from their own callbacks, text buttons, the help page, the staff
// list, and the entry points.
#include "Apps/Common/Applet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/Screen.h"
#include "Apps/Common/StaffScreen.h"
#include "frame/api/AppletResults.h"
#include "frame/api/ISurface.h"
#include "harness/GameSession.h"
#include "harness/InProcessRecord.h"
#include "harness/ShellFootprint.h"

namespace {

constexpr uint32_t kPageOrange = 0xFF9900;
constexpr TextButtonStyle kTestButton{0x339900, false, 0x0000CC, 0xFFFFFF, false};

class TestApplet final : public CApplet {
public:
    explicit TestApplet(AppletRecord* record) : CApplet(record, {"<c333333><s4>Test is a trademark.", 300}) {}
};

// A screen with one button; pressing it puts a fresh screen in its place.
class ButtonScreen final : public CScreen {
public:
    explicit ButtonScreen(CApplet& app, int* alive) : app_(app), alive_(alive) {
        ++*alive_;
        button_ = app.MakeTextButton(Globals().gameArea, "Next screen", 100, 100, 7, 14, this,
                                     Forward<&ButtonScreen::OnPress>, kTestButton);
    }
    ~ButtonScreen() override {
        --*alive_;
        Globals().gameArea->DetachSurface(button_);
        button_->Release();
    }
    int OnPress(intptr_t* args) {
        pressedValue = static_cast<int>(args[2]);
        app_.SetScreen(this, new ButtonScreen(app_, alive_));
        return 0;
    }
    int pressedValue = 0;

private:
    CApplet& app_;
    int* alive_;
    ISurface* button_ = nullptr;
};

class AppletTest : public ::testing::Test {
protected:
    AppletTest() : harness_({folder_.Path()}) {}

    uint32_t PagePixel(int x, int y) const { return harness_.GamePixel(x, y); }

    StoreTestFolder folder_;
    CAppletHarness harness_;
};

TEST_F(AppletTest, ScreenReplacesItselfFromItsOwnButton) {
    const int liveBefore = ShellFootprint({}).interfaceObjects;
    {
        InProcessRecord inProcess(harness_);
        TestApplet app(inProcess.record);
        int alive = 0;
        auto* first = new ButtonScreen(app, &alive);
        app.SetScreen(nullptr, first);
        harness_.Click(110, 105);
        EXPECT_EQ(alive, 1) << "the pressed screen was deleted inside its own callback";
        EXPECT_NE(app.Screen(), first);
        ASSERT_NE(app.Screen(), nullptr);
        harness_.Click(110, 105);
        EXPECT_EQ(alive, 1);
    }
    EXPECT_EQ(Globals().applet, nullptr);
    EXPECT_EQ(ShellFootprint({}).interfaceObjects, liveBefore);
}

TEST_F(AppletTest, TextButtonShowsTheLabelOnItsFillAndTheHotColourUnderTheMouse) {
    InProcessRecord inProcess(harness_);
    TestApplet app(inProcess.record);
    int alive = 0;
    app.SetScreen(nullptr, new ButtonScreen(app, &alive));
    harness_.Pump();
    auto colours = [&](uint32_t colour) {
        int count = 0;
        for (int y = 100; y < 125; ++y)
            for (int x = 100; x < 200; ++x) count += harness_.GamePixel(x, y) == colour ? 1 : 0;
        return count;
    };
    EXPECT_GT(colours(0x339900), 0);
    EXPECT_GT(colours(0x0000CC), 20) << "the label in its normal colour";
    EXPECT_EQ(colours(0xFFFFFF), 0);
    harness_.MoveMouse(105, 105);
    EXPECT_GT(colours(0xFFFFFF), 20) << "the hot half shows under the mouse";
    EXPECT_EQ(colours(0x0000CC), 0);
}

TEST_F(AppletTest, HelpPageDrawsTheTextOnOrangeWithTheTrademark) {
    std::filesystem::create_directories(std::filesystem::path(folder_.Path()) / "Rivakel");
    struct Case {
        const char* what;
        std::string file;  // empty: no Help.rml at all
        bool textDrawn;
    };
    const Case cases[] = {
        {"missing", "", false},
        {"quoted", "\"<b>Line one\r\nline two</b>\"", true},
        {"no closing quote", "\"<c0000cc>runs to the end", true},
        {"longer than the page buffer", "\"" + std::string(30000, 'W') + "\"", true},
    };
    InProcessRecord inProcess(harness_);
    TestApplet app(inProcess.record);
    for (const Case& c : cases) {
        const auto path = std::filesystem::path(folder_.Path()) / "Rivakel" / "Help.rml";
        std::filesystem::remove(path);
        if (!c.file.empty()) std::ofstream(path, std::ios::binary) << c.file;
        harness_.ShowInstructions();
        FireServicesEvent(inProcess.record->services, applet::kInstructions);
        harness_.Pump();
        EXPECT_EQ(PagePixel(2, 400), kPageOrange) << c.what;
        int ink = 0, trademark = 0;
        for (int y = 10; y < 60; ++y)
            for (int x = 0; x < 290; ++x) ink += PagePixel(x, y) != kPageOrange ? 1 : 0;
        for (int y = 0; y < 12; ++y)
            for (int x = 300; x < 500; ++x) trademark += PagePixel(x, y) == 0x333333 ? 1 : 0;
        EXPECT_EQ(ink > 0, c.textDrawn) << c.what;
        EXPECT_GT(trademark, 0) << c.what;
        harness_.BackToGame();
    }
}

class LinkedHelpApplet final : public CApplet {
public:
    explicit LinkedHelpApplet(AppletRecord* record) : CApplet(record, Style()) {}

private:
    static HelpPageStyle Style() {
        HelpPageStyle style("<c333333><s4>Test is a trademark.", 495);
        style.trademarkRightAligned = true;
        style.pages = {{"Help.rml", {{"More", 10, 300, 1, ""}}}, {"More.rml", {}}};
        style.linkStyle = kTestButton;
        return style;
    }
};

TEST_F(AppletTest, HelpLinksShowTheirPageAndARightAlignedTrademarkEndsAtItsEdge) {
    const auto folder = std::filesystem::path(folder_.Path()) / "Rivakel";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Help.rml", std::ios::binary) << "\"first page\"";
    std::ofstream(folder / "More.rml", std::ios::binary) << "\"<c0000cc>WWWWWWWW\"";
    InProcessRecord inProcess(harness_);
    LinkedHelpApplet app(inProcess.record);
    harness_.ShowInstructions();
    FireServicesEvent(inProcess.record->services, applet::kInstructions);
    harness_.Pump();
    auto count = [&](uint32_t colour, int left, int top, int right, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) n += PagePixel(x, y) == colour ? 1 : 0;
        return n;
    };
    EXPECT_GT(count(0x333333, 470, 0, 495, 12), 0) << "the trademark reaches its edge";
    EXPECT_EQ(count(0x333333, 496, 0, 500, 12), 0) << "and stops there";
    EXPECT_EQ(count(0x0000CC, 0, 10, 290, 30), 0);
    EXPECT_GT(count(0x0000CC, 10, 300, 60, 320), 0) << "the link";
    harness_.Click(15, 305);
    EXPECT_GT(count(0x0000CC, 0, 10, 290, 30), 20) << "the linked page";
    EXPECT_EQ(count(0x0000CC, 10, 300, 60, 320), 0) << "which has no link";
    harness_.BackToGame();
}

// ---------------------------------------------------------------- the staff list

CScreen* MakeNothingTitle(CApplet&);
int g_titlesMade = 0;

class StubTitle final : public CScreen {};
CScreen* MakeNothingTitle(CApplet&) {
    ++g_titlesMade;
    return new StubTitle;
}

TEST_F(AppletTest, StaffListFillsTheScreenAndReturnsToANewTitle) {
    const int liveBefore = ShellFootprint({}).interfaceObjects;
    const size_t timersBefore = ShellFootprint({}).timers;
    {
        InProcessRecord inProcess(harness_);
        TestApplet app(inProcess.record);
        const std::string_view names[] = {"Ada Quill", "Bo Tarn"};
        StaffScreenStyle style;
        style.fill = 0x66CCFF;
        style.heading = "The crew";
        style.names = names;
        style.button = kTestButton;
        style.makeTitle = MakeNothingTitle;
        app.SetScreen(nullptr, new CStaffScreen(app, style));
        harness_.Pump();
        EXPECT_EQ(harness_.GamePixel(5, 200), 0x66CCFFu);
        int ink = 0;
        for (int x = 0; x < 500; ++x) ink += harness_.GamePixel(x, 56) != 0x66CCFFu ? 1 : 0;
        EXPECT_GT(ink, 0) << "the second name sits on its line";
        EXPECT_EQ(ShellFootprint({}).timers, timersBefore + 1);
        harness_.Click(352, 405);
        EXPECT_EQ(g_titlesMade, 1);
        EXPECT_EQ(ShellFootprint({}).timers, timersBefore);
    }
    EXPECT_EQ(ShellFootprint({}).interfaceObjects, liveBefore);
}

// ---------------------------------------------------------------- the entry points

class FailingApplet final : public CApplet {
public:
    explicit FailingApplet(AppletRecord* record) : CApplet(record, {}) { throw std::runtime_error("no memory"); }
};

TEST_F(AppletTest, StartThatThrowsLeavesNoRootAndStopStillAnswers) {
    InProcessRecord inProcess(harness_);
    const int liveBefore = ShellFootprint({}).interfaceObjects;
    EXPECT_EQ(StartApplet<FailingApplet>(inProcess.record, "Failing"), 0);
    EXPECT_EQ(Globals().applet, nullptr);
    EXPECT_EQ(StopApplet(), 0);
    EXPECT_EQ(StartApplet<TestApplet>(inProcess.record, "Test"), 0);
    EXPECT_NE(Globals().applet, nullptr);
    EXPECT_EQ(StopApplet(), 0);
    EXPECT_EQ(Globals().applet, nullptr);
    EXPECT_EQ(ShellFootprint({}).interfaceObjects, liveBefore);
}

}  // namespace
