// What the shell reads from a game module's string table before it is started: for the game
// tiles, the pages and the host itself.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

class CSurface;
namespace resources {
class ResourceModule;
}

// Ids of the game string table. Version to logo are required; category and pace may be missing.
inline constexpr uint32_t kGameStringVersion = 3;
inline constexpr uint32_t kGameStringName = 4;
inline constexpr uint32_t kGameStringId = 5;
inline constexpr uint32_t kGameStringLogo = 6;
inline constexpr uint32_t kGameStringCategory = 7;
inline constexpr uint32_t kGameStringPace = 8;

// The logo is shown on the game's tile: a larger picture is refused instead of decoded.
inline constexpr int kLogoMaxWidth = 92;
inline constexpr int kLogoMaxHeight = 72;
inline constexpr int kLogoMaxFrames = 4;

enum GameCategory : int { kCategoryAction = 0, kCategoryOther = 1, kCategoryLogic = 2, kCategoryCard = 3 };
enum GamePace : int { kPaceSweat = 0, kPaceMix = 1, kPaceOther = 2 };

struct GameInfo {
    char version[14] = {};  // AA.BB.CC.DDDD
    char name[256] = {};
    char id[64] = {};       // the game's GUID text
    int pace = kPaceOther;
    int category = kCategoryOther;
    // Made from the module's own logo picture; carries one internal reference for the caller.
    CSurface* logo = nullptr;
};

// Fills `out` (all but the logo) from a module's string table, and `logoName` with string 6;
// false when one of strings 3 to 6 is missing or empty. Longer strings are cut to their fields.
bool ReadGameDescription(const resources::ResourceModule& module, GameInfo& out, std::span<char> logoName);

// Whole text compared without regard to case; anything else, empty included, is "other".
GameCategory GameCategoryFromText(std::string_view text);
GamePace GamePaceFromText(std::string_view text);
