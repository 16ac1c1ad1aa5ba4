// The holdings: the start, the gift, and every change stored with the table of best players.
#include "Apps/Torvimble/PlayerProfile.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <vector>

#include "Apps/Torvimble/BlackjackTable.h"

namespace torvimble {
namespace {

class RecordingStore final : public HoldingsStore {
public:
    void StoreHoldings(std::string_view player, int clams) override { stored[std::string(player)] = clams; }
    void UpdateTopRocks(std::string_view player, int clams) override { topRocks.push_back({std::string(player), clams}); }
    std::map<std::string, int> stored;
    std::vector<std::pair<std::string, int>> topRocks;
};

TEST(PlayerProfileTest, StoredHoldingsThatAreAbsentEmptyOrSpentStartAtTheGift) {
    struct Case {
        const char* stored;
        int clams;
    };
    const Case cases[] = {
        {nullptr, 100}, {"", 100},  {"0", 100},          {"-40", 100},         {"clams", 100},
        {"  250", 250}, {"7x", 7},  {"+3", 3},           {"99999999999", INT_MAX}, {"-99999999999", 100},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StartingClams(c.stored), c.clams) << (c.stored ? c.stored : "(absent)");
        RecordingStore store;
        CPlayerProfile profile;
        profile.Load(c.stored, store);
        EXPECT_EQ(profile.clams, c.clams);
        if (c.clams == 100) {
            EXPECT_EQ(store.stored["Guest"], 100) << "the gift is stored at the start";
        }
    }
    RecordingStore untouched;
    CPlayerProfile profile;
    profile.Load("250", untouched);
    EXPECT_TRUE(untouched.stored.empty()) << "holdings read as stored are not written again";
}

TEST(PlayerProfileTest, LosingTheLastClamGivesTheGiftAndStoresIt) {
    RecordingStore store;
    CPlayerProfile profile;
    profile.clams = 1;
    EXPECT_TRUE(profile.Apply(-1, store));
    EXPECT_EQ(profile.clams, 100);
    EXPECT_EQ(store.stored["Guest"], 100);
    ASSERT_EQ(store.topRocks.size(), 1u);
    EXPECT_EQ(store.topRocks[0].second, 100);
    EXPECT_FALSE(profile.Apply(25, store));
    EXPECT_EQ(store.stored["Guest"], 125);
    profile.clams = INT_MAX - 1;
    profile.Apply(5000, store);
    EXPECT_EQ(profile.clams, INT_MAX) << "holdings saturate rather than wrap";
}

// Leaving a blackjack table in mid-hand costs the stakes, and that loss is stored at once: a
// restart finds it, and holdings that fall below 1 get the gift as at any settlement.
TEST(PlayerProfileTest, LeavingInMidHandStoresTheLoss) {
    struct Case {
        int clams, bet;
        bool doubled;
        int after;
        bool gift;
    };
    const Case cases[] = {{20, 5, false, 15, false}, {20, 3, true, 14, false}, {4, 2, true, 100, true}};
    for (const Case& c : cases) {
        BlackjackTable table;
        table.Deal(c.bet, {5, 0}, {6, 1}, {10, 2}, {8, 3});
        table.AfterInitialDeal();
        if (c.doubled) table.Double({2, 0});
        RecordingStore store;
        CPlayerProfile profile;
        profile.SetName("Ada");
        profile.clams = c.clams;
        EXPECT_EQ(profile.Apply(-table.StakesInPlay(), store), c.gift);
        EXPECT_EQ(store.stored["Ada"], c.after);
        EXPECT_EQ(store.topRocks.back(), std::make_pair(std::string("Ada"), c.after));
    }
}

}  // namespace
}  // namespace torvimble
