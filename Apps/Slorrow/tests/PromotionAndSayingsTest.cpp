// The partner's promotion by the shell's date, and the shape of the sayings the bubble holds.
#include <gtest/gtest.h>

#include "Apps/Slorrow/Duel.h"
#include "Apps/Slorrow/Sayings.h"
#include "Apps/Slorrow/SlorrowApplet.h"

namespace slorrow {
namespace {

TEST(SlorrowPromotion, RunsUntilTheEndOfTheSeventhOfDecember2000) {
    struct Case {
        int year, month, day;
        bool on;
    };
    const Case cases[] = {
        {1999, 12, 31, true}, {2000, 1, 1, true},   {2000, 11, 30, true}, {2000, 12, 7, true},
        {2000, 12, 8, false}, {2000, 12, 31, false}, {2001, 1, 1, false},  {2026, 12, 10, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PromotionOnAt(c.year, c.month, c.day), c.on) << c.year << "-" << c.month << "-" << c.day;
}

// The bubble has room for four lines; a number out of range still finds a saying.
TEST(SlorrowSayings, EachOfTheTwentySixFitsTheBubble) {
    for (const Character who : {Character::Brambo, Character::Quillet})
        for (int i = -1; i <= kSayings; ++i) {
            const auto lines = SayingLines(who, i);
            ASSERT_GE(lines.size(), 1u) << i;
            EXPECT_LE(lines.size(), 4u) << i;
            for (const std::string_view line : lines) {
                EXPECT_FALSE(line.empty()) << i;
                EXPECT_LE(line.size(), 20u) << line;
            }
        }
    EXPECT_NE(SayingLines(Character::Brambo, 0), SayingLines(Character::Quillet, 0));
}

}  // namespace
}  // namespace slorrow
