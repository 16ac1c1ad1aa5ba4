// What the bubble puzzles show in the portal, drawn with the machine's fonts as a player sees
// them: the strip's texts each on its plate, the player's statistics on their card, and the number
// box of "Choose Another" over the bare board.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <set>
#include <utility>
#include <vector>

#include "Apps/Brisquet2/tests/Brisquet2Bot.h"
#include "Apps/Brisquet2/tests/Brisquet2View.h"
#include "harness/PortalSession.h"

namespace brisquet2::test {
namespace {

constexpr uint32_t kInk = 0x000000;

class Brisquet2LookTest : public PortalSession, public Brisquet2View {
protected:
    void StartOnTitle(const char* level) {
        headless_->SetSystemFonts(true);
        MakeInstalledWithTheGuest();
        StartWithGame(BRISQUET2_GAM);
        ASSERT_TRUE(OnTitle());
        SetUserValue("Guest - Level", level);
        Restart();
        ASSERT_TRUE(OnTitle());
    }

    struct Rows {
        int top, bottom;
    };
    static constexpr Rows kStrip{364, 382};
    static constexpr Rows kPlayersCard{296, 320};

    // The texts on the rows, each as the columns from its first ink to its last: words of a text
    // lie closer together than the texts do.
    std::vector<std::pair<int, int>> Texts(Rows rows) const {
        constexpr int kWordGap = 8;
        std::vector<std::pair<int, int>> texts;
        for (int x = 0; x < 500; ++x) {
            bool inked = false;
            for (int y = rows.top; y < rows.bottom && !inked; ++y) inked = Pixel(x, y) == kInk;
            if (!inked) continue;
            if (!texts.empty() && x - texts.back().second <= kWordGap) texts.back().second = x;
            else texts.emplace_back(x, x);
        }
        return texts;
    }
    // The colours of every pixel other than ink up to two columns beyond a text's ends: a text on
    // its plate has only the plate around it.
    std::set<uint32_t> AroundTheText(std::pair<int, int> text, Rows rows) const {
        std::set<uint32_t> around;
        for (int y = rows.top + 2; y < rows.bottom - 2; ++y)
            for (int x = text.first - 2; x <= text.second + 2; ++x)
                if (Pixel(x, y) != kInk) around.insert(Pixel(x, y));
        return around;
    }
};

TEST_F(Brisquet2LookTest, TheLastChallengePuzzlesStripKeepsEachTextOnItsPlate) {
    StartOnTitle("150");
    StartBreaking();
    ASSERT_TRUE(OnPlay());
    // "Hard", the score and "150 of 150 (2000 Points)".
    const std::vector<std::pair<int, int>> texts = Texts(kStrip);
    ASSERT_EQ(texts.size(), 3u);
    for (const auto& text : texts)
        EXPECT_EQ(AroundTheText(text, kStrip).size(), 1u)
            << "the text from x " << text.first << " to " << text.second;
}

// Late in the challenge: "Break Score: 123,456 (level 150)" and the random line's large counts.
TEST_F(Brisquet2LookTest, ALateChallengesStatisticsStayOnThePlayersCard) {
    headless_->SetSystemFonts(true);
    MakeInstalledWithTheGuest();
    StartWithGame(BRISQUET2_GAM);
    ASSERT_TRUE(OnTitle());
    SetUserValue("Guest - Level", "150");
    SetUserValue("Guest - BreakScore", "123456");
    SetUserValue("Guest - RandomSolved", "1234");
    SetUserValue("Guest - RandomAttempted", "2345");
    Restart();
    ASSERT_TRUE(OnTitle());
    const std::vector<std::pair<int, int>> texts = Texts(kPlayersCard);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(AroundTheText(texts[0], kPlayersCard).size(), 1u)
        << "the lines from x " << texts[0].first << " to " << texts[0].second;
}

TEST_F(Brisquet2LookTest, ChooseAnotherOnTheFailedPanelAsksOverTheBareBoard) {
    StartOnTitle("1");
    ChoosePuzzle("777");
    Brisquet2Bot bot(*this);
    std::string error;
    ASSERT_TRUE(bot.PlayIntoDeadEnd(&error)) << error;
    ASSERT_TRUE(PanelUp());
    // Under the box, where the panel's "Replay Puzzle", "Choose Another" and "Main Menu" were.
    const auto underTheButtons = [this] {
        std::vector<uint32_t> pixels;
        for (int y = 228; y < 300; ++y)
            for (int x = 180; x < 330; ++x) pixels.push_back(Pixel(x, y));
        return pixels;
    };
    std::vector<uint32_t> whileAsked;
    Expect("IDD_INPUT_BOX*", [&](CDialog& dialog) {
        whileAsked = underTheButtons();
        dialog.Press(kIdCancel);
    });
    FailedNext();
    ASSERT_FALSE(whileAsked.empty());
    ASSERT_FALSE(PanelUp());
    // Cancelled: the same board, with nothing over it.
    const std::vector<uint32_t> after = underTheButtons();
    const int differing =
        std::inner_product(after.begin(), after.end(), whileAsked.begin(), 0, std::plus<>(), std::not_equal_to<>());
    EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace brisquet2::test
