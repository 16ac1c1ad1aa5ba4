#include "Games/Dunmoro/Rules.h"

#include <gtest/gtest.h>

#include "Games/Dunmoro/Card.h"
#include "Games/Dunmoro/DunmoroApplet.h"
#include "Games/Dunmoro/ModeScreen.h"
#include "Games/Dunmoro/PlayScreen.h"
#include "Games/Dunmoro/TitleScreen.h"

namespace dunmoro {
namespace {

TEST(DunmoroRules, RanksOneApartFollowEachOtherRoundTheCircle) {
    struct Case {
        int rank, up;
        bool playable;
    };
    const Case cases[] = {
        {1, 13, true},  {13, 1, true},  {12, 1, false}, {1, 12, false}, {5, 5, false}, {6, 5, true},
        {4, 5, true},   {7, 5, false},  {2, 1, true},   {12, 13, true}, {1, 2, true},  {11, 13, false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsPlayable(c.rank, c.up), c.playable) << c.rank << " on " << c.up;
}

TEST(DunmoroRules, ACardIsCoveredOnlyByMoreThanAOnePixelOverlapBothWays) {
    struct Case {
        int dx, dy;
        bool covered;
    };
    const Case cases[] = {
        {48, 0, false}, {47, 0, true},  {0, 65, false}, {0, 64, true},   {-48, 0, false},
        {-47, 30, true}, {47, 64, true}, {48, 65, false}, {0, -64, true}, {-47, -65, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Covers(100, 100, 100 + c.dx, 100 + c.dy), c.covered) << c.dx << "," << c.dy;
}

TEST(DunmoroRules, ClicksOnTheFirstColumnOrRowMissTheCard) {
    EXPECT_FALSE(HitsCard(10, 20, 10, 40));
    EXPECT_FALSE(HitsCard(10, 20, 30, 20));
    EXPECT_TRUE(HitsCard(10, 20, 11, 21));
    EXPECT_TRUE(HitsCard(10, 20, 58, 85));
    EXPECT_FALSE(HitsCard(10, 20, 59, 50));
    EXPECT_FALSE(HitsCard(10, 20, 30, 86));
}

TEST(DunmoroRules, EachModeDealsItsOwnBoards) {
    for (int random = 0; random < 200; ++random) {
        const int apprentice = BoardToDeal(kModeApprentice, 12, random);
        const int master = BoardToDeal(kModeMaster, 3, random);
        const int bonus = BoardToDeal(kModeBonus, 3, random);
        EXPECT_TRUE(apprentice >= 1 && apprentice <= 9);
        EXPECT_TRUE(master >= 10 && master <= 18);
        EXPECT_TRUE(bonus >= 19 && bonus <= 27);
    }
    EXPECT_EQ(BoardToDeal(kModeBoard, 10000, 5), 10000);
    EXPECT_EQ(BoardToDeal(kModeChallenge, 18, 5), 18);
    for (const int stored : {0, -1, 19, 99999}) EXPECT_EQ(BoardToDeal(kModeChallenge, stored, 5), 1) << stored;
}

TEST(DunmoroRules, StoredModeTextsAtStart) {
    struct Case {
        const char* mode;
        const char* board;
        int expectedMode, expectedBoard;
    };
    const std::string longText(300, '8');
    const Case cases[] = {
        {nullptr, nullptr, 8, 1}, {nullptr, "12", 8, 1}, {"8", nullptr, 8, 1}, {"8", "7", 8, 7},
        {"4", "12", 4, 12},       {"2", nullptr, 2, 1},  {"16", "3", 16, 3}, {"3", "12", 1, 12},
        {"abc", nullptr, 1, 1},   {"8 ", "5", 1, 5},     {"", "2", 1, 2},    {longText.c_str(), "x", 1, 0},
    };
    for (const Case& c : cases) {
        const StartChoice start = ChooseStart("Guest", c.mode, c.board);
        EXPECT_EQ(start.mode, c.expectedMode) << (c.mode ? c.mode : "(none)");
        EXPECT_EQ(start.board, c.expectedBoard) << (c.mode ? c.mode : "(none)");
    }
    EXPECT_EQ(NormalisedMode(3), kModeBoard);
    EXPECT_EQ(NormalisedMode(0), kModeBoard);
    EXPECT_EQ(NormalisedMode(16), kModeBonus);
}

TEST(DunmoroRules, BoardButtonsCarryModeAndBoard) {
    for (const auto& [mode, board] : {std::pair{1, 12}, {2, 0}, {4, 0}, {8, 1}, {1, 18}}) {
        const int value = BoardButtonValue(mode, board);
        EXPECT_EQ(ModeOfButton(value), mode);
        EXPECT_EQ(BoardOfButton(value), board);
    }
}

// The chosen board's number stays inside its box: clear of the box's two-pixel frame on the left
// and of the button's edge on the right, for one digit and for two.
TEST(DunmoroRules, BoardNumbersFitTheirBox) {
    for (const int width : {5, 7, 11, 14, 20}) {
        const NumberLabel label = PlaceNumberLabel(width);
        EXPECT_GE(label.textX, label.frameLeft + 2) << width;
        EXPECT_LE(label.textX + width + 1, 90) << width;
        EXPECT_LE(label.frameLeft, 74) << "the box is never smaller than it was";
    }
}

TEST(DunmoroCards, PipsOfEachRank) {
    using Spots = std::vector<PipSpot>;
    EXPECT_EQ(PipSpots(1), (Spots{{20, 28, false}}));
    EXPECT_EQ(PipSpots(2), (Spots{{20, 10, false}, {20, 46, true}}));
    EXPECT_EQ(PipSpots(3), (Spots{{20, 28, false}, {20, 10, false}, {20, 46, true}}));
    const Spots corners = {{13, 10, false}, {27, 10, false}, {13, 46, true}, {27, 46, true}};
    Spots six = corners;
    six.insert(six.end(), {{13, 28, false}, {27, 28, false}});
    EXPECT_EQ(PipSpots(6), six);
    Spots seven = six;
    seven.push_back({20, 19, false});
    EXPECT_EQ(PipSpots(7), seven);
    Spots ten = corners;
    ten.insert(ten.end(), {{13, 22, false}, {27, 22, false}, {13, 34, true}, {27, 34, true}, {20, 16, false},
                           {20, 40, true}});
    EXPECT_EQ(PipSpots(10), ten);
    for (int rank = 1; rank <= 10; ++rank) EXPECT_EQ(PipSpots(rank).size(), static_cast<size_t>(rank));
    for (int rank : {11, 12, 13, 0}) EXPECT_TRUE(PipSpots(rank).empty());
}

}  // namespace
}  // namespace dunmoro
