// Cards and decks: the pip layout, the face drawn from a game's pictures, and the deck's order,
// shuffle and deal.
#include "Apps/Common/PlayingCard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "Apps/Common/Deck.h"
#include "Apps/Common/ModuleGlobals.h"
#include "harness/InProcessSession.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"

namespace {

TEST(PipSpotsTest, EachRankHasItsPipsLaidOutSymmetrically) {
    EXPECT_EQ(PipSpots(2), (std::vector<PipSpot>{{{20, 10, 29, 20}, false}, {{20, 46, 29, 56}, true}}));
    EXPECT_TRUE(PipSpots(0).empty());
    EXPECT_TRUE(PipSpots(kJack).empty());
    for (int rank = 1; rank <= 10; ++rank) {
        const auto spots = PipSpots(rank);
        ASSERT_EQ(static_cast<int>(spots.size()), rank);
        std::set<std::tuple<int, int>> places;
        for (const PipSpot& s : spots) {
            EXPECT_EQ(s.rect.right - s.rect.left, 9);
            EXPECT_EQ(s.rect.bottom - s.rect.top, 10);
            EXPECT_TRUE(s.rect.left >= 0 && s.rect.right <= kPlayingCardWidth && s.rect.top >= 0 &&
                        s.rect.bottom <= kPlayingCardHeight);
            EXPECT_EQ(s.upsideDown, s.rect.top > 28) << "pips below the middle are turned";
            places.insert({s.rect.left, s.rect.top});
        }
        EXPECT_EQ(static_cast<int>(places.size()), rank) << "rank " << rank << " stacks two pips";
        if (rank == 7) continue;  // its odd pip sits above the middle
        for (const auto& [x, y] : places)
            EXPECT_TRUE(places.count({kPlayingCardWidth - 9 - x, kPlayingCardHeight - 10 - y}))
                << "rank " << rank << " pip at " << x << "," << y << " has no partner turned half round";
    }
}

TEST(DeckTest, FreshPackDealsFromTheKingOfDiamondsDown) {
    Deck deck(nullptr);
    EXPECT_EQ(deck.AddStandardPack(), 52);
    auto top = deck.DealCard();
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->Value(), (CardValue{kKing, kDiamonds}));
    EXPECT_EQ(top->Surface(), nullptr);
    EXPECT_FALSE(top->FaceUp());
    EXPECT_EQ(deck.DealCard()->Value(), (CardValue{kQueen, kDiamonds}));
    EXPECT_EQ(StandardPack().front(), (CardValue{kAce, kClubs}));
    EXPECT_EQ(StandardPack()[13], (CardValue{kAce, kSpades}));
}

TEST(DeckTest, EmptyDeckDealsNothingAndAOneCardShuffleChangesNothing) {
    Deck empty(nullptr);
    EXPECT_EQ(empty.DealCard(), nullptr);
    EXPECT_EQ(empty.Count(), 0);
    empty.Shuffle([] { return 12345; });
    EXPECT_EQ(empty.Count(), 0);

    std::vector<CardValue> one = {{5, kHearts}};
    ShuffleCards(std::span(one), [] { return 31999; });
    EXPECT_EQ(one[0], (CardValue{5, kHearts}));
}

TEST(DeckTest, ShuffledPacksKeepEveryCardAndGrowPastSixPacks) {
    Deck deck(nullptr);
    for (int pack = 0; pack < 7; ++pack) deck.AddStandardPack();
    EXPECT_EQ(deck.Count(), 364);
    uint32_t state = 7;
    deck.Shuffle([&state] { return static_cast<int>((state = state * 214013u + 2531011u) >> 16 & 0x7FFF); });
    std::map<std::pair<int, int>, int> seen;
    bool moved = false;
    for (int i = 0; i < 364; ++i) {
        const auto card = deck.DealCard();
        ++seen[{card->Rank(), card->Suit()}];
        if (i < 52 && card->Value() != StandardPack()[static_cast<size_t>(51 - i)]) moved = true;
    }
    EXPECT_EQ(seen.size(), 52u);
    for (const auto& [card, count] : seen) EXPECT_EQ(count, 7);
    EXPECT_TRUE(moved);
    EXPECT_EQ(deck.DealCard(), nullptr);
}

// A face drawn from stand-in pictures whose colours say which piece landed where.
class CardFaceTest : public ::testing::Test {
protected:
    CardFaceTest() = default;

    IImage* Solid(int w, int h, uint32_t colour) {
        IImage* image = harness_.Factory()->CreateImage(w, h, 0);
        image->ClearToColor(static_cast<int>(colour >> 16), static_cast<int>(colour >> 8 & 0xFF), static_cast<int>(colour & 0xFF));
        images_.push_back(image);
        return image;
    }
    ~CardFaceTest() override {
        for (IImage* image : images_) image->Release();
    }

    InProcessSession session_;
    CAppletHarness& harness_ = session_.Harness();
    std::vector<IImage*> images_;
};

TEST_F(CardFaceTest, FaceTakesThePipsOfItsSuitAndTheGlyphOfItsRankAndColour) {
    AppletRecord* record = &session_.Record();
    Globals() = {.record = record, .factory = record->factory, .gameArea = record->gameArea};
    CardArt art;
    art.front = Solid(50, 66, 0xFFFFFF);
    art.back = Solid(50, 66, 0x2020A0);
    // Four suit columns in four colours; the rank strip's rows in four others.
    art.suitStrip = Solid(40, 20, 0x000000);
    const uint32_t column[4] = {0x110000, 0x220000, 0x330000, 0x440000};
    for (int i = 0; i < 4; ++i) {
        art.suitStrip->SetCurColor(column[i] >> 16, 0, 0);
        art.suitStrip->FillRect(9 * i, 0, 9 * i + 9, 20);
    }
    art.rankStrip = Solid(143, 56, 0x000000);
    for (int row = 0; row < 4; ++row) {
        art.rankStrip->SetCurColor(0, 0x10 * (row + 1), 0);
        art.rankStrip->FillRect(0, 14 * row, 143, 14 * row + 14);
    }
    {
        CPlayingCard card(&art, kClubs, 2);
        card.MoveTo(100, 100);
        harness_.Pump();
        EXPECT_EQ(harness_.GamePixel(120, 120), 0x2020A0u) << "face down shows the back";
        card.SetFaceUp(true);
        harness_.Pump();
        EXPECT_EQ(harness_.GamePixel(100 + 24, 100 + 14), 0x330000u) << "clubs take the strip's third column";
        EXPECT_EQ(harness_.GamePixel(100 + 24, 100 + 50), 0x330000u);
        EXPECT_EQ(harness_.GamePixel(100 + 5, 100 + 10), 0x001000u) << "black upright glyph";
        EXPECT_EQ(harness_.GamePixel(100 + 40, 100 + 55), 0x002000u) << "black turned glyph";
        EXPECT_EQ(harness_.GamePixel(100 + 40, 100 + 30), 0xFFFFFFu);
    }
    {
        CPlayingCard red(&art, kDiamonds, 9);
        red.MoveTo(100, 100);
        red.SetFaceUp(true);
        harness_.Pump();
        EXPECT_EQ(harness_.GamePixel(100 + 5, 100 + 10), 0x003000u) << "red upright glyph";
        EXPECT_EQ(harness_.GamePixel(100 + 17, 100 + 12), 0x440000u) << "diamonds take the fourth column";
    }
    EXPECT_EQ(session_.Layers().Count(), 0u) << "a card takes its surface with it";
    Globals() = {};
}

}  // namespace
