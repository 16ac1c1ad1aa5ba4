// Torvimble in the real portal on the headless backend, launched as RIVAKEL_GAME launches it: the
// bot plays at each table through the portal's window and finds its ledger after a restart, and
// the portal closing while the game asks something leaves the holdings as the answer would.
#include <gtest/gtest.h>

#include <functional>

#include "Apps/Torvimble/tests/TorvimbleBot.h"
#include "harness/PortalSession.h"

namespace torvimble::test {
namespace {

class TorvimblePortalTest : public PortalSession, public TorvimbleView {
protected:
    void StartTheGame() {
        MakeInstalledWithTheGuest();
        StartWithGame(TORVIMBLE_GAM);
        ASSERT_TRUE(TheShell().GameRunning());
        Wait(100);
        ASSERT_TRUE(OnTitle());
    }
};

TEST_F(TorvimblePortalTest, TheBotPlaysEachTableAndARestartKeepsItsLedger) {
    StartTheGame();
    TorvimbleBot bot(*this, 100);
    ChooseBlackjack();
    for (int hand = 0; hand < 5; ++hand) ASSERT_TRUE(bot.PlayBlackjack(1)) << bot.Error();
    MainMenu();
    ChooseInBetween();
    for (int hand = 0; hand < 5; ++hand) ASSERT_TRUE(bot.PlayInBetween()) << bot.Error();
    MainMenu();
    ChoosePoker();
    for (int hand = 0; hand < 5; ++hand) ASSERT_TRUE(bot.PlayPoker()) << bot.Error();
    MainMenu();
    ASSERT_TRUE(OnTitle());

    Restart();
    ASSERT_TRUE(TheShell().GameRunning());
    Wait(100);
    EXPECT_TRUE(OnTitle());
    EXPECT_EQ(UserValue("Guest - Score"), std::to_string(bot.Clams()));
}

// Each of the game's boxes with the portal closed under it: the answer is neither OK nor Cancel.
TEST_F(TorvimblePortalTest, ClosingThePortalDuringEachBoxLeavesTheHoldingsAsTheGameLeftThem) {
    const auto close = [this](CDialog&) { headless_->PushClose(); };
    struct Case {
        const char* name;
        const char* holdings;  // before
        std::function<void()> ask;
        const char* after;
    };
    const Case cases[] = {
        {"Reset My Profile", "250",
         [&] {
             this->Expect("MESSAGEBOX", close);
             this->ResetMyProfile();
         },
         "250"},
        {"Change Player", "250",
         [&] {
             this->Expect("IDD_INPUT_BOX*", close);
             this->ChangePlayer();
         },
         "250"},
        // A hand left by quitting the portal is lost as by Main Menu.
        {"Return to Main Menu", "250",
         [&] {
             this->ChoosePoker();
             this->PressAction(layout::kDeal);
             this->Wait(3000);
             this->Expect("MESSAGEBOX", close);
             this->ExpectPress("IDD_QUIT_*", kIdAccept);
             this->MainMenu();
         },
         "249"},
        // The gift is stored before the box tells of ithis->
        {"Out of clams!", "1",
         [&] {
             this->ChoosePoker();
             this->PressAction(layout::kDeal);
             this->Wait(3000);
             this->ExpectPress("MESSAGEBOX", kIdOk);
             this->Expect("MESSAGEBOX", close);
             this->MainMenu();
             this->Wait(200);
         },
         "100"},
    };
    for (const Case& c : cases) {
        StartTheGame();
        SetUserValue("Guest - Score", c.holdings);
        Restart();  // the holdings are read at the start
        Wait(100);
        c.ask();
        EXPECT_TRUE(test_portal::SessionStopping()) << c.name;
        Restart();
        EXPECT_EQ(UserValue("Guest - Score"), c.after) << c.name;
        EXPECT_EQ(UserValue("CurPlayer"), "Guest") << c.name;
        test_portal::End();
    }
}

}  // namespace
}  // namespace torvimble::test
