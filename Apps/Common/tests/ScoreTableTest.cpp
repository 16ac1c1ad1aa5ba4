// The pieces of the table of best players that the games share beyond placing a score: the insert
// of the games without profiles, the score text, the defaults, the name entry and the profile
// buttons' rules.
#include <gtest/gtest.h>

#include <climits>

#include "Apps/Common/HighScoreNameEntry.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Common/PlayerProfile.h"
#include "Apps/Common/tests/FakeServices.h"
#include "Apps/Common/tests/FakeSettings.h"

namespace {

HighScoreTable Table(std::initializer_list<HighScoreRow> rows) {
    HighScoreTable table;
    std::copy(rows.begin(), rows.end(), table.begin());
    return table;
}

TEST(HighScores, InsertingMovesLowerRowsDownAndRemovesNothing) {
    const HighScoreTable start = Table({{"Ann", 500}, {"Bo", 400}, {"Cy", 300}, {"Di", 200}, {"Ed", 100}});
    struct Case {
        const char* player;
        int score;
        int row;
        HighScoreTable after;
    };
    const Case cases[] = {
        {"Bo", 450, 1, Table({{"Ann", 500}, {"Bo", 450}, {"Bo", 400}, {"Cy", 300}, {"Di", 200}})},
        {"Zed", 300, 2, Table({{"Ann", 500}, {"Bo", 400}, {"Zed", 300}, {"Cy", 300}, {"Di", 200}})},
        {"Zed", 100, 4, Table({{"Ann", 500}, {"Bo", 400}, {"Cy", 300}, {"Di", 200}, {"Zed", 100}})},
        {"Zed", 99, -1, start},
        {"Zed", INT_MAX, 0, Table({{"Zed", INT_MAX}, {"Ann", 500}, {"Bo", 400}, {"Cy", 300}, {"Di", 200}})},
    };
    for (const Case& c : cases) {
        HighScoreTable table = start;
        EXPECT_EQ(InsertHighScore(table, c.player, c.score), c.row) << c.score;
        EXPECT_EQ(table, c.after) << c.score;
    }
}

// Three groups at most: millions and above stay together in the first.
TEST(HighScores, ScoresAreGroupedByThousandsFromAThousandOn) {
    const std::pair<int, const char*> cases[] = {{0, "0"},          {999, "999"},           {1000, "1,000"},
                                                 {1000005, "1,000,005"}, {-5, "-5"},     {-1500, "-1500"},
                                                 {INT_MAX, "2147,483,647"}, {INT_MIN, "-2147483648"}};
    for (const auto& [score, text] : cases) EXPECT_EQ(ScoreText(score), text) << score;
}

TEST(HighScores, DefaultsAreWrittenOnlyToAFreshProfile) {
    const HighScoreRow defaults[] = {{"Rivakel", 30}, {"Rivakel", 20}};
    FakeSettings fresh;
    WriteDefaultHighScores(fresh, defaults);
    EXPECT_EQ(fresh.values, (std::map<std::string, std::string>{{"Score1Name", "Rivakel"},
                                                               {"Score1Score", "30"},
                                                               {"Score2Name", "Rivakel"},
                                                               {"Score2Score", "20"}}));
    FakeSettings emptyName;
    emptyName.values["Score1Name"] = "";
    WriteDefaultHighScores(emptyName, defaults);
    EXPECT_EQ(emptyName.writes, 0) << "an empty name is a name";
}

// The box answers OK with each scripted name in turn, then anything but OK.
TEST(HighScoreNameEntry, TooLongIsAskedAgainAndAnyOtherAnswerKeepsTheProposedName) {
    struct Case {
        const char* lastName;  // null: never entered
        std::deque<std::string> answers;
        const char* name;
        int boxes;
        int notes;
    };
    const Case cases[] = {
        {nullptr, {"Ada"}, "Ada", 1, 0},
        {nullptr, {}, "Name", 1, 0},
        {"Bo", {}, "Bo", 1, 0},
        {"Bo", {"Thirteen Char", "Twelve Chars"}, "Twelve Chars", 2, 1},
        {"Bo", {"Thirteen Char"}, "Bo", 2, 1},
        {"", {}, "", 1, 0},
        {"A stored name far too long", {}, "A stored nam", 1, 0},
    };
    for (const Case& c : cases) {
        FakeSettings settings;
        if (c.lastName != nullptr) settings.values["LastNameEntered"] = c.lastName;
        FakeServices services;
        services.answers = c.answers;
        EXPECT_EQ(EnterHighScoreName(services, settings, {"Got a High Score", "Your name?"}), c.name) << c.name;
        EXPECT_EQ(services.inputBoxes, c.boxes) << c.name;
        EXPECT_EQ(services.messageBoxes, c.notes) << c.name;
        EXPECT_EQ(settings.values["LastNameEntered"], c.name);
    }
}

TEST(PlayerProfile, NamesAreCheckedInOrder) {
    EXPECT_STREQ(RefusePlayerName("")->caption, "Invalid name entered");
    EXPECT_STREQ(RefusePlayerName("ninechars")->caption, "Name too long");
    EXPECT_STREQ(RefusePlayerName("         ")->caption, "Name too long");
    EXPECT_STREQ(RefusePlayerName("   ")->caption, "Invalid Name");
    EXPECT_EQ(RefusePlayerName("eightchr"), nullptr);
    EXPECT_EQ(RefusePlayerName(" a"), nullptr);
}

TEST(PlayerProfile, ChangePlayerAsksUntilANameIsAcceptedOrTheBoxIsLeft) {
    FakeServices services;
    services.answers = {"", "   ", "ninechars", "Wen"};
    EXPECT_EQ(AskPlayerName(services, "Guest"), "Wen");
    EXPECT_EQ(services.messageBoxes, 3);
    services.answers = {"ninechars"};
    EXPECT_EQ(AskPlayerName(services, "Guest"), std::nullopt);
}

TEST(PlayerProfile, ResetMovesThePlayersRowToTheFoot) {
    FakeSettings settings;
    const char* rows[][2] = {{"Ann", "500"}, {"bo", "400"}, {"Cy", "300"}, {"Di", "200"}, {"Ed", "100"}};
    for (int i = 0; i < 5; ++i) {
        settings.values[HighScoreKey(i + 1, "Name")] = rows[i][0];
        settings.values[HighScoreKey(i + 1, "Score")] = rows[i][1];
    }
    EXPECT_TRUE(ResetHighScoreRow(settings, "Bo", 0));
    EXPECT_EQ(ReadHighScores(settings), Table({{"Ann", 500}, {"Cy", 300}, {"Di", 200}, {"Ed", 100}, {"Bo", 0}}));
    const int writes = settings.writes;
    EXPECT_FALSE(ResetHighScoreRow(settings, "Zed", 0));
    EXPECT_EQ(settings.writes, writes);
}

}  // namespace
