// Where a game module named by the shell is found on disk.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct GameModulePlaces {
    std::string baseFolder;    // where a relative name is looked for first; empty: the process's folder
    std::string shellFolder;   // the shell's data folder
    std::string launchFolder;  // the folder of the program's launch path
};

// The native path of the first existing file: an absolute name as it stands; a relative one
// (either separator, any case) below the base folder, then the shell's data folder, then the
// launch folder. Names that would climb out of those folders are refused.
std::optional<std::string> FindGameModule(std::string_view name, const GameModulePlaces& places);

// The folder part of a path of either separator; "" when it has none.
std::string FolderOfPath(std::string_view path);
