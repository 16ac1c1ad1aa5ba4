// What the diving game shows in the portal: the submarine at the surface passes behind the
// score's plate, which hangs over the waterline, and the score stays readable.
#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <vector>

#include "Apps/Aurelsk/tests/AurelskSession.h"
#include "harness/PortalSession.h"

namespace aurelsk::test {
namespace {

class AurelskLookTest : public PortalSession, public AurelskView {
protected:
    // The plate from (14, 64) to (164, 118), with "Score" and the digits on it.
    std::vector<uint32_t> ScorePlate() const {
        std::vector<uint32_t> pixels;
        for (int y = 64; y < 118; ++y)
            for (int x = 14; x < 164; ++x) pixels.push_back(Pixel(x, y));
        return pixels;
    }
};

TEST_F(AurelskLookTest, TheSurfacedSubmarineSailsBehindTheScorePlate) {
    MakeInstalledWithTheGuest();
    StartWithGame(AURELSK_GAM);
    ASSERT_TRUE(OnTitle());
    DiveIn();
    Wait(100);
    ASSERT_TRUE(OnPlay());
    const std::vector<uint32_t> before = ScorePlate();
    // At the surface, full of air: nothing costs points while it sails to the left edge.
    HoldKey(kLeft, 1500);
    ASSERT_GT(Count(kSubHull, 0, 85, 60, 110), 20);
    const std::vector<uint32_t> after = ScorePlate();
    EXPECT_EQ(std::inner_product(before.begin(), before.end(), after.begin(), 0, std::plus<>(), std::not_equal_to<>()),
              0);
}

}  // namespace
}  // namespace aurelsk::test
