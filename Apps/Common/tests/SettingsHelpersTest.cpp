#include <gtest/gtest.h>

#include <climits>

#include "Apps/Common/DecimalText.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Common/PlayerSettings.h"
#include "Apps/Common/tests/FakeSettings.h"

namespace {

// ---------------------------------------------------------------- decimal text

TEST(DecimalText, ParsesLikeTheCLibraryButSaturates) {
    const std::pair<const char*, int> cases[] = {
        {" 12", 12},  {"+5", 5},        {"12abc", 12}, {"", 0},           {"abc", 0},          {"-0", 0},
        {"\t-7x", -7}, {"- 7", 0},      {"2147483647", INT_MAX}, {"2147483648", INT_MAX}, {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},        {"99999999999999999999999", INT_MAX},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ParseDecimal(text), value) << '"' << text << '"';
}

// Millions are not grouped further: billions read "$2147,483,647".
TEST(DecimalText, MoneyGroupsThousands) {
    const std::pair<int64_t, const char*> cases[] = {
        {0, "$0"},           {999, "$999"},         {1000, "$1,000"},       {-1500, "$1,500"},
        {1000005, "$1,000,005"}, {1234567, "$1,234,567"}, {INT_MAX, "$2147,483,647"}, {INT_MIN, "$2147,483,648"},
    };
    for (const auto& [amount, text] : cases) {
        MoneyBuffer out;
        EXPECT_STREQ(FormatMoney(amount, out), text);
    }
}

// ---------------------------------------------------------------- per-player settings

TEST(PlayerSettings, AnItemNeverWrittenReadsZeroAndIsStoredEmpty) {
    FakeSettings settings;
    EXPECT_EQ(GetPlayerSettingInt(settings, "Guest", "Score"), 0);
    ASSERT_TRUE(settings.values.contains("Guest - Score"));
    EXPECT_EQ(settings.values["Guest - Score"], "");
}

TEST(PlayerSettings, NumbersRoundTripUnderKeysWithBlanks) {
    FakeSettings settings;
    SetPlayerSettingInt(settings, "Ann Lee", "Won", -12);
    EXPECT_EQ(settings.values["Ann Lee - Won"], "-12");
    int out = 0;
    EXPECT_EQ(GetPlayerSettingInt(settings, "Ann Lee", "Won", &out), -12);
    EXPECT_EQ(out, -12);
}

TEST(PlayerSettings, OverlongStoredValuesAreCutNotOverflowed) {
    for (const size_t length : {99u, 100u, 5000u}) {
        FakeSettings settings;
        settings.values["P - Won"] = std::string(length, '7');
        EXPECT_EQ(GetPlayerSettingInt(settings, "P", "Won"), INT_MAX) << length;
        char text[16];
        GetPlayerSetting(settings, "P", "Won", text);
        EXPECT_EQ(std::string(text), std::string(15, '7'));
        EXPECT_EQ(ReadSettingText(settings, "P - Won", 20), std::string(20, '7'));
    }
}

TEST(PlayerSettings, DirectReadsWriteNothing) {
    FakeSettings settings;
    EXPECT_EQ(ReadSettingInt(settings, "Guest - OruBoard", 1), 1);
    EXPECT_FALSE(ReadSettingText(settings, "BestOruPlayer").has_value());
    EXPECT_EQ(settings.writes, 0);
}

// ---------------------------------------------------------------- the table of best players

HighScoreTable Table(std::initializer_list<HighScoreRow> rows) {
    HighScoreTable table;
    std::copy(rows.begin(), rows.end(), table.begin());
    return table;
}

TEST(HighScores, PlacingAScore) {
    const HighScoreTable defaults = Table({{"R", 1600}, {"R", 800}, {"R", 400}, {"R", 200}, {"R", 100}});
    struct Case {
        const char* what;
        HighScoreTable before;
        const char* player;
        int score;
        HighScoreTable after;
    };
    const Case cases[] = {
        {"enters above the first lower score", defaults, "Ann", 500,
         Table({{"R", 1600}, {"R", 800}, {"Ann", 500}, {"R", 400}, {"R", 200}})},
        {"a tie ranks above", defaults, "Ann", 800,
         Table({{"R", 1600}, {"Ann", 800}, {"R", 800}, {"R", 400}, {"R", 200}})},
        {"below all five is not entered", defaults, "Ann", 50, defaults},
        {"the player's old row goes, matched without case",
         Table({{"ann", 2000}, {"B", 900}, {"C", 400}, {"D", 200}, {"E", 100}}), "ANN", 300,
         Table({{"B", 900}, {"C", 400}, {"ANN", 300}, {"D", 200}, {"E", 100}})},
        {"moving down past the last row fills the vacated place",
         Table({{"A", 2000}, {"B", 900}, {"C", 400}, {"D", 200}, {"E", 100}}), "A", 10,
         Table({{"B", 900}, {"C", 400}, {"D", 200}, {"E", 100}, {"A", 10}})},
        {"a negative score still ranks above a vacated row",
         Table({{"A", 5}, {"B", 4}, {"C", 3}, {"D", 2}, {"E", 1}}), "B", -40,
         Table({{"A", 5}, {"C", 3}, {"D", 2}, {"E", 1}, {"B", -40}})},
    };
    for (const Case& c : cases) {
        HighScoreTable table = c.before;
        PlaceHighScore(table, c.player, c.score);
        EXPECT_EQ(table, c.after) << c.what;
    }
}

TEST(HighScores, RandomUpdatesKeepEachPlayerOnceAndTheTableSorted) {
    HighScoreTable table = Table({{"R", 1600}, {"R", 800}, {"R", 400}, {"R", 200}, {"R", 100}});
    const char* players[] = {"amy", "Bob", "CAT", "dan", "Eve", "AMY", "bob"};
    uint32_t seed = 7;
    for (int round = 0; round < 2000; ++round) {
        seed = seed * 1103515245u + 12345u;
        const int score = static_cast<int>(seed >> 8) % 5000 - 1000;
        PlaceHighScore(table, players[(seed >> 20) % 7], score);
        for (int i = 0; i + 1 < kHighScoreRows; ++i) ASSERT_GE(table[i].score, table[i + 1].score);
        for (int i = 0; i < kHighScoreRows; ++i) {
            for (int j = i + 1; j < kHighScoreRows; ++j) {
                if (table[i].name == "R" || table[j].score == kHighScoreVacant) continue;
                ASSERT_FALSE(SamePlayerName(table[i].name, table[j].name)) << table[i].name;
            }
        }
    }
}

TEST(HighScores, UpdateWritesOnlyTheRowsThatChanged) {
    FakeSettings settings;
    const int scores[] = {1600, 800, 400, 200, 100};
    for (int row = 1; row <= 5; ++row) {
        settings.values["Score" + std::to_string(row) + "Name"] = "R";
        settings.values["Score" + std::to_string(row) + "Score"] = std::to_string(scores[row - 1]);
    }
    settings.writes = 0;
    UpdateHighScores(settings, "Ann", 300);
    EXPECT_EQ(settings.values["Score4Name"], "Ann");
    EXPECT_EQ(settings.values["Score4Score"], "300");
    EXPECT_EQ(settings.values["Score5Score"], "200");
    EXPECT_EQ(settings.writes, 4) << "rows 4 and 5, each whole";
}

// A score text longer than the reader takes reads as 0; a 0 that takes its row must not leave
// that text beside the new name, and a row that stays as it was is not written.
TEST(HighScores, ARowThatChangesIsWrittenWhole) {
    FakeSettings settings;
    const std::string longZero = std::string(100, '0') + "7000";
    settings.values = {{"Score1Name", "Ann"}, {"Score1Score", "9000"}, {"Score2Name", "Old"},
                       {"Score2Score", longZero}, {"Score3Name", "Bo"}, {"Score3Score", longZero}};
    const HighScoreTable before = ReadHighScores(settings);
    HighScoreTable table = before;
    ASSERT_EQ(InsertHighScore(table, "New", 0), 1);
    WriteHighScores(settings, table, before);
    const std::map<std::string, std::string> expected = {
        {"Score1Name", "Ann"}, {"Score1Score", "9000"}, {"Score2Name", "New"}, {"Score2Score", "0"},
        {"Score3Name", "Old"}, {"Score3Score", "0"},    {"Score4Name", "Bo"},  {"Score4Score", "0"}};
    EXPECT_EQ(settings.values, expected);
}

}  // namespace
