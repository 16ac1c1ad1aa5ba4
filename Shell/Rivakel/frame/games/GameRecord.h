// A row of the game table: a game of the portal's catalogue, and where it is installed.
#pragma once

#include <string>
#include <vector>

struct GameRecord {
    std::string name;
    std::string guid;         // the game's identifier, string 5 of its file
    std::string logo;         // the tile picture
    int category = 1;
    int pace = 0;             // 0, 1 or 2: the tile's colour
    std::string description;  // RML, shown in the Home page's featured-game box
    bool installed = false;
    std::string modulePath;      // the game file found
    std::string folder;       // its folder
    std::string version;      // the file's version text
    // Added for an installed file that no built-in row describes; never recommended.
    bool appended = false;
};

// The portal's catalogue as built in: twelve delivered games and four catalogue-only ones.
std::vector<GameRecord> BuiltInGameRows();
