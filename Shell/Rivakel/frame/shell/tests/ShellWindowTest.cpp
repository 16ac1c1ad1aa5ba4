// The shell window on the headless backend: both skins, page switching by clicks, the closing
// sequence, window dragging and the bad inputs the window must survive.
#include "frame/shell/Shell.h"

#include "core/base/CSubsystem_Clock.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Image.h"
#include "frame/shell/tests/ShellSession.h"

namespace {

constexpr uint32_t kOrange = 0xFF9900, kFrameBlue = 0x3333CC, kMenuBlue = 0x000099;

// A page that counts its showings and hands the shell one object to keep while it is shown.
class CountingPage final : public IShellPage {
public:
    explicit CountingPage(int& shown, CRefCounted* kept = nullptr) : shown_(shown), kept_(kept) {}
    void Show(CShell& shell, CSurface& page) override {
        ++shown_;
        page.GetCurImage()->ClearToColor(0, 153, 0);
        if (kept_ != nullptr) shell.SetPageObjects(kept_, nullptr);
    }

private:
    int& shown_;
    CRefCounted* kept_;
};

class ShellWindowTest : public ShellSession {};

TEST_F(ShellWindowTest, BigSkinShowsHomeWithAnEmptyMenuBarAndTheFrameAround) {
    Start();
    EXPECT_FALSE(TheShell().IsSmallSkin());
    EXPECT_EQ(TheShell().CurrentPage(), "Home");
    EXPECT_EQ(Pixel(189 + 250, 129 + 400), kOrange);       // the page, below its header
    EXPECT_EQ(Pixel(122 + 30, 137 + 300), kMenuBlue);      // the menu column, no game
    int headerInk = 0;  // the header picture lies over the page's top left
    for (int x = 0; x < 326; x += 2) headerInk += Pixel(189 + x, 129 + 25) != kOrange ? 1 : 0;
    EXPECT_GT(headerInk, 40);
    EXPECT_NE(Pixel(300, 60), kFrameBlue);                 // the frame picture is drawn
    EXPECT_EQ(TheShell().GetSessionGUID().size(), 38u);    // a new session of a shell not installed
    EXPECT_NE(TheShell().GetSessionGUID(), CShell::kZeroGuid);
}

TEST_F(ShellWindowTest, SmallSkinOnANarrowScreenPutsThePageAtItsPlace) {
    headless_->SetScreenSize(799, 600);
    Start();
    EXPECT_TRUE(TheShell().IsSmallSkin());
    EXPECT_EQ(headless_->MainWindow()->Width(), 640);
    EXPECT_EQ(Pixel(130 + 250, 24 + 400), kOrange);
    EXPECT_EQ(Pixel(62 + 30, 35 + 300), kMenuBlue);
}

TEST_F(ShellWindowTest, NavigationButtonsSwitchPagesAndReleaseWhatThePreviousPageKept) {
    Start();
    int homes = 0, games = 0;
    auto* kept = new CSurface(1, 1, 0);
    kept->AddInternalRef();
    TheShell().RegisterPage("Home", std::make_unique<CountingPage>(homes, kept));
    TheShell().RegisterPage("Games", std::make_unique<CountingPage>(games));
    const struct {
        int x;
        const char* page;
        int topic;
    } clicks[] = {{205, "Home", 0}, {300, "Games", 0}, {395, "Support", 101}, {490, "About", 0}, {640, "Join", 0}};
    for (const auto& click : clicks) {
        Click(click.x, 24);
        EXPECT_EQ(TheShell().CurrentPage(), click.page);
        EXPECT_EQ(TheShell().PageTopic(), click.topic) << click.page;
        if (std::string_view(click.page) == "Home") {
            EXPECT_EQ(kept->InternalCount(), 2);
        }
    }
    EXPECT_EQ(homes, 1);
    EXPECT_EQ(games, 1);
    EXPECT_EQ(kept->InternalCount(), 1);  // given back when Games replaced Home
    kept->ReleaseInternalRef();
    // A registered page draws over the cleared page; an unregistered one leaves it orange.
    Click(300, 24);
    EXPECT_EQ(Pixel(189 + 250, 129 + 300), 0x009900u);
}

TEST_F(ShellWindowTest, HyperLinksOpenTheSiteOrPages) {
    Start();
    TheShell().OnHyperLink(10003);
    ASSERT_EQ(headless_->OpenedUrls().size(), 1u);
    EXPECT_EQ(headless_->OpenedUrls()[0].rfind("https://", 0), 0u);
    const struct {
        int id;
        const char* page;
        int topic;
    } links[] = {{20000, "About", CShell::kAboutSealsView}, {20001, "About", 0}, {20002, "Support", 101},
                 {-1, "Support", -1}, {10013, "Support", 10013}, {99999, "Support", 99999}};
    for (const auto& link : links) {
        TheShell().OnHyperLink(link.id);
        EXPECT_EQ(TheShell().CurrentPage(), link.page) << link.id;
        EXPECT_EQ(TheShell().PageTopic(), link.topic) << link.id;
    }
}

TEST_F(ShellWindowTest, CloseButtonOfAnUninstalledShellShowsTheExitPageFirst) {
    Start();
    Click(788, 12);
    EXPECT_EQ(TheShell().CurrentPage(), "ExitPage");
    EXPECT_FALSE(TheShell().Closing());
    Click(788, 12);
    EXPECT_TRUE(TheShell().Closing());
    EXPECT_FALSE(headless_->MainWindow()->IsVisible());
}

TEST_F(ShellWindowTest, ClosingSequenceIgnoresClicksAndStopsTheSessionAfterASecond) {
    MakeInstalled();
    Start();
    Click(788, 12);
    ASSERT_TRUE(TheShell().Closing());
    Click(300, 24);
    TheShell().OnHyperLink(20001);
    TheShell().OnExitButton();
    EXPECT_EQ(TheShell().CurrentPage(), "Home");
    EXPECT_FALSE(test_portal::SessionStopping());
    Pump(1100);
    EXPECT_TRUE(test_portal::SessionStopping());
}

TEST_F(ShellWindowTest, WindowDragsByItsBorderOnlyAndStaysReachable) {
    Start();
    platform::Window& window = *headless_->MainWindow();
    const platform::Point start = *window.GetPosition();
    headless_->PushMouseDown(300, 300);
    headless_->PushMouseMove(350, 350);
    headless_->PushMouseUp(350, 350);
    Pump(60);
    EXPECT_EQ(*window.GetPosition(), start);
    headless_->PushMouseDown(2, 300);
    headless_->PushMouseMove(-5000, -5000);
    headless_->PushMouseUp(-5000, -5000);
    Pump(60);
    const platform::Point at = *window.GetPosition();
    EXPECT_EQ(at.x, 40 - 800);
    EXPECT_EQ(at.y, 0);
}

TEST_F(ShellWindowTest, UnknownSkinNamesAndBadGameIndexesLeaveAWorkingFrame) {
    Start();
    TheShell().SetSkin("Nonsense.skn", "");
    EXPECT_EQ(TheShell().SkinName(), "Nonsense.skn");
    EXPECT_EQ(TheShell().CurrentPage(), "Home");
    for (int index : {-1, 100, INT32_MIN}) {
        TheShell().LaunchGame(index);
        EXPECT_EQ(TheShell().CurrentPage(), "Games") << index;
        EXPECT_FALSE(TheShell().GameRunning());
    }
    // Rows of the catalogue that are not installed offer the game instead.
    for (int index : {0, 1}) {
        TheShell().LaunchGame(index);
        EXPECT_EQ(TheShell().CurrentPage(), "Games-Get-More") << index;
        EXPECT_FALSE(TheShell().GameRunning());
    }
    Pump(60);
    EXPECT_EQ(Pixel(189 + 250, 129 + 300), kOrange);
}

TEST_F(ShellWindowTest, RepaintTimerRunsWhileInactiveAndIdleFramesPresentNothing) {
    MakeInstalled();  // the logo of a shell not installed keeps playing
    // The small skin: the big one's banner spots play their pictures.
    headless_->SetScreenSize(799, 600);
    Start();
    TheShell().ShowPage("Games");  // no field's caret blinks there
    Pump(200);
    const int presents = headless_->MainWindow()->PresentCount();
    Pump(500);
    EXPECT_EQ(headless_->MainWindow()->PresentCount(), presents);
    headless_->MainWindow()->UserDeactivate();
    Pump(60);
    TheShell().ShowPage("Games");
    Pump(120);
    EXPECT_GT(headless_->MainWindow()->PresentCount(), presents);
}

}  // namespace
