// What the shell window needs of the table of games: rows by index, whether each is installed,
// and where its module lies. The Games page's table implements it; until then the shell runs
// with an empty table or the one development row of RIVAKEL_GAME (see DevGameTable).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct GameTableEntry {
    std::string name;    // the game's name as shown
    std::string module;  // the module file ("Pellawick.gam"), relative to `folder` or absolute
    std::string folder;  // the folder the game runs in
    bool installed = false;
    std::string guid;     // the game's identifier
    std::string version;  // its file's version text
};

class IGameTable {
public:
    virtual ~IGameTable() = default;
    // Rows up to the end marker, at most 100.
    virtual int Count() const = 0;
    // nullopt outside 0 .. Count() - 1.
    virtual std::optional<GameTableEntry> Entry(int index) const = 0;
    // The row of the game whose module is `file` (a path or a file name), or -1.
    virtual int IndexOfFile(std::string_view file) const = 0;
    // Start-up: every row not installed, then the installed games found and marked.
    virtual void ClearInstalled() = 0;
    virtual void FindInstalled() = 0;

protected:
    IGameTable() = default;
    IGameTable(const IGameTable&) = default;
    IGameTable& operator=(const IGameTable&) = default;
};

// The environment variable that names a game module to run as the only, installed row.
inline constexpr const char* kDevGameVariable = "RIVAKEL_GAME";

// A table of no rows, or of the one row RIVAKEL_GAME names (its folder the module's own).
std::unique_ptr<IGameTable> MakeDevGameTable();
// A table of exactly that module.
std::unique_ptr<IGameTable> MakeSingleGameTable(std::string_view modulePath);
