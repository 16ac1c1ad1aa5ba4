#include "Apps/Tallimo/StaffRoll.h"

#include <gtest/gtest.h>

namespace tallimo {
namespace {

TEST(TallimoStaffRoll, EveryColumnGetsFourBallsAndFacesGoInOrder) {
    int perColumn[6] = {};
    int nextFace = 0;
    for (int i = 0; i < kRollBalls; ++i) {
        ++perColumn[RollEntryAt(i).column];
        const bool empty = i == 2 || i == 7 || i == 9 || i == 13 || i == 16 || i == 19;
        EXPECT_EQ(RollEntryAt(i).name.empty(), empty) << i;
        EXPECT_EQ(FaceCell(i), empty ? -1 : nextFace++) << i;
    }
    for (const int count : perColumn) EXPECT_EQ(count, 4);
    EXPECT_EQ(nextFace, 18);
}

}  // namespace
}  // namespace tallimo
