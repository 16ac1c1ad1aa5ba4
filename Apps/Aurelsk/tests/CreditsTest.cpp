#include "Apps/Aurelsk/Credits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace aurelsk {
namespace {

// The prompts go to printf with the score alone: one %d and no other conversion.
TEST(Credits, EveryPromptTakesTheScoreOnce) {
    for (int row = 0; row <= 6; ++row) {
        const std::string prompt(HighScorePrompt(row));
        EXPECT_EQ(std::ranges::count(prompt, '%'), 1) << row;
        EXPECT_NE(prompt.find("%d"), std::string::npos) << row;
    }
    EXPECT_EQ(HighScorePrompt(1), "You\x92ve just emerged from the sea with %d points and gotten your feet wet.");
}

}  // namespace
}  // namespace aurelsk
