// The twelve numbers of a league: how many customers come and how fast, their patience, how
// food flies. They come from the text "Levels_PWK.txt" (its block per league, in the order of
// the fields below), else from the values built into the game.
#pragma once

class CResourceFile;

namespace pellawick {

enum class League { Little = 0, Minor = 1, Major = 2, Bonus = 3 };

struct LevelValues {
    int maxHungryCustomers = 0;
    int totalPatience = 0;  // ms
    float peakHeight = 0;
    float throwSpeed = 0;  // seconds per 344 pixels of flight
    int foodTypes = 0;
    int customersToServe = 0;
    int minTimeBetweenCustomers = 0;  // ms
    int maxTimeBetweenCustomers = 0;  // ms
    int deltaPatience = 0;            // ms less per inning
    int deltaCustomers = 0;           // more to serve per inning
    int deltaMinTime = 0;             // ms less per inning
    float deltaThrowSpeed = 0;        // added per inning

    friend bool operator==(const LevelValues&, const LevelValues&) = default;
};

inline constexpr int kLeagueCount = 3;
inline constexpr int kMaxFoodTypes = 3;
inline constexpr const char* kLevelTableName = "Levels_PWK.txt";

// The values used when the text cannot be opened, or its block for a league is unsound.
const LevelValues& BuiltInLevels(int league);

// Whether the game can play on these values: patience and customers to serve at least 1, one to
// three food types, a positive throw speed, a minimum time between customers of at least 0 and
// not above the maximum.
bool IsPlayable(const LevelValues& values);

// The league's block (0 to 2) of a level text: blocks up to the league's are read in turn and
// the last one holds. A block that is cut short or unplayable gives the built-in values.
LevelValues ReadLevelTable(CResourceFile& file, int league);

// Opens "Levels_PWK.txt" (the game's resource, else its file) and reads the league's block;
// the built-in values when it is found nowhere.
LevelValues LoadLevelTable(int league);

// The values of inning `inning` (1 for the first) of a league that started with `start`: each
// inning after the first takes the per-inning changes once more. Patience stays at least 1 ms,
// the minimum time between customers at least 0, the throw speed above 0.
LevelValues ForInning(const LevelValues& start, int inning);

}  // namespace pellawick
