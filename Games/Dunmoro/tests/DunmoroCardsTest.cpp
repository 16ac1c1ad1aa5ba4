// The game's cards, decks and boards made in the test's own process, with the module's
// resources standing in as the running game's.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/InProcessRecord.h"
#include "Games/Dunmoro/CardList.h"
#include "Games/Dunmoro/DunmoroApplet.h"
#include "core/base/RefCounted.h"
#include "core/graphics/Surface.h"
#include "core/resources/ResourceModule.h"
#include "core/resources/ResourceRegistry.h"
#include "respack/BlobBuilder.h"
#include "core/store/tests/StoreTestFolder.h"
#include "frame/boundary/InterfaceObject.h"

namespace dunmoro {
namespace {

// The module's resources, less those named in `leaveOut`.
std::unique_ptr<resources::ResourceModule> GameResources(std::initializer_list<std::string_view> leaveOut = {}) {
    const auto module = resources::ResourceModule::FromModuleFile(DUNMORO_GAM);
    respack::BlobBuilder builder;
    const resources::ResourceBlob& blob = module->Blob();
    for (size_t i = 0; i < blob.ResourceCount(); ++i) {
        const resources::ResourceEntry entry = blob.EntryAt(i);
        if (std::find(leaveOut.begin(), leaveOut.end(), entry.name) != leaveOut.end()) continue;
        builder.AddResource(std::string(entry.type), std::string(entry.name),
                            std::vector<uint8_t>(entry.data.begin(), entry.data.end()));
    }
    std::string error;
    return resources::ResourceModule::FromBlob(*builder.Build(&error), "dunmoro");
}

class DunmoroCardsTest : public ::testing::Test {
protected:
    DunmoroCardsTest() : harness_({folder_.Path()}) {
        resources::ResourceRegistry::Instance().SetApplet(GameResources());
        record_ = std::make_unique<InProcessRecord>(harness_);
        app_ = std::make_unique<CDunmoroApplet>(record_->record);
    }
    ~DunmoroCardsTest() override {
        app_.reset();
        record_.reset();
        resources::ResourceRegistry::Instance().ClearApplet();
    }

    // Where the card's surface stands among the game area's children (higher lies above).
    int StackPlace(const CCard& card) const {
        const auto children = harness_.GameAreaSurface()->Children();
        const auto* inner = Unwrap<CSurface>(card.Surface());
        return static_cast<int>(std::find(children.begin(), children.end(), inner) - children.begin());
    }

    StoreTestFolder folder_;
    CAppletHarness harness_;
    std::unique_ptr<InProcessRecord> record_;
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
    for (const auto leaveOut : {std::initializer_list<std::string_view>{"ChallengeWon"},
                                std::initializer_list<std::string_view>{"NewGame", "MoveLegal", "Faces.gif"}}) {
        resources::ResourceRegistry::Instance().SetApplet(GameResources(leaveOut));
        const int shellObjects = CRefCounted::LiveCount();
        const int interfaceObjects = LiveInterfaceObjects();
        auto game = std::make_unique<CDunmoroApplet>(record_->record);
        ASSERT_NE(game->LoadLayout(1, true), nullptr);
        game->Play(Sound::ChallengeWon);
        game.reset();
        EXPECT_EQ(LiveInterfaceObjects(), interfaceObjects) << *leaveOut.begin();
        EXPECT_EQ(CRefCounted::LiveCount(), shellObjects) << *leaveOut.begin();
    }
}

}  // namespace
}  // namespace dunmoro
