// The name entry at the end of a game: the first row the score reaches (an equal score ranks
// above the stored one) takes the name, and the rows below it move down one.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "Apps/Aurelsk/TopDivers.h"
#include "Apps/Common/tests/FakeServices.h"
#include "Apps/Common/tests/FakeSettings.h"

namespace aurelsk {
namespace {

std::array<std::string, 5> Names(FakeSettings& settings) {
    std::array<std::string, 5> names;
    for (int row = 1; row <= 5; ++row) names[row - 1] = settings.values["Score" + std::to_string(row) + "Name"];
    return names;
}

TEST(TopDivers, TheScoreTakesTheFirstRowItReaches) {
    struct Case {
        int score;
        int row;
        std::array<std::string, 5> names;
        const char* thirdScore;
    };
    const Case cases[] = {
        {60000, 3, {"A", "B", "Eve", "C", "D"}, "60000"},
        {60001, 3, {"A", "B", "Eve", "C", "D"}, "60001"},
        {200000, 1, {"Eve", "A", "B", "C", "D"}, "80000"},
        {10000, 5, {"A", "B", "C", "D", "Eve"}, "60000"},
        {9999, 0, {"A", "B", "C", "D", "E"}, "60000"},
    };
    for (const Case& c : cases) {
        FakeSettings settings;
        const char* stored[] = {"100000", "80000", "60000", "30000", "10000"};
        for (int row = 1; row <= 5; ++row) {
            settings.values["Score" + std::to_string(row) + "Name"] = std::string(1, static_cast<char>('A' + row - 1));
            settings.values["Score" + std::to_string(row) + "Score"] = stored[row - 1];
        }
        FakeServices services;
        services.answers = {"Eve"};
        EXPECT_EQ(EnterHighScore(services, settings, c.score), c.row) << c.score;
        EXPECT_EQ(services.inputBoxes, c.row == 0 ? 0 : 1) << c.score;
        EXPECT_EQ(Names(settings), c.names) << c.score;
        EXPECT_EQ(settings.values["Score3Score"], c.thirdScore) << c.score;
    }
}

}  // namespace
}  // namespace aurelsk
