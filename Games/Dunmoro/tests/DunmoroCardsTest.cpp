// The game's cards, decks and boards made in the test's own process, with the module's
// resources standing in as the running game's.
#include <gtest/gtest.h>

#include <algorithm>

#include "Games/Dunmoro/CardList.h"
#include "Games/Dunmoro/DunmoroApplet.h"
#include "harness/InProcessResources.h"
#include "harness/InProcessSession.h"
#include "harness/ShellFootprint.h"

namespace dunmoro {
namespace {

class DunmoroCardsTest : public ::testing::Test {
protected:
    DunmoroCardsTest() : resources_(std::make_unique<InProcessResources>(DUNMORO_GAM)) {
        app_ = std::make_unique<CDunmoroApplet>(&session_.Record());
    }

    // Where the card's surface stands among the game area's layers (higher lies above).
    int StackPlace(const CCard& card) { return session_.Layers().PlaceOf(card.Surface()); }

    InProcessSession session_;
    std::unique_ptr<InProcessResources> resources_;
    std::unique_ptr<CDunmoroApplet> app_;
};

TEST_F(DunmoroCardsTest, BoardsAreDealtFromWholeDecksTrimmedToThePile) {
    struct Case {
        int board, cards, faceUp, pile;
    };
    for (const Case& c : {Case{1, 25, 9, 20}, Case{18, 47, 15, 30}, Case{16, 59, 27, 20}, Case{10000, 10, 10, 20}}) {
        const auto board = app_->LoadLayout(c.board, false);
        ASSERT_NE(board, nullptr) << c.board;
        EXPECT_EQ(board->Count(), c.cards) << c.board;
        int faceUp = 0;
        for (int i = 0; i < board->Count(); ++i) faceUp += board->At(i).FaceUp() ? 1 : 0;
        EXPECT_EQ(faceUp, c.faceUp) << c.board;
        EXPECT_EQ(board->Deck().Count(), c.pile) << c.board;
    }
    EXPECT_EQ(app_->LoadLayout(19, false), nullptr);
    EXPECT_EQ(app_->LoadLayout(0, false), nullptr);
}

TEST_F(DunmoroCardsTest, EachCardDealtLaterLiesAboveEveryEarlierOneAndThePileAboveAll) {
    const auto board = app_->LoadLayout(1, true);
    ASSERT_NE(board, nullptr);
    for (int i = 1; i < board->Count(); ++i)
        EXPECT_GT(StackPlace(board->At(i)), StackPlace(board->At(i - 1))) << i;
    const CCardList& deck = board->Deck();
    for (int i = 0; i < deck.Count(); ++i) {
        EXPECT_GT(StackPlace(deck.At(i)), StackPlace(board->At(board->Count() - 1)));
        if (i == 0) continue;
        EXPECT_LT(StackPlace(deck.At(i)), StackPlace(deck.At(i - 1))) << "the first card lies on top";
    }
}

TEST_F(DunmoroCardsTest, UnlinkingTakesACardOffTheBoardAndAPopEndsWithNull) {
    auto board = app_->LoadLayout(10000, false);
    const CCard* middle = &board->At(4);
    auto taken = board->Unlink(middle);
    EXPECT_EQ(taken.get(), middle);
    EXPECT_EQ(board->Count(), 9);
    EXPECT_EQ(board->Unlink(middle), nullptr);
    while (board->Count() > 0) board->Unlink(&board->At(0));
    EXPECT_EQ(board->Count(), 0);
    while (board->Deck().Pop() != nullptr) {}
    EXPECT_EQ(board->Deck().Count(), 0);
    EXPECT_EQ(board->Deck().Pop(), nullptr);
    CCardList decks(*app_, false);
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(decks.AddDeck());
    EXPECT_FALSE(decks.AddDeck()) << "no more than six decks";
    EXPECT_EQ(decks.Count(), 312);
}

TEST_F(DunmoroCardsTest, MissingSoundsAndPicturesLeaveNothingBehind) {
    app_.reset();
    resources_.reset();
    for (const auto leaveOut : {std::initializer_list<std::string_view>{"ChallengeWon"},
                                std::initializer_list<std::string_view>{"NewGame", "MoveLegal", "Faces.gif"}}) {
        const InProcessResources lacking(DUNMORO_GAM, leaveOut);
        const ShellFootprint before(DUNMORO_GAM);
        auto game = std::make_unique<CDunmoroApplet>(&session_.Record());
        ASSERT_NE(game->LoadLayout(1, true), nullptr);
        game->Play(Sound::ChallengeWon);
        game.reset();
        const ShellFootprint after(DUNMORO_GAM);
        EXPECT_EQ(after.interfaceObjects, before.interfaceObjects) << *leaveOut.begin();
        EXPECT_EQ(after.shellObjects, before.shellObjects) << *leaveOut.begin();
    }
}

}  // namespace
}  // namespace dunmoro
