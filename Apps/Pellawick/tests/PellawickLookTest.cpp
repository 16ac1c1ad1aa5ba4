// What the stadium game shows in the portal, drawn with the machine's fonts as a player sees it:
// the text buttons in the game's colours, the title's instructions and every panel of a game won
// from the first inning with its lines inside the frame.
#include <gtest/gtest.h>

#include "Apps/Pellawick/tests/PellawickSession.h"
#include "harness/PortalSession.h"

namespace pellawick::test {
namespace {

constexpr uint32_t kButtonFill = 0x66CCFF, kBlack = 0x000000, kWhite = 0xFFFFFF;
constexpr uint32_t kPanelInk = 0x333399;
constexpr int kKeyP = 'P';

class PellawickLookTest : public PortalSession, public PellawickView {
protected:
    void StartOnTitle() {
        headless_->SetSystemFonts(true);
        MakeInstalledWithTheGuest();
        StartWithGame(PELLAWICK_GAM);
        ASSERT_TRUE(OnTitle());
    }

    // The open panel's face ends at its inner black edge: that column, found on the row under the
    // top frame, and the row of the bottom edge below it.
    struct Edge {
        int x = 0, bottom = 0;
    };
    Edge PanelRightEdge() const {
        constexpr int kFaceRow = 166;
        Edge edge;
        for (edge.x = 200; edge.x < 500 && Pixel(edge.x, kFaceRow) == kPanelFill; ++edge.x) {}
        for (edge.bottom = kFaceRow; edge.bottom < 420 && Pixel(edge.x - 1, edge.bottom) != kBlack; ++edge.bottom) {}
        return edge;
    }
    // The panel's ink in the two columns inside its edge and in the frame beyond it.
    int InkAtTheRightEdge() const {
        const Edge edge = PanelRightEdge();
        return Count(kPanelInk, edge.x - 2, 166, edge.x + 5, edge.bottom);
    }
};

TEST_F(PellawickLookTest, TextButtonsAreLightBlueWithBlackTextThatTurnsWhiteUnderTheMouse) {
    StartOnTitle();
    // "Play Ball!" at (50, 144), 24 points.
    constexpr int kLeft = 50, kTop = 144, kRight = 160, kBottom = 170;
    EXPECT_GT(Count(kButtonFill, kLeft, kTop, kRight, kBottom), 1000);
    EXPECT_GT(Count(kBlack, kLeft, kTop, kRight, kBottom), 150);
    EXPECT_EQ(Count(kWhite, kLeft, kTop, kRight, kBottom), 0);
    MouseMove(kLeft + 20, kTop + 12);
    Wait(100);
    EXPECT_GT(Count(kButtonFill, kLeft, kTop, kRight, kBottom), 1000);
    EXPECT_GT(Count(kWhite, kLeft, kTop, kRight, kBottom), 150);
    EXPECT_EQ(Count(kBlack, kLeft, kTop, kRight, kBottom), 0);
}

// The instructions' panel ends at x 495 inside its rim: the longest line stops short of it.
TEST_F(PellawickLookTest, HowToPlaysLinesKeepClearOfThePanelsRightEdge) {
    StartOnTitle();
    EXPECT_GT(Count(kBlack, 180, 334, 491, 412), 2000) << "the lines";
    EXPECT_EQ(Count(kBlack, 491, 334, 495, 412), 0);
}

// Space through each intro, P to win each inning at once, up to the game won and the title.
TEST_F(PellawickLookTest, EveryPanelOfAWonGameKeepsItsLinesInsideTheFrame) {
    StartOnTitle();
    PlayBall();
    Wait(600);
    int panels = 0;
    for (int step = 0; step < 120 && !OnTitle(); ++step) {
        if (Panel() == PanelSeen::None) {
            Key(kKeyP);
        } else {
            ++panels;
            EXPECT_EQ(InkAtTheRightEdge(), 0) << "panel " << panels << " ends at x " << PanelRightEdge().x;
            Key(kSpace);
        }
        Wait(600);
    }
    EXPECT_TRUE(OnTitle());
    // Three intros, 24 innings won, two bonus intros, two promotions and the game won.
    EXPECT_EQ(panels, 32);
}

}  // namespace
}  // namespace pellawick::test
