// The game table: the portal's catalogue built in, the rows of games installed that it does not
// know appended, and which rows are installed, found by enumerating the game files on disk.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/games/GameRecord.h"
#include "frame/host/GameInfo.h"
#include "frame/shell/IGameTable.h"

// What the table takes from the session.
struct GameTableConfig {
    // A game file's description, its logo surface included (the host's ReadGameInfo); 0 when read.
    std::function<int(const std::string& path, GameInfo& out)> readGameInfo;
    // Calls `found` with each installed game file and its folder (the file service's enumeration).
    std::function<void(const std::function<void(const std::string& file, const std::string& folder)>& found)>
        enumerateGames;
};

class CGameTable final : public IGameTable {
public:
    static constexpr int kMaxRows = 100;
    // The version a recommended game's tile shows.
    static constexpr std::string_view kRecommendedVersion = "00.01.00.0100";

    explicit CGameTable(GameTableConfig config, std::vector<GameRecord> rows = BuiltInGameRows());

    // IGameTable
    int Count() const override;
    std::optional<GameTableEntry> Entry(int index) const override;
    // The row of that installed file; else the row whose name is the longest prefix of the file's
    // name ("hexavon.gam" is UltraHexavon's); -1 when none.
    int IndexOfFile(std::string_view file) const override;
    void ClearInstalled() override;
    void FindInstalled() override;

    const GameRecord* Row(int index) const;
    // Reads each installed game file and marks its row installed, appending a row for a game the
    // table does not know; `found` sees the row and the description (whose logo the table drops
    // afterwards). Files that are no games are passed over.
    void EnumerateInstalled(const std::function<void(int index, GameInfo& info)>& found = {});
    // EnumerateInstalled from scratch: what was removed or added since the last look shows as
    // it is now.
    void Rescan(const std::function<void(int index, GameInfo& info)>& found);
    // The row a described game file belongs to, marked installed and filled; -1 when its
    // identifier is no plain name or the table is full.
    int AddGame(const GameInfo& info, const std::string& path, const std::string& folder);
    // Rows to recommend, in table order, at most `most`: not installed, not appended, neither
    // "UltraHexavon" nor "DunmoroSilver", and not "Plimsey" once an "UltraHexavon" file was found.
    std::vector<int> Recommendations(size_t most) const;
    bool HidesPlimsey() const { return hidePlimsey_; }
    // The game was removed: not installed, no file.
    void MarkRemoved(int index);

private:
    GameTableConfig config_;
    std::vector<GameRecord> rows_;
    bool hidePlimsey_ = false;
};
