// A test game in the real shell: launch, the menu bar, pause by Escape, by deactivation and by
// the menu, leaving the game with the question answered both ways, the game's own boxes (also
// from a timer and nested), e-mail confirmations and stops that come while a box is up.
#include "core/base/CSubsystem_Clock.h"
#include "core/graphics/RolloverButton.h"
#include "frame/api/IShellServices.h"
#include "frame/host/GameHost.h"
#include "frame/shell/tests/ShellSession.h"

namespace {

constexpr uint32_t kBoard = 0x99CCCC, kOrange = 0xFF9900;
constexpr int kMenuX = 122 + 20;
int MenuY(int slot) { return 137 + slot * CShell::kMenuPitch + 20; }

bool Paused() { return ClockService()->IsPaused(); }

class GameControlTest : public ShellSession {
protected:
    void PressKey(int key) {
        headless_->PushKeyDown(key);
        headless_->PushKeyUp(key);
        Pump(60);
    }
    int MenuButtonCount() const {
        int count = 0;
        for (CSurface* button : TheShell().MenuButtons()) count += button != nullptr ? 1 : 0;
        return count;
    }
};

TEST_F(GameControlTest, LaunchedGamePlaysInTheGameAreaWithItsMenu) {
    Start(true);
    ASSERT_TRUE(TheShell().GameRunning());
    EXPECT_EQ(TheShell().CurrentGame(), 0);
    EXPECT_EQ(Pixel(189 + 300, 129 + 100), kBoard);
    EXPECT_EQ(MenuButtonCount(), 4);  // E-Mail This, New Game, Pause, Instructions
    EXPECT_EQ(headless_->MainWindow()->Title(), "Rivakel - Shell Test Game");
    // The row is named by the game itself, not by its file: the mail-a-friend offer shows it.
    EXPECT_EQ(TheShell().Games().Entry(0)->name, "Shell Test Game");
    // The square moves while the game runs.
    const auto row = [this] {
        std::vector<uint32_t> pixels;
        for (int x = 0; x < 500; x += 4) pixels.push_back(Pixel(189 + x, 129 + 200));
        return pixels;
    };
    const auto before = row();
    Pump(200);
    EXPECT_NE(row(), before);
}

TEST_F(GameControlTest, StartingOverARunningPortalEndsItFirstAndPlaysAgain) {
    Start(true);
    Start(true);
    ASSERT_TRUE(TheShell().GameRunning());
    EXPECT_EQ(Pixel(189 + 300, 129 + 100), kBoard);
}

TEST_F(GameControlTest, EscapePausesAndMinimisesAndResumeBringsTheGameBack) {
    Start(true);
    PressKey(platform::VkEscape);
    EXPECT_TRUE(Paused());
    EXPECT_TRUE(headless_->MainWindow()->IsMinimized());
    EXPECT_EQ(Pixel(189 + 250, 129 + 100), kOrange);  // the resume screen covers the game
    // Escape again leaves the pause alone.
    PressKey(platform::VkEscape);
    EXPECT_TRUE(Paused());
    Click(kMenuX, MenuY(2));  // Resume
    EXPECT_FALSE(Paused());
    EXPECT_EQ(Pixel(189 + 300, 129 + 100), kBoard);
}

TEST_F(GameControlTest, DeactivationPausesARunningGameOnly) {
    Start(true);
    headless_->MainWindow()->UserDeactivate();
    Pump(60);
    EXPECT_TRUE(Paused());
    headless_->MainWindow()->UserActivate();
    Pump(60);
    EXPECT_TRUE(Paused());
    Click(kMenuX, MenuY(2));
    EXPECT_FALSE(Paused());
}

TEST_F(GameControlTest, PagesPauseTheGameAndBackToGameOffersResume) {
    Start(true);
    Click(300, 24);  // Games
    EXPECT_TRUE(Paused());
    EXPECT_EQ(MenuButtonCount(), 1);  // Back to Game
    Click(kMenuX, MenuY(0));
    // The stop mode asks, so the game waits for Resume.
    EXPECT_TRUE(Paused());
    EXPECT_EQ(MenuButtonCount(), 4);
    Click(kMenuX, MenuY(2));
    EXPECT_FALSE(Paused());
}

TEST_F(GameControlTest, InstructionsShowTheGamesHelpPage) {
    Start(true);
    Click(kMenuX, MenuY(3));
    EXPECT_TRUE(Paused());
    EXPECT_TRUE(TheShell().PageShown());
    EXPECT_EQ(Pixel(189 + 250, 129 + 300), 0xFFFFCCu);
}

TEST_F(GameControlTest, LeavingTheGameAsksAndEachAnswerIsKept) {
    Start(true);
    Click(300, 24);  // a page over the game
    ExpectPress("IDD_QUIT_SAVED", kIdLater);  // No
    TheShell().LaunchGame(0);
    EXPECT_TRUE(TheShell().GameRunning());
    EXPECT_EQ(TheShell().CurrentPage(), "Games");
    EXPECT_TRUE(Paused());

    ExpectPress("IDD_QUIT_SAVED", kIdAccept);  // Yes
    TheShell().LaunchGame(0);
    Pump(60);
    EXPECT_TRUE(TheShell().GameRunning());
    // The new game runs, not frozen by the page the old one was left on.
    EXPECT_FALSE(Paused());
    EXPECT_EQ(Pixel(189 + 300, 129 + 100), kBoard);
    EXPECT_EQ(seen_, (std::vector<std::string>{"IDD_QUIT_SAVED", "IDD_QUIT_SAVED"}));
}

TEST_F(GameControlTest, NeverStopModeRefusesNewGamesAndClosingUntilTheGameEnds) {
    MakeInstalled();
    Start(true);
    TheShell().SetMode(kStopNever);
    Click(kMenuX, MenuY(1));  // New Game: nothing
    EXPECT_TRUE(seen_.empty());
    EXPECT_FALSE(TheShell().QueryClose());
    headless_->PushClose();
    Pump(60);
    EXPECT_FALSE(test_portal::SessionStopping());
    // The mode was the game's: once it stops, closing is free again.
    GameHost()->Stop();
    TheShell().GameStopped();
    EXPECT_TRUE(TheShell().QueryClose());
}

TEST_F(GameControlTest, GamesMessageAndInputBoxesAnswerThroughTheShellsDialogs) {
    Start(true);
    Expect("MESSAGEBOX", [this](CDialog& dialog) {
        EXPECT_EQ(dialog.Caption(), "Test Game");
        EXPECT_TRUE(Paused());
        dialog.Press(kIdCancel);
    });
    PressKey('M');
    EXPECT_EQ(GameValue("Box"), "2");
    EXPECT_FALSE(Paused());

    Expect("IDD_INPUT_BOX", [this](CDialog& dialog) {
        EXPECT_EQ(dialog.ControlText(kIdEntry), "Player");
        dialog.SetControlText(kIdEntry, "");
        headless_->PushText("abcdefghijklmnopqrst");
        headless_->PushKey(platform::VkReturn);
    });
    PressKey('I');
    EXPECT_EQ(GameValue("Input"), "1");
    EXPECT_EQ(GameValue("Entry"), "abcdefghijklmnop");  // the game's 17-byte buffer
}

TEST_F(GameControlTest, BoxesFromATimerNestAndAllAnswer) {
    Start(true);
    int turns = 0;
    size_t deepest = 0;
    SetDialogScript([&](CDialog& dialog) {
        deepest = std::max(deepest, CDialog::OpenDialogs().size());
        // The outer box waits until the timer has opened the inner one.
        if (++turns > 200 || deepest == 2) dialog.Press(kIdOk);
    });
    PressKey('T');
    Pump(600);
    EXPECT_EQ(deepest, 2u);
    EXPECT_EQ(GameValue("Nested"), "2");
    EXPECT_TRUE(CDialog::OpenDialogs().empty());
    EXPECT_FALSE(Paused());
}

TEST_F(GameControlTest, EmailConfirmationAnswersLaterAndNeverAfterTheGameStopped) {
    Start(true);
    TheShell().SetMailSender({});
    PressKey('E');
    EXPECT_EQ(GameValue("Mail"), "33");

    TheShell().SetMailSender([](EmailConfirmation request, std::function<void(bool)> done) {
        EXPECT_EQ(request.recipient, "friend@example.test");
        done(true);
    });
    PressKey('E');
    EXPECT_EQ(GameValue("Mail"), "1000");

    std::function<void(bool)> late;
    TheShell().SetMailSender([&late](EmailConfirmation, std::function<void(bool)> done) { late = std::move(done); });
    PressKey('E');
    ASSERT_TRUE(late);
    GameHost()->Stop();
    TheShell().GameStopped();
    late(true);
    Pump(60);
}

TEST_F(GameControlTest, CloseRequestDuringAGamesBoxEndsTheSessionOnceTheBoxHasReturned) {
    Start(true);
    Expect("MESSAGEBOX", [this](CDialog&) { headless_->PushClose(); });
    ExpectPress("IDD_QUIT_NOTSAVED", kIdDecline);
    PressKey('M');
    EXPECT_TRUE(test_portal::SessionStopping());
    EXPECT_EQ(GameValue("Box"), "0");
    test_portal::RunPendingStop();
    EXPECT_EQ(Shell(), nullptr);
}

TEST_F(GameControlTest, StopsAskedForInsideAGamesBoxWaitUntilTheBoxHasReturned) {
    Start(true);
    // A new game asked for while the game's box is up: the old game answers its box first.
    Expect("MESSAGEBOX", [this](CDialog& dialog) {
        ExpectPress("IDD_QUIT_SAVED", kIdAccept);
        TheShell().LaunchGame(0);
        EXPECT_TRUE(GameHost()->IsRunning());
        EXPECT_EQ(MenuButtonCount(), 0);  // a game on its way out offers no menu
        dialog.Press(kIdOk);
    });
    PressKey('M');
    EXPECT_EQ(GameValue("Box"), "1");
    EXPECT_TRUE(TheShell().GameRunning());
    EXPECT_EQ(MenuButtonCount(), 4);
    EXPECT_EQ(seen_, (std::vector<std::string>{"MESSAGEBOX", "IDD_QUIT_SAVED"}));
    Pump(60);
    EXPECT_EQ(Pixel(189 + 300, 129 + 100), kBoard);

    // The session's stop, whichever loop turn runs it, waits for the box as well.
    Expect("MESSAGEBOX", [this](CDialog&) {
        test_portal::StopSession();
        test_portal::RunPendingStop();
        EXPECT_NE(Shell(), nullptr);
        EXPECT_TRUE(GameHost()->IsRunning());
    });
    PressKey('M');
    EXPECT_EQ(GameValue("Box"), "0");
    test_portal::RunPendingStop();
    EXPECT_EQ(Shell(), nullptr);
}

}  // namespace
