// The settings the game keeps. Items of one player are stored under "<player> - <item>";
// the others belong to the user and every player of theirs.
#pragma once

namespace dunmoro {

// Per player.
inline constexpr const char* kCurPlayMode = "CurPlayMode";
inline constexpr const char* kCurLayout = "CurLayout";
inline constexpr const char* kOruBoard = "OruBoard";
inline constexpr const char* kOruAttempts = "OruAttempts";
inline constexpr const char* kWon = "Won";
inline constexpr const char* kNumGamesPlayed = "NumGamesPlayed";
inline constexpr const char* kLongestStreak = "LongestStreak";
inline constexpr const char* kShowStats = "ShowStats";
// For all players.
inline constexpr const char* kCurPlayer = "CurPlayer";
inline constexpr const char* kBestOruPlayer = "BestOruPlayer";
inline constexpr const char* kBestOruAttempts = "BestOruAttempts";

inline constexpr const char* kDefaultPlayer = "Guest";

}  // namespace dunmoro
