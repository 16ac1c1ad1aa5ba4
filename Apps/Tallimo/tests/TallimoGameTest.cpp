// Tallimo in the harness's shell window: without its resources, with a damaged table in the
// store, and the name typed on the truck (letters, Backspace, Enter) entered at its row.
#include <gtest/gtest.h>

#include <string>

#include "Apps/Tallimo/tests/TallimoBot.h"

namespace tallimo::test {
namespace {

constexpr int kVkBackspace = 0x08;
constexpr uint32_t kHelpOrange = 0xFF9900;

void StoreTable(TallimoSession& session, const std::string (&names)[5], const std::string (&scores)[5]) {
    for (int row = 0; row < 5; ++row) {
        session.SetValue("Score" + std::to_string(row + 1) + "Name", names[row]);
        session.SetValue("Score" + std::to_string(row + 1) + "Score", scores[row]);
    }
}

// Three trucks at level 19 dropped blindly: the game ends with the money the bot tallied.
int LoseAGame(TallimoSession& session) {
    session.ChooseStartingLevel(6);
    session.StartTheGame();
    TallimoBot bot(session, 19, 11910);
    for (int truck = 0; truck < 3; ++truck) {
        EXPECT_TRUE(bot.PlayTruck(false));
        bot.SendOff();
    }
    session.Wait(2200);
    return bot.Money();
}

TEST(TallimoGame, RunsWithoutAnyOfItsResources) {
    TallimoSession session;
    ASSERT_TRUE(session.Start(TALLIMO_BARE_GAM));
    EXPECT_TRUE(session.OnTitle());
    TallimoBot bot(session, 19, 11910);
    session.ChooseStartingLevel(6);
    session.StartTheGame();
    EXPECT_TRUE(bot.PlayTruck(false)) << "the cells are framed without any picture";
    session.Harness().ShowInstructions();
    EXPECT_GT(session.Count(kHelpOrange, 0, 0, 500, 420), 500 * 420 / 2) << "the help the game draws";
    session.Harness().BackToGame();
    session.Stop();
}

TEST(TallimoGame, ADamagedTableIsReadWithinBoundsAndDrawnAsText) {
    TallimoSession session;
    ASSERT_TRUE(session.Start());
    StoreTable(session, {std::string(5000, 'W'), "<b><S0>%s%n", "", "\xff\x01", "Ann"},
               {"abc", "99999999999", "-5", "", "12"});
    session.Stop();
    ASSERT_TRUE(session.Start());
    EXPECT_TRUE(session.OnTitle());
    EXPECT_EQ(session.Value("Score1Name")->size(), 5000u) << "a row the player did not touch stays as stored";
    session.Stop();
}

// The keys' dark blue labels, DEL and END among them, all lie on the truck's load, none on the cab.
TEST(TallimoGame, TheTypedNameKeepsEightCapitalsAndEntersAtTheFirstRowNotAboveTheMoney) {
    TallimoSession session;
    session.Harness().Headless()->SetSystemFonts(true);
    ASSERT_TRUE(session.Start());
    StoreTable(session, {"Ace", "Bea", "Cal", "Dot", "Eve"}, {"50000", "40000", "100", "50", "10"});
    const int money = LoseAGame(session);
    ASSERT_TRUE(session.OnNameEntry());
    constexpr uint32_t kLabel = 0x000099;
    constexpr int kLoadLeft = 66, kLoadRight = 66 + 296, kTruckTop = 234;
    EXPECT_GT(session.Count(kLabel, kLoadLeft, kTruckTop, kLoadRight, 420), 2000);
    EXPECT_EQ(session.Count(kLabel, kLoadRight, kTruckTop - 30, 500, 420), 0);
    session.Type("abcdefghij");
    session.Key(kVkBackspace);
    session.Type("\r");  // Enter arrives as typed text
    session.Wait(100);
    EXPECT_TRUE(session.OnTitle());
    EXPECT_EQ(session.Value("Score2Name"), "Bea");
    EXPECT_EQ(session.Value("Score3Name"), "ABCDEFG");
    EXPECT_EQ(session.Value("Score3Score"), std::to_string(money));
    EXPECT_EQ(session.Value("Score4Name"), "Cal");
    EXPECT_EQ(session.Value("Score5Name"), "Dot");
    session.Stop();
}

}  // namespace
}  // namespace tallimo::test
