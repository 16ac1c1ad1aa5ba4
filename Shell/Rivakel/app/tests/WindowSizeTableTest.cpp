#include "app/WindowSizeTable.h"

#include <gtest/gtest.h>

namespace {

constexpr WindowSizeTable kSmall{640, 452, 500, 420};
constexpr WindowSizeTable kNormal{800, 572, 500, 420};
constexpr WindowSizeTable kBig{1024, 700, 724, 548};

TEST(ChooseWindowSize, NarrowScreensGetTheSmallWindowEvenWithBigwin) {
    EXPECT_EQ(ChooseWindowSize(799, false, true), kSmall);
    EXPECT_EQ(ChooseWindowSize(640, false, false), kSmall);
    EXPECT_EQ(ChooseWindowSize(0, false, false), kSmall);
}

TEST(ChooseWindowSize, BigwinFromEightHundredPixelsOn) {
    EXPECT_EQ(ChooseWindowSize(800, false, true), kBig);
    EXPECT_EQ(ChooseWindowSize(800, false, false), kNormal);
    EXPECT_EQ(ChooseWindowSize(3840, false, false), kNormal);
}

TEST(ChooseWindowSize, EmbeddedAlwaysGetsTheSmallWindow) {
    EXPECT_EQ(ChooseWindowSize(1920, true, true), kSmall);
    EXPECT_EQ(ChooseWindowSize(1920, true, false), kSmall);
}

}  // namespace
