#include "Games/Dunmoro/Layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "Apps/Common/ResourceFile.h"
#include "Games/Dunmoro/Rules.h"
#include "Games/Dunmoro/tests/SolitaireModel.h"

namespace dunmoro {
namespace {

std::string ShippedText(int board) {
    std::ifstream in(std::filesystem::path(DUNMORO_SOURCE_DIR) / "layouts" / LayoutFileName(board), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::optional<std::vector<LayoutCard>> Read(std::string_view text) {
    CResourceFile file(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    return ReadLayout(file);
}

// ---------------------------------------------------------------- the shipped boards

struct BoardStats {
    int board, cards, faceUp, minX, maxX, minY, maxY;
};
constexpr BoardStats kShipped[] = {
    {1, 25, 9, 122, 339, 3, 265},   {2, 50, 8, 10, 438, 23, 234},  {3, 39, 12, 12, 442, 27, 256},
    {4, 46, 10, 0, 450, 32, 230},   {5, 28, 10, 0, 450, 57, 156},  {6, 31, 8, 18, 426, 0, 265},
    {7, 49, 20, 10, 441, 11, 254},  {8, 41, 9, 44, 394, 6, 255},   {9, 36, 9, 16, 438, 42, 240},
    {10, 50, 14, 34, 417, 17, 254}, {11, 58, 28, 50, 405, 1, 264}, {12, 29, 11, 24, 424, 74, 206},
    {13, 45, 9, 1, 449, 22, 258},   {14, 47, 8, 2, 446, 19, 243},  {15, 46, 12, 12, 438, 14, 245},
    {16, 59, 27, 2, 447, -1, 267},  {17, 44, 12, 8, 445, 45, 246}, {18, 47, 15, 3, 446, 30, 228},
    {10000, 10, 10, 130, 310, 30, 145},
};

TEST(DunmoroLayouts, EveryShippedBoardMatchesItsStatisticsAndFitsAboveThePile) {
    for (const BoardStats& s : kShipped) {
        const auto layout = Read(ShippedText(s.board));
        ASSERT_TRUE(layout.has_value()) << s.board;
        EXPECT_EQ(static_cast<int>(layout->size()), s.cards) << s.board;
        EXPECT_EQ(std::count_if(layout->begin(), layout->end(), [](const LayoutCard& c) { return c.faceUp; }),
                  s.faceUp)
            << s.board;
        const auto [minX, maxX] = std::minmax_element(layout->begin(), layout->end(),
                                                      [](const auto& a, const auto& b) { return a.x < b.x; });
        const auto [minY, maxY] = std::minmax_element(layout->begin(), layout->end(),
                                                      [](const auto& a, const auto& b) { return a.y < b.y; });
        EXPECT_EQ(minX->x, s.minX) << s.board;
        EXPECT_EQ(maxX->x, s.maxX) << s.board;
        EXPECT_EQ(minY->y, s.minY) << s.board;
        EXPECT_EQ(maxY->y, s.maxY) << s.board;
        // Every card lies on the 500 pixels of the table and above the line of the pile.
        EXPECT_LE(maxX->x + kCardWidth, 500) << s.board;
        EXPECT_LE(maxY->y + kCardHeight, 340) << s.board;
    }
}

// What a player sees at the deal is what may be played: a card is dealt face up exactly when no
// later card lies over it.
TEST(DunmoroLayouts, EveryBoardDealsItsFreeCardsFaceUpAndNoOthers) {
    for (int board = 1; board <= kChallengeBoards; ++board) {
        const auto layout = Read(ShippedText(board));
        ASSERT_TRUE(layout.has_value());
        for (size_t i = 0; i < layout->size(); ++i) {
            const LayoutCard& card = (*layout)[i];
            const bool covered = std::any_of(layout->begin() + static_cast<ptrdiff_t>(i) + 1, layout->end(),
                                             [&](const LayoutCard& upper) { return Covers(card.x, card.y, upper.x, upper.y); });
            EXPECT_EQ(card.faceUp, !covered) << "board " << board << ", card " << i;
        }
    }
}

TEST(DunmoroLayouts, BoardsOneAndTenThousandAreTheGivenOnes) {
    EXPECT_EQ(ShippedText(1),
              "25,255,170,0,305,170,0,255,236,0,305,236,0,151,33,0,151,99,0,201,33,0,201,99,0,151,170,0,201,170,0,151,"
              "236,0,201,236,0,255,33,0,305,33,0,255,99,0,305,99,0,176,69,1,176,199,1,280,69,1,280,199,1,228,135,1,122,"
              "135,1,339,135,1,228,3,1,228,265,1,\r\n");
    EXPECT_EQ(ShippedText(10000),
              "10,310,30,1,310,70,1,310,105,1,227,145,1,130,30,1,130,70,1,130,105,1,130,145,1,179,145,1,310,145,1,");
}

// Played by a player who sees only the screen, every board is cleared often enough that a
// challenge can be finished: the Apprentice boards more often than the Master ones.
TEST(DunmoroLayouts, EveryBoardIsPlayable) {
    for (const BoardStats& s : kShipped) {
        if (s.board > kChallengeBoards) continue;
        const auto layout = Read(ShippedText(s.board));
        ASSERT_TRUE(layout.has_value());
        const double rate = model::WinRate(*layout, s.board, 200, 1234u + static_cast<uint32_t>(s.board));
        EXPECT_GE(rate, s.board < kFirstMasterBoard ? 0.75 : 0.6) << "board " << s.board;
    }
}

// ---------------------------------------------------------------- text that is not a layout

TEST(DunmoroLayouts, DamagedTextsAreRefusedOrReadSafely) {
    struct Case {
        std::string text;
        int cards;  // -1: refused
    };
    const Case cases[] = {
        {"-100,1,2,1", -1},
        {"-25,", -1},
        {"0,", -1},
        {"1,5,6,1,", 1},
        {"51", 51},
        {"52,1,1,1", 52},
        {"259", 259},
        {"260,", -1},
        {"2147483647,", -1},
        {"99999999999999999999,", -1},
        {"2,-1,-1000,1,0,0,1", 2},
        {"1,1000000000,5,1", -1},
        {"1,5,-40000,1", -1},
        {"1,5,6,2,", 1},
        {"// the board\r\n//made by hand\r\n1,5,6,1", 1},
        {"1,5,6,1// a comment at the end", 1},
        {std::string("\x01\xff\x80\x7f", 4), -1},
        {"", -1},
    };
    for (const Case& c : cases) {
        const auto layout = Read(c.text);
        EXPECT_EQ(layout ? static_cast<int>(layout->size()) : -1, c.cards) << c.text;
    }
    const auto faces = Read("3,1,2,1,3,4,2,5,6,-1");
    ASSERT_TRUE(faces.has_value());
    EXPECT_EQ(*faces, (std::vector<LayoutCard>{{1, 2, true}, {3, 4, false}, {5, 6, false}}));
    const auto missing = Read("3,10,20,1,");
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->back(), (LayoutCard{0, 0, false})) << "numbers missing at the end read 0";
}

TEST(DunmoroLayouts, ATruncatedBoardIsReadOrRefusedAtEveryLength) {
    const std::string text = ShippedText(1);
    for (size_t cut = 0; cut < text.size(); ++cut) {
        const auto layout = Read(text.substr(0, cut));
        const size_t expected = cut == 0 ? 0 : cut == 1 ? 2 : 25;
        EXPECT_EQ(layout ? layout->size() : 0u, expected) << cut;
    }
}

}  // namespace
}  // namespace dunmoro
