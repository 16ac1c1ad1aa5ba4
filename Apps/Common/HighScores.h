// The applets' table of the five best players of the user ("Score1Name" .. "Score5Score"):
// each player appears at most once, with the latest score entered for them.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

class ISettingsAccess;

inline constexpr int kHighScoreRows = 5;
// The score a row takes when its player moved up and nobody follows.
inline constexpr int kHighScoreVacant = -9000000;

struct HighScoreRow {
    std::string name;
    int score = 0;
    bool operator==(const HighScoreRow&) const = default;
};
using HighScoreTable = std::array<HighScoreRow, kHighScoreRows>;

// The settings key of one row's item: HighScoreKey(2, "Name") is "Score2Name".
std::string HighScoreKey(int row, const char* item);

// ASCII letters compare without regard to case.
bool SamePlayerName(std::string_view a, std::string_view b);

// Takes the player's row out (rows below move up, the last row's score becomes vacant), then
// enters the score above the first row whose score is not higher; a score below all five is
// not entered.
void PlaceHighScore(HighScoreTable& table, std::string_view player, int score);

// Enters the score at the first row whose score is not higher: that row and the rows below move
// down one, the last drops out; the player's other rows stay. The row (0 is the best), or -1
// when every row is higher.
int InsertHighScore(HighScoreTable& table, std::string_view player, int score);

// A score as the tables show it: "999", "1,000", "1,000,000"; below 1000 (negative too) plainly.
std::string ScoreText(int score);

// Writes `defaults` as rows 1 on when "Score1Name" is absent (a fresh profile).
void WriteDefaultHighScores(ISettingsAccess& settings, std::span<const HighScoreRow> defaults);

// Rows as stored: a missing name reads "", a missing score 0.
HighScoreTable ReadHighScores(ISettingsAccess& settings);
// Writes each row that differs from `before` whole: its name and its score.
void WriteHighScores(ISettingsAccess& settings, const HighScoreTable& table, const HighScoreTable& before);
// Read, place and write back.
void UpdateHighScores(ISettingsAccess& settings, std::string_view player, int score);
