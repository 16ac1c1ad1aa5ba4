// The table of Top Vintrels over what a profile may hold, and the name entry at the end of a game.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "Apps/Common/tests/FakeServices.h"
#include "Apps/Common/tests/FakeSettings.h"
#include "Apps/Common/tests/MarkupTestDoubles.h"
#include "Apps/Vintrel/TopVintrels.h"

namespace vintrel {
namespace {

void Store(FakeSettings& settings, const std::array<const char*, 5>& names, const std::array<const char*, 5>& scores) {
    for (int row = 1; row <= 5; ++row) {
        settings.values["Score" + std::to_string(row) + "Name"] = names[row - 1];
        settings.values["Score" + std::to_string(row) + "Score"] = scores[row - 1];
    }
}

std::string Row(FakeSettings& settings, int row) {
    const std::string key = "Score" + std::to_string(row);
    return settings.values[key + "Name"] + "=" + settings.values[key + "Score"];
}

TEST(TopVintrels, AFreshProfileGetsTheDefaultRows) {
    FakeSettings settings;
    markup_test::RecordingCanvas canvas(500);
    markup_test::FontFactory fonts;
    DrawTopVintrels(canvas, settings, fonts);
    const char* expected[] = {"Rivakel=10000", "Rivakel=5000", "Rivakel=2500", "Rivakel=1000", "Rivakel=500"};
    for (int row = 1; row <= 5; ++row) EXPECT_EQ(Row(settings, row), expected[row - 1]);
}

TEST(TopVintrels, AnEqualScoreTakesTheRowAndPushesTheRestDown) {
    struct Case {
        int score;
        bool entered;
        std::array<const char*, 5> rows;
    };
    const Case cases[] = {
        {2500, true, {"A=10000", "B=5000", "Eve=2500", "C=2500", "D=1000"}},
        {20000, true, {"Eve=20000", "A=10000", "B=5000", "C=2500", "D=1000"}},
        {500, true, {"A=10000", "B=5000", "C=2500", "D=1000", "Eve=500"}},
        {499, false, {"A=10000", "B=5000", "C=2500", "D=1000", "E=500"}},
    };
    for (const Case& c : cases) {
        FakeSettings settings;
        Store(settings, {"A", "B", "C", "D", "E"}, {"10000", "5000", "2500", "1000", "500"});
        FakeServices services;
        services.answers = {"Eve"};
        int fanfares = 0;
        EXPECT_EQ(EnterHighScore(services, settings, c.score, [&] { ++fanfares; }), c.entered) << c.score;
        EXPECT_EQ(fanfares, c.entered ? 1 : 0) << c.score;
        for (int row = 1; row <= 5; ++row) EXPECT_EQ(Row(settings, row), c.rows[row - 1]) << c.score;
    }
}

// Names too long to store are asked again; stored values of any length are read within bounds.
TEST(TopVintrels, NamesAreBoundedWhereverTheyComeFrom) {
    struct Case {
        const char* lastName;  // null: none stored
        std::array<const char*, 2> answers;
        const char* row1;
        int boxes;
    };
    const std::string huge(300, 'W');
    const Case cases[] = {
        {nullptr, {"Thirteen Char", "Twelve Chars"}, "Twelve Chars", 1},
        {"Ada", {"", ""}, "Ada", 0},                   // both boxes cancelled: the proposal stands
        {huge.c_str(), {"", ""}, "WWWWWWWWWWWW", 0},   // a stored name is cut to what a row holds
        {nullptr, {"", ""}, "Name", 0},
    };
    for (const Case& c : cases) {
        FakeSettings settings;
        Store(settings, {huge.c_str(), "%s%n", "<b>", "", "x"}, {"abc", "-7", "99999999999999", "", "1e9"});
        if (c.lastName != nullptr) settings.values["LastNameEntered"] = c.lastName;
        {
            markup_test::RecordingCanvas canvas(500);
            markup_test::FontFactory fonts;
            DrawTopVintrels(canvas, settings, fonts);
        }
        EXPECT_EQ(markup_test::LiveFonts(), 0);
        FakeServices services;
        for (const char* answer : c.answers)
            if (*answer != '\0') services.answers.emplace_back(answer);
        ASSERT_TRUE(EnterHighScore(services, settings, 100, [] {}));
        EXPECT_EQ(settings.values["Score1Name"], c.row1) << c.row1;
        EXPECT_EQ(settings.values["LastNameEntered"], c.row1) << c.row1;
        EXPECT_EQ(services.messageBoxes, c.boxes) << c.row1;
    }
}

}  // namespace
}  // namespace vintrel
