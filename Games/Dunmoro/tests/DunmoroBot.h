// A player that plays the game through the shell window: it reads the cards from the presented
// frame (matching the corners against the game's own card pictures), knows the boards from the
// game's layout files, clicks as a person would, and keeps its own account of the money, the
// streaks and the boards it dealt. It never looks into the game's memory.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "Games/Dunmoro/Layout.h"
#include "Games/Dunmoro/tests/DunmoroView.h"

namespace dunmoro::test {

struct BotLedger {
    int64_t money = 0;
    int streak = 0;
    int longestStreak = 0;
    int boardsDealt = 0;
};

class DunmoroBot {
public:
    // What the module's pictures and layouts are, read from its file.
    DunmoroBot(DunmoroView& session, BotLedger start = {});

    // The board just dealt, told by which layout its cards lie in; 0 when none fits.
    int RecogniseBoard() const;
    // Plays the dealt board (counted as dealt) until a result box comes up; true when cleared.
    // False with `error` set when the screen shows what the bot cannot explain.
    bool PlayBoard(int board, std::string* error);

    const BotLedger& Ledger() const { return ledger_; }

private:
    // A corner read from the frame: a rank, the back, or nothing the bot knows.
    static constexpr int kBack = 0, kUnknown = -1;
    int ReadCorner(int x, int y) const;
    bool PileShown() const;

    DunmoroView& session_;
    BotLedger ledger_;
    std::map<int, std::vector<LayoutCard>> layouts_;
    // The corner region (11x14 at (2, 2) of a card) as each rank shows it, black and red, and as
    // the back shows it.
    std::vector<std::pair<int, std::array<uint32_t, 11 * 14>>> corners_;
    uint32_t pileProbe_ = 0;
};

}  // namespace dunmoro::test
