// The order in which a spot shows its lists' entries, over whole cycles.
#include "frame/banners/BannerRotation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "A0 A1 B0 D1": the list's letter and the index, for `picks` turns.
std::string Sequence(BannerRotation& rotation, std::array<size_t, 4> counts, int picks,
                     const std::function<size_t()>& loadServer = nullptr) {
    std::string out;
    for (int i = 0; i < picks; ++i) {
        const std::optional<BannerPick> pick = rotation.Next(counts, loadServer);
        if (!out.empty()) out += ' ';
        out += pick ? std::string(1, "ABCD"[static_cast<int>(pick->list)]) + std::to_string(pick->index) : "-";
    }
    return out;
}

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += (out.empty() ? "" : " ") + piece;
    return out;
}

TEST(BannerRotationTest, WithNoFilesTheTwoDefaultsAlternate) {
    BannerRotation rotation(false);
    EXPECT_EQ(Sequence(rotation, {0, 0, 0, 2}, 6), "D0 D1 D0 D1 D0 D1");
}

TEST(BannerRotationTest, ACycleShowsTheLocalFilesTheServerBannerUpToEighteenTimesThenTheDefaults) {
    BannerRotation rotation(false);
    const std::string cycle = "A0 A1 A2 " + Repeat("B0", 18) + " D0 D1";
    EXPECT_EQ(Sequence(rotation, {3, 1, 0, 2}, 2 * 23), cycle + " " + cycle);
}

TEST(BannerRotationTest, SeveralServerBannersTakeTurnsWithinTheirEighteen) {
    BannerRotation rotation(false);
    std::string server;
    for (int i = 0; i < 18; ++i) server += (i == 0 ? "" : " ") + std::string("B") + std::to_string(i % 3);
    EXPECT_EQ(Sequence(rotation, {0, 3, 0, 1}, 19), server + " D0");
}

TEST(BannerRotationTest, WithoutServerBannersThePartnerFilesShowAllOfThemAtMostEighteen) {
    BannerRotation few(false, 1);
    // The partner cursor steps before each pick, from its random start.
    EXPECT_EQ(Sequence(few, {0, 0, 3, 2}, 10), "C2 C0 C1 D0 D1 C2 C0 C1 D0 D1");
    BannerRotation many(false);
    const std::string shown = Sequence(many, {0, 0, 25, 1}, 19);
    EXPECT_EQ(shown.substr(0, 3), "C1 ");
    EXPECT_EQ(shown.substr(shown.size() - 6), "C18 D0");
    BannerRotation one(true);
    EXPECT_EQ(Sequence(one, {0, 0, 1, 1}, 4), "C0 D0 C0 D0");
}

TEST(BannerRotationTest, ServerBannersArrivingLaterTakeTheirTurnAfterTheLocalFiles) {
    BannerRotation rotation(false);
    size_t server = 0;
    int loads = 0;
    const auto load = [&] {
        ++loads;
        return server;
    };
    EXPECT_EQ(Sequence(rotation, {1, server, 0, 1}, 2, load), "A0 D0");
    server = 2;  // the document came; the next turn's load finds it
    std::array<size_t, 4> counts{1, 0, 0, 1};
    EXPECT_EQ(rotation.Next(counts, load)->list, BannerList::Local);
    const std::optional<BannerPick> next = rotation.Next(counts, load);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->list, BannerList::Server);
    EXPECT_EQ(next->index, 0u);
    EXPECT_GT(loads, 0);
}

TEST(BannerRotationTest, TheCatalogueSpotNeverAsksForServerBanners) {
    BannerRotation rotation(true);
    int loads = 0;
    EXPECT_EQ(Sequence(rotation, {2, 0, 0, 1}, 6, [&] { return static_cast<size_t>(++loads); }), "A0 A1 D0 A0 A1 D0");
    EXPECT_EQ(loads, 0);
}

TEST(BannerRotationTest, EveryListEmptyGivesNothingAndRecoversWhenAnEntryComes) {
    BannerRotation rotation(true);
    EXPECT_EQ(Sequence(rotation, {0, 0, 0, 0}, 3), "- - -");
    EXPECT_EQ(Sequence(rotation, {0, 0, 0, 1}, 2), "D0 D0");
}

}  // namespace
