#include "Apps/Glimtide/TopPlayers.h"

#include <gtest/gtest.h>

#include "Apps/Common/tests/FakeSettings.h"
#include "Apps/Common/tests/FakeServices.h"

namespace glimtide {
namespace {

TEST(TopPlayers, DefaultsOnlyOnAFreshProfileAndMissingScoresCountZero) {
    FakeSettings fresh;
    WriteDefaultScores(fresh);
    EXPECT_EQ(fresh.values["Score1Name"], "Rivakel");
    EXPECT_EQ(StoredBest(fresh, Level::Easy), 6);
    EXPECT_EQ(StoredBest(fresh, Level::Medium), 9);
    EXPECT_EQ(StoredBest(fresh, Level::Hard), 12);

    FakeSettings partial;
    partial.values["Score1Name"] = "Ada";
    WriteDefaultScores(partial);
    EXPECT_EQ(partial.writes, 0);
    EXPECT_EQ(StoredBest(partial, Level::Hard), 0);
    EXPECT_TRUE(IsNewBest(1, StoredBest(partial, Level::Hard)));
    EXPECT_TRUE(IsNewBest(6, 6));
    EXPECT_FALSE(IsNewBest(5, 6));
}

TEST(TopPlayers, TheNameIsAskedUntilItFitsAndCancelKeepsTheProposedOne) {
    FakeSettings settings;
    FakeServices services;
    services.answers = {"Thirteen Char", "Ada Lovelace"};
    EnterBest(services, settings, Level::Medium, 14);
    EXPECT_EQ(services.inputBoxes, 2);
    EXPECT_EQ(services.messageBoxes, 1);
    EXPECT_EQ(settings.values["Score2Name"], "Ada Lovelace");
    EXPECT_EQ(settings.values["Score2Score"], "14");
    EXPECT_EQ(settings.values["LastNameEntered"], "Ada Lovelace");

    EnterBest(services, settings, Level::Hard, 3);  // no answers left: Cancel
    EXPECT_EQ(settings.values["Score3Name"], "Ada Lovelace");
    EXPECT_EQ(settings.values["Score3Score"], "3");
    EXPECT_EQ(settings.values["LastNameEntered"], "Ada Lovelace");
}

}  // namespace
}  // namespace glimtide
