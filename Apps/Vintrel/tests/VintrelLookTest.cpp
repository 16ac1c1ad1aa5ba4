// What the pond game shows: the staff list over the pond with its heading on a light plate, the
// blobs drifting behind the names, and the plaques of lives, size and score on the play screen
// only.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "Apps/Vintrel/tests/VintrelSession.h"
#include "harness/GameAreaLayers.h"
#include "harness/PortalSession.h"

namespace vintrel::test {
namespace {

constexpr uint32_t kPlaqueInk = 0xFFF3C0;
constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000;

// The plaques' corners: lives at the top left, size at the top right, score at the bottom right.
struct Area {
    int left, top, right, bottom;
};
constexpr Area kPlaqueCorners[] = {{0, 0, 90, 40}, {418, 0, 500, 85}, {415, 362, 500, 420}};

class VintrelLookTest : public PortalSession, public VintrelView {
protected:
    void StartOnTitle() {
        headless_->SetSystemFonts(true);
        MakeInstalledWithTheGuest();
        StartWithGame(VINTREL_GAM);
        ASSERT_TRUE(OnTitle());
    }
};

TEST_F(VintrelLookTest, ThePlaquesAreThePlayScreensAndTheStaffHeadingLiesOnALightPlate) {
    StartOnTitle();
    TypeCode("PLUMTAG");
    Wait(100);
    ASSERT_TRUE(OnStaff());
    for (const Area& a : kPlaqueCorners) EXPECT_EQ(Count(kPlaqueInk, a.left, a.top, a.right, a.bottom), 0);
    // The heading's black ink and every other colour beside it, two columns out at each end.
    int first = 500, last = -1, top = 420, bottom = -1;
    for (int y = 20; y < 56; ++y)
        for (int x = 60; x < 440; ++x)
            if (Pixel(x, y) == kBlack) first = std::min(first, x), last = std::max(last, x), top = std::min(top, y),
                                       bottom = std::max(bottom, y);
    ASSERT_LT(first, last);
    std::set<uint32_t> beside;
    for (int y = top; y <= bottom; ++y)
        for (int x = first - 2; x <= last + 2; ++x)
            if (Pixel(x, y) != kBlack) beside.insert(Pixel(x, y));
    EXPECT_EQ(beside.size(), 1u);

    ClickDone();
    Wait(100);
    ASSERT_TRUE(OnTitle());
    ClickStart();
    Wait(kStartMs);
    ASSERT_TRUE(OnPlay());
    for (const Area& a : kPlaqueCorners) EXPECT_GT(Count(kPlaqueInk, a.left, a.top, a.right, a.bottom), 20);
}

// The blobs are taken off the pond to see the names alone, then laid over them: every pixel of
// the names still shows.
TEST(VintrelStaffList, TheBlobsDriftBehindTheNames) {
    VintrelSession session;
    ASSERT_TRUE(session.Start());
    session.TypeCode("PLUMTAG");
    session.Wait(100);
    ASSERT_TRUE(session.OnStaff());
    const GameAreaLayers layers(session.Harness());
    std::vector<size_t> blobs;
    for (size_t i = 0; i < layers.Count(); ++i) {
        const GameAreaLayer layer = layers.At(i);
        if (layer.width == layer.height && layer.width >= 11 && layer.width <= 47) blobs.push_back(i);
    }
    ASSERT_GE(blobs.size(), 7u);
    for (const size_t blob : blobs) layers.MoveTo(blob, -60, -60);
    session.Harness().Pump();
    std::vector<std::pair<int, int>> names;
    for (int y = 55; y < 220; ++y)
        for (int x = 0; x < 500; ++x)
            if (session.Pixel(x, y) == kWhite) names.emplace_back(x, y);
    ASSERT_GT(names.size(), 500u);
    // One blob on each name line, from the left.
    for (size_t k = 0; k < blobs.size(); ++k)
        layers.MoveTo(blobs[k], 150 + 25 * static_cast<int>(k % 7), 58 + 20 * static_cast<int>(k % 7));
    session.Harness().Pump();
    int covered = 0;
    for (const auto& [x, y] : names) covered += session.Pixel(x, y) != kWhite ? 1 : 0;
    EXPECT_EQ(covered, 0);
}

}  // namespace
}  // namespace vintrel::test
