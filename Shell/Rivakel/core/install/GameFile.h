// What the installer reads of a game file before it copies it: the strings of its table, read
// as data. A file without a whole resource section or without a usable identifier and version
// is not a game.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/base/Version.h"

struct GameFileStrings {
    std::string version;     // string 3, AA.BB.CC.DDDD
    std::string name;        // string 4
    std::string identifier;  // string 5, a plain folder name
    VersionRecord parsed;
};

// nullopt, with the reason in `why`, for anything that is not a game this shell can install.
std::optional<GameFileStrings> ReadGameFile(const std::string& path, std::string* why = nullptr);
// The same for a file already in memory.
std::optional<GameFileStrings> ReadGameImage(std::span<const uint8_t> image, std::string* why = nullptr);

// Whether an offered game replaces an installed one: the installed game's name equals the
// offered file's base name (an installed "DunmoroSilver" stands for "Dunmoro"), or both carry
// the same identifier and so would share a folder.
bool ReplacesInstalledGame(const GameFileStrings& installed, std::string_view baseName, const GameFileStrings& offered);
