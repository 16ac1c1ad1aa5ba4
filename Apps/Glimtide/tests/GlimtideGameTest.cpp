// The game in the shell on the headless backend: its screens, panels, keys, the best of each
// level, stored values it cannot trust and a module without its resources.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "Apps/Glimtide/tests/GlimtideBot.h"

namespace glimtide::test {
namespace {

constexpr uint32_t kHelpOrange = 0xFF9900;

// The yellow text of the status line: the message, the button, the replays and tries.
std::vector<uint32_t> StatusText(const GlimtideSession& session) {
    std::vector<uint32_t> text;
    for (int y = 392; y < 420; ++y)
        for (int x = 0; x < 500; ++x) text.push_back(session.Pixel(x, y) == 0xFFFF00);
    return text;
}

// Easy, watched up to the player's first turn; the bot knows the one rocket shown.
struct FirstTurn {
    explicit FirstTurn(GlimtideSession& s) : session(s), bot(s) {
        EXPECT_TRUE(session.Start());
        session.ChooseEasy();
        EXPECT_TRUE(bot.PlayUntil(1));
    }
    int Right() const { return bot.LastShow().front(); }
    int Wrong() const { return (Right() + 1) % 4; }
    // Clicks wrong until the three tries are gone.
    void Lose() { bot.LoseOnPurpose(); }

    GlimtideSession& session;
    GlimtideBot bot;
};

TEST(GlimtideGame, TitleWritesTheDefaultBestsAndLetsTheGameGoFreely) {
    GlimtideSession session;
    ASSERT_TRUE(session.Start());
    EXPECT_TRUE(session.OnTitle());
    EXPECT_EQ(session.Harness().StopMode(), 0);
    EXPECT_EQ(session.Harness().MenuFlags(), 0x33);
    const std::pair<const char*, const char*> defaults[] = {
        {"Score1Name", "Rivakel"}, {"Score1Score", "6"}, {"Score2Score", "9"}, {"Score3Score", "12"}};
    for (const auto& [key, value] : defaults) EXPECT_EQ(session.Value(key), value) << key;

    session.Harness().ShowInstructions();
    // The help text on orange: many pixels that are not orange, and the trademark line.
    EXPECT_GT(500 * 420 - session.Count(kHelpOrange, 0, 0, 500, 420), 3000);
    session.Harness().BackToGame();
    EXPECT_TRUE(session.OnTitle());
}

TEST(GlimtideGame, TypedCodesOpenTheStaffListAndTheHiddenPage) {
    GlimtideSession session;
    ASSERT_TRUE(session.Start());
    // A wrong letter starts over and is not taken as a first letter.
    for (const char key : std::string("PLUMPLUMTA")) session.Key(key);
    EXPECT_TRUE(session.OnTitle());
    for (const char key : std::string("GPLUMTAG")) session.Key(key);
    ASSERT_TRUE(session.OnStaffList());
    session.Click(355, 405);  // Return to Game, deleted inside its own callback
    ASSERT_TRUE(session.OnTitle());
    // Each code follows its own letters: PLUM breaks off at O, where MOSSBRICK goes on.
    for (const char key : std::string("PLUMOSSBRICK")) session.Key(key);
    ASSERT_TRUE(session.OnHiddenPage());
    session.Click(355, 405);
    EXPECT_TRUE(session.OnTitle());
}

TEST(GlimtideGame, PanelsCloseByClickKeyOrButtonAndFreezeTheSky) {
    GlimtideSession session;
    ASSERT_TRUE(session.Start());
    session.ChooseEasy();
    ASSERT_TRUE(session.OnPlay());
    ASSERT_TRUE(session.PanelUp());
    EXPECT_EQ(session.Harness().StopMode(), 1);
    const auto intro = StatusText(session);
    session.Wait(3000);
    EXPECT_EQ(StatusText(session), intro) << "nothing moves behind the welcome";
    // A click on the panel closes it inside the panel's own mouse up and starts the show.
    session.Click(200, 150);
    EXPECT_FALSE(session.PanelUp());
    EXPECT_NE(StatusText(session), intro);
    // While the show runs a click on an icon changes nothing.
    const auto watching = StatusText(session);
    session.ClickIcon(0);
    EXPECT_FALSE(session.PanelUp());
    EXPECT_EQ(StatusText(session), watching);
}

TEST(GlimtideGame, MistakesCostTriesAndTheLastEndsTheGameBelowTheBest) {
    GlimtideSession session;
    FirstTurn turn(session);
    turn.Lose();
    // One firework is below the best of 6: no name is asked, the panel offers another game.
    ASSERT_TRUE(session.PanelUp());
    EXPECT_TRUE(session.Harness().InputPrompts().empty());
    EXPECT_EQ(session.Value("Score1Score"), "6");
    session.Key('Y');
    EXPECT_TRUE(session.OnPlay());
    EXPECT_TRUE(session.PanelUp());  // the welcome of the new game
}

TEST(GlimtideGame, AnEqualCountIsANewBestAndLongNamesAreAskedAgain) {
    GlimtideSession session;
    ASSERT_TRUE(session.Start());
    session.SetValue("Score1Score", "1");
    session.Stop();
    FirstTurn turn(session);
    session.Harness().QueueInput("Thirteen Char");
    session.Harness().QueueInput("Twelve Chars");
    turn.Lose();
    ASSERT_EQ(session.Harness().InputPrompts().size(), 2u);
    ASSERT_FALSE(session.MessageBoxes().empty());
    EXPECT_EQ(session.MessageBoxes().back().caption, "Name too long");
    EXPECT_EQ(session.Value("Score1Name"), "Twelve Chars");
    EXPECT_EQ(session.Value("Score1Score"), "1");
    EXPECT_EQ(session.Value("LastNameEntered"), "Twelve Chars");
    session.Key('N');
    EXPECT_TRUE(session.OnTitle());
}

TEST(GlimtideGame, AReleaseOutsideTheBarPicksNoIcon) {
    GlimtideSession session;
    FirstTurn turn(session);
    const auto yourTurn = StatusText(session);
    // Pressed on the right icon, released left of the game area.
    session.MouseDown(50 * turn.Right() + 25, 365);
    session.MouseUp(-30, 365);
    EXPECT_EQ(StatusText(session), yourTurn);
    EXPECT_FALSE(session.PanelUp());
    // The same click on the bar repeats the show.
    session.ClickIcon(turn.Right());
    EXPECT_NE(StatusText(session), yourTurn);
    EXPECT_FALSE(session.PanelUp());
}

TEST(GlimtideGame, ShowMeAgainReplaysOnlyBeforeTheFirstIcon) {
    {
        GlimtideSession session;
        FirstTurn turn(session);
        const auto yourTurn = StatusText(session);
        session.ShowMeAgain();
        session.Harness().MoveMouse(100, 100);
        EXPECT_NE(StatusText(session), yourTurn) << "the show again, and a replay fewer";
    }
    // Half way through a two-rocket turn the press is refused and costs nothing.
    GlimtideSession session;
    ASSERT_TRUE(session.Start());
    session.ChooseEasy();
    GlimtideBot bot(session);
    ASSERT_TRUE(bot.PlayUntil(2));
    session.ClickIcon(bot.LastShow().front());
    const auto partway = StatusText(session);
    session.ShowMeAgain();
    session.Harness().MoveMouse(100, 100);  // the button's own look back to normal
    EXPECT_EQ(StatusText(session), partway);
    EXPECT_FALSE(session.PanelUp());
}

TEST(GlimtideGame, TheShowRunsOnItsOwnWithoutTheBar) {
    GlimtideSession session;
    ASSERT_TRUE(session.Start());
    session.ChooseShow();
    EXPECT_FALSE(session.OnPlay());
    EXPECT_FALSE(session.PanelUp());
    int litTicks = 0;
    for (int i = 0; i < 200; ++i) {
        session.Wait(50);
        litTicks += 500 * 180 - session.Count(0, 0, 0, 500, 180) > 50;
    }
    EXPECT_GT(litTicks, 50);
    EXPECT_EQ(session.Harness().StopMode(), 0);
}

TEST(GlimtideGame, StoredValuesItCannotTrustAreDrawnAndCompared) {
    GlimtideSession session;
    ASSERT_TRUE(session.Start());
    const std::string longName(5000, 'W');
    const std::pair<const char*, std::string> values[] = {
        {"Score3Name", longName},      {"Score3Score", "99999999999999999999"}, {"Score2Name", "<S9><C12><"},
        {"Score2Score", "-2147483648"}, {"Score1Name", "</b></u><br><p>"},     {"Score1Score", "seven"},
        {"LastNameEntered", longName}};
    for (const auto& [key, value] : values) session.SetValue(key, value);
    session.Stop();
    ASSERT_TRUE(session.Start());
    EXPECT_TRUE(session.OnTitle());
    session.Stop();
    // A best that is not a number counts 0: one firework beats it.
    FirstTurn turn(session);
    session.Harness().QueueInput("Ok");
    turn.Lose();
    EXPECT_EQ(session.Value("Score1Score"), "1");
    EXPECT_EQ(session.Value("Score1Name"), "Ok");
}

// Names are shown as they were typed, not as markup, and end where their column ends (the score
// stands at 465): the Hard row at the top, Medium below it.
TEST(GlimtideGame, StoredNamesAreDrawnAsPlainTextWithinTheirColumn) {
    GlimtideSession session;
    session.SetValue("Score3Name", "<s0>WWWWWWWWWWWWWWWWWWWW");
    session.SetValue("Score2Name", "<cff0000>Red");
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.OnTitle());
    EXPECT_GT(session.Count(0xFFFFFF, 364, 35, 460, 52), 100) << "the long name is drawn";
    EXPECT_EQ(session.Count(0xFFFFFF, 461, 35, 465, 52), 0) << "and cut before the score";
    EXPECT_EQ(session.Count(0xFF0000, 360, 52, 465, 69), 0) << "a colour tag is text";
    EXPECT_GT(session.Count(0xFFFFFF, 364, 52, 460, 69), 100);
}

TEST(GlimtideGame, RunsWithoutAnyOfItsResources) {
    GlimtideSession session;
    ASSERT_TRUE(session.Start(GLIMTIDE_BARE_GAM));
    session.ChooseEasy();
    session.Wait(1500);
    session.Key(kSpace);
    session.Wait(8000);
    session.ClickIcon(0);
    session.Wait(1000);
    session.Harness().ShowInstructions();
    // No help text: the orange page and the trademark line only.
    EXPECT_GT(session.Count(kHelpOrange, 0, 0, 500, 420), 500 * 420 - 3000);
    session.Harness().BackToGame();
    session.Stop();
}

// Without its own texts the game reads them from its folder: damaged ones draw what they can.
TEST(GlimtideGame, DamagedTextsInItsFolderAreDrawnSafely) {
    StoreTestFolder folder;
    const std::filesystem::path game = std::filesystem::path(folder.Path()) / "Glimtide.gam";
    std::filesystem::copy_file(GLIMTIDE_BARE_GAM, game);
    std::string help = "\"<S0><b>" + std::string(20, 'W') + "<br>";
    for (int i = 0; i < 3000; ++i) help += "<S" + std::to_string(i % 12 - 3) + "><C12><b>x<br><";
    std::ofstream(std::filesystem::path(folder.Path()) / "Help.rml", std::ios::binary) << help;
    std::ofstream(std::filesystem::path(folder.Path()) / "StaffJoke.rml", std::ios::binary)
        << std::string("\"<c>\0\xff<S+><S-><P></", 14) << std::string(9000, '<');

    GlimtideSession session;
    ASSERT_TRUE(session.Start(game.string()));
    session.Harness().ShowInstructions();
    EXPECT_LT(session.Count(kHelpOrange, 0, 0, 500, 420), 500 * 420 - 2500) << "the help text is drawn";
    session.Harness().BackToGame();
    for (const char key : std::string("MOSSBRICK")) session.Key(key);
    EXPECT_TRUE(session.OnHiddenPage() || session.OnGrey());
    session.Stop();
}

}  // namespace
}  // namespace glimtide::test
