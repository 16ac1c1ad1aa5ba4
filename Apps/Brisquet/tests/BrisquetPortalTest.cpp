// Brisquet in the real portal on the headless backend, launched as RIVAKEL_GAME launches it: the
// bot clears all thirty screens through the portal's window, storing the best level at each
// promotion; the portal closing under the game's box leaves the game's setting as it was.
#include <gtest/gtest.h>

#include "Apps/Brisquet/tests/BrisquetBot.h"
#include "Apps/Brisquet/tests/BrisquetView.h"
#include "harness/PortalSession.h"

namespace brisquet::test {
namespace {

class BrisquetPortalTest : public PortalSession, public BrisquetView {
protected:
    // Clears screens `first` to `last` from the play screen of `first`, going on after each.
    void ClearScreens(int first, int last) {
        BrisquetBot bot(*this);
        for (int screen = first; screen <= last; ++screen) {
            ASSERT_TRUE(OnPlay()) << screen;
            std::string error;
            ASSERT_TRUE(bot.Clear(&error)) << screen << ": " << error;
            bot.WaitStill();
            if (screen == 30) {
                ASSERT_TRUE(OnFinal());
            } else if (screen % 10 == 0) {
                ASSERT_TRUE(OnPromotion()) << screen;
                promoted_.push_back(UserValue("BestLevel"));
                Click(250, 150);
            } else {
                ASSERT_TRUE(KeepGoingUp()) << screen;
                PanelButton();
            }
        }
    }
    std::vector<std::string> promoted_;
};

TEST_F(BrisquetPortalTest, TheBotClearsAllThirtyScreensAndTheBestLevelIsStored) {
    MakeInstalledWithTheGuest();
    StartWithGame(BRISQUET_GAM);
    ASSERT_TRUE(TheShell().GameRunning());
    ASSERT_TRUE(OnLevelSelect());
    EXPECT_EQ(UserValue("BestLevel"), "0");
    ChooseBeginner();
    ClearScreens(1, 30);
    EXPECT_EQ(promoted_, (std::vector<std::string>{"1", "2"}));
    Click(250, 150);
    EXPECT_TRUE(OnLevelSelect());

    Restart();
    EXPECT_EQ(UserValue("BestLevel"), "2");
    EXPECT_TRUE(OnLevelSelect());
}

// The game's one box, for a screen it cannot read, with the portal closed under it: the best
// level stays as it was.
TEST_F(BrisquetPortalTest, ClosingThePortalDuringTheGamesBoxChangesNothing) {
    MakeInstalledWithTheGuest();
    StartWithGame(BRISQUET_BARE_GAM);
    ASSERT_TRUE(TheShell().GameRunning());
    SetUserValue("BestLevel", "1");
    Restart();
    ASSERT_TRUE(OnLevelSelect());
    Expect("MESSAGEBOX", [this](CDialog&) { headless_->PushClose(); });
    ChooseBeginner();
    EXPECT_TRUE(test_portal::SessionStopping());
    EXPECT_EQ(UserValue("BestLevel"), "1");
    test_portal::End();
}

}  // namespace
}  // namespace brisquet::test
