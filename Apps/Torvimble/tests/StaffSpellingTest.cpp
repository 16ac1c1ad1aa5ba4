// The staff roll: letters placed along each line, the pause between lines, and the end.
#include "Apps/Torvimble/StaffSpelling.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace torvimble {
namespace {

// Ticks until the roll ends, restarting the clock as the screen's timer does.
std::vector<StaffLetter> Roll(std::span<const std::string_view> lines, int* ticks = nullptr) {
    ModuleRandom random;
    random.Seed(900);
    StaffSpelling spelling(lines, random);
    std::vector<StaffLetter> letters;
    int elapsed = 0, count = 0;
    while (!spelling.Finished() && count < 100000) {
        elapsed += 100;
        ++count;
        const StaffTick tick = spelling.Tick(elapsed);
        if (tick.letter) letters.push_back(*tick.letter);
        if (tick.restartTimer) elapsed = 0;
    }
    if (ticks != nullptr) *ticks = count;
    return letters;
}

TEST(StaffSpellingTest, ShortListEndsAfterItsLastLine) {
    const std::array<std::string_view, 2> lines = {"ABC", "DE"};
    int ticks = 0;
    const auto letters = Roll(lines, &ticks);
    ASSERT_EQ(letters.size(), 5u);
    EXPECT_LT(ticks, 30) << "the roll stops instead of reading past the list";
    std::string spelled;
    for (const StaffLetter& l : letters) spelled += l.letter;
    EXPECT_EQ(spelled, "ABCDE");
    EXPECT_EQ(letters[2].x, 80);
    EXPECT_EQ(letters[2].y, 10);
    EXPECT_EQ(letters[3].x, 10);
    EXPECT_EQ(letters[3].y, 27);
    for (const StaffLetter& l : letters) {
        EXPECT_GE(l.card.rank, 1);
        EXPECT_LE(l.card.rank, 13);
        EXPECT_LT(l.card.suit, 4);
    }
}

TEST(StaffSpellingTest, TwentyLinesAtMostAndEachFitsTheScreen) {
    const auto staff = TorvimbleStaff();
    ASSERT_GE(staff.size(), 20u);
    for (const std::string_view line : staff) EXPECT_LE(line.size(), 13u) << line;
    std::vector<std::string_view> long_list(staff.begin(), staff.end());
    long_list.insert(long_list.end(), staff.begin(), staff.end());
    const auto letters = Roll(long_list);
    size_t expected = 0;
    for (size_t i = 0; i < 20; ++i) expected += long_list[i].size();
    EXPECT_EQ(letters.size(), expected);
    for (const StaffLetter& l : letters) {
        EXPECT_LT(l.y, StaffSpelling::kFoot) << "lines start again at the top";
        EXPECT_LE(l.x + 35, 500);
    }
}

}  // namespace
}  // namespace torvimble
