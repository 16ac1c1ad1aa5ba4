#include "Apps/Brisquet/Celebration.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "Apps/Common/ModuleRandom.h"

namespace brisquet {
namespace {

TEST(BrisquetCelebration, ThreeBubblesAScreenThatStayInTheBox) {
    ModuleRandom random;
    random.Seed(29);
    Celebration celebration(29, [&random] { return random.Next(); });
    ASSERT_EQ(celebration.Bubbles().size(), 87u);
    for (int tick = 0; tick < 2000; ++tick) {
        celebration.Tick();
        for (const BouncingBubble& b : celebration.Bubbles()) {
            ASSERT_TRUE(b.x >= Celebration::kLeft && b.x <= Celebration::kRight) << b.x;
            ASSERT_TRUE(b.y >= Celebration::kTop && b.y <= Celebration::kBottom) << b.y;
            ASSERT_TRUE(std::abs(b.dx) >= 4 && std::abs(b.dy) >= 4 && std::abs(b.dx) <= 15);
            ASSERT_TRUE(b.kind >= 1 && b.kind <= 4);
        }
    }
}

TEST(BrisquetCelebration, SlowSpeedsAreDrawnAgain) {
    // rand % 10 of 4, 5 and 6 would give 3, 0 and -3.
    int draws[] = {0, 0, 0, 4, 5, 6, 0, 1};
    int next = 0;
    Celebration celebration(1, [&] { return draws[next++ % 8]; });
    ASSERT_EQ(celebration.Bubbles().size(), 3u);
    EXPECT_EQ(celebration.Bubbles()[0].kind, 3);
    EXPECT_EQ(celebration.Bubbles()[0].dx, 15);
    EXPECT_EQ(celebration.Bubbles()[0].dy, 12);
}

}  // namespace
}  // namespace brisquet
