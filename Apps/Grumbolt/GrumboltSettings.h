// The names Grumbolt keeps its settings under: the current challenger for the whole game, and
// per challenger their points and swamp of the challenge.
#pragma once

namespace grumbolt {

inline constexpr const char* kCurPlayer = "CurPlayer";
inline constexpr const char* kGuest = "Guest";
inline constexpr const char* kScore = "Score";
inline constexpr const char* kLevel = "Level";

}  // namespace grumbolt
