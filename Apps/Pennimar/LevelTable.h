// What each level asks: its animals, their speed, the points, the share of the farm to fence and
// the enemies. Levels past the last row grow by a fixed step per level.
#pragma once

#include <string_view>

namespace pennimar {

struct LevelSettings {
    int kinds = 0;
    int animals = 0;
    float animalSpeed = 0;
    float pointFactor = 0;
    int neededPercent = 0;
    int enemyDelaySeconds = 0;
    float enemySpeed = 0;
};

class LevelTable {
public:
    static constexpr int kLastRow = 14;
    // Levels below 0 play as level 0.
    static LevelSettings Level(int level);
    // "Very Easy" to "Very Hard", three levels to a name; the hardest name past the last row.
    static std::string_view Name(int level);
    // The level the title's button `choice` (0 to 4) starts at.
    static int StartLevel(int choice) { return choice * 3; }
};

}  // namespace pennimar
