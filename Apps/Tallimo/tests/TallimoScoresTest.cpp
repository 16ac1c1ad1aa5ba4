#include "Apps/Tallimo/TallimoScores.h"

#include <gtest/gtest.h>

namespace tallimo {
namespace {

TEST(TallimoScores, MoneyReadsWithThousandsSeparators) {
    EXPECT_EQ(MoneyText(0), "$0");
    EXPECT_EQ(MoneyText(999), "$999");
    EXPECT_EQ(MoneyText(12040), "$12,040");
    EXPECT_EQ(MoneyText(1000005), "$1,000,005");
    ASSERT_EQ(DefaultScores().size(), 5u);
    EXPECT_EQ(DefaultScores()[0].score, 20000);
    EXPECT_EQ(DefaultScores()[4].score, 12000);
}

}  // namespace
}  // namespace tallimo
