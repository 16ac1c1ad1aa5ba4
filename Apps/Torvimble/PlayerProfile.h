// The current player's holdings in clams and the rules that keep them: a player starts with 100,
// a table never leaves them below 1 (the gift of 100), and every change is stored at once with
// the table of best players brought up to date.
#pragma once

#include <string>
#include <string_view>

namespace torvimble {

inline constexpr int kGiftClams = 100;
inline constexpr const char* kFirstPlayer = "Guest";

// Where holdings are kept: the player's stored "Score" item and the "Top Rocks" table.
class HoldingsStore {
public:
    virtual ~HoldingsStore() = default;
    virtual void StoreHoldings(std::string_view player, int clams) = 0;
    virtual void UpdateTopRocks(std::string_view player, int clams) = 0;
};

// The holdings a player starts with from their stored "Score" text (null when absent): an
// absent, empty, unreadable or spent value gives the gift.
int StartingClams(const char* stored);

class CPlayerProfile {
public:
    int clams = 0;

    const std::string& Name() const { return name_; }
    // Cut to the longest name kept.
    void SetName(std::string_view name);

    // The holdings from the player's stored "Score" text (null when absent); when the gift took
    // the place of what was stored, it is stored at once.
    void Load(const char* stored, HoldingsStore& store);
    // Adds what a hand won (or, negative, lost); holdings below 1 become the gift. Stores them
    // and updates the table. True when the gift was given (the table says "Out of clams!").
    bool Apply(int change, HoldingsStore& store);

private:
    std::string name_ = kFirstPlayer;
};

}  // namespace torvimble
