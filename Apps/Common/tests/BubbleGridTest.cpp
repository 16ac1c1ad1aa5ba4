// The bubble view in the test's process against the harness's shell window: sprites in their
// cells, pops and falls with their timings, many of them at once, and teardown.
#include "Apps/Common/BubbleGrid.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "Apps/Common/BubbleSprite.h"
#include "harness/InProcessSession.h"
#include "harness/ShellFootprint.h"
#include "frame/api/IAnim.h"
#include "frame/api/IImage.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/IShellFactory.h"

namespace {

constexpr BubbleRules kTwoKinds{0x06, 0};
constexpr uint32_t kKindColours[2] = {0x2040C0, 0x20A040};
constexpr uint32_t kPopColour = 0xF0E010;

class Events final : public IBubbleGridEvents {
public:
    void OnBubbleClicked(int column, int row) override { clicks.push_back({column, row}); }
    // An owner may replace the grid here, as a screen that starts the next puzzle does.
    void OnBoardChanged() override {
        if (++changes == endAtChange && endGrid != nullptr) endGrid->reset();
    }
    std::vector<BubbleCell> clicks;
    int changes = 0;
    int endAtChange = 0;
    std::unique_ptr<CBubbleGrid>* endGrid = nullptr;
};

class BubbleGridTest : public ::testing::Test {
protected:
    BubbleGridTest() {
        IShellFactory& factory = *record_->factory;
        for (size_t k = 0; k < 2; ++k) {
            IImageSeq* idle = Solid(kKindColours[k]);
            idle_[k] = factory.CreateAnim(idle);
            idle->Release();
            pop_[k] = Solid(kPopColour);
        }
    }
    ~BubbleGridTest() override {
        for (size_t k = 0; k < 2; ++k) {
            idle_[k]->Release();
            pop_[k]->Release();
        }
    }

    // A one-frame sequence of a 32 x 32 square of one colour.
    IImageSeq* Solid(uint32_t colour) {
        IShellFactory& factory = *record_->factory;
        IImage* image = factory.CreateImage(32, 32, 0);
        image->ClearToColor(static_cast<int>(colour >> 16), static_cast<int>((colour >> 8) & 0xFF),
                            static_cast<int>(colour & 0xFF));
        IImageSeq* sequence = factory.CreateImageSeqFromImage(image);
        image->Release();
        return sequence;
    }

    std::unique_ptr<CBubbleGrid> MakeGrid(CBubbleBoard& board, const BubbleViewStyle& style = {}) {
        int next = 0;
        return std::make_unique<CBubbleGrid>(*record_->factory, *record_->gameArea, board,
                                             BubbleKindArt{idle_, pop_}, style, events_, [&next] { return next += 7; });
    }

    uint32_t CellColour(int column, int row) const { return harness_.GamePixel(10 + 32 * column + 16, 12 + 32 * row + 16); }

    InProcessSession session_;
    CAppletHarness& harness_ = session_.Harness();
    AppletRecord* record_ = &session_.Record();
    std::array<IAnim*, 2> idle_{};
    std::array<IImageSeq*, 2> pop_{};
    Events events_;
};

TEST_F(BubbleGridTest, APopShowsItsPicturesThenTheColumnFallsIntoPlace) {
    CBubbleBoard board(3, 4);
    board.Set(0, 0, 2);
    board.Set(0, 2, 1);
    board.Set(0, 3, 1);
    board.Set(1, 3, 2);
    auto grid = MakeGrid(board);
    harness_.Pump();
    EXPECT_EQ(CellColour(0, 0), kKindColours[1]);
    EXPECT_EQ(CellColour(0, 3), kKindColours[0]);

    harness_.Click(10 + 5, 12 + 32 * 3 + 5);
    ASSERT_EQ(events_.clicks, (std::vector<BubbleCell>{{0, 3}}));
    EXPECT_EQ(grid->FloodMark(1, 3, kTwoKinds), 0) << "a lone bubble";
    EXPECT_EQ(grid->FloodMark(0, 3, kTwoKinds), 2);
    harness_.Pump();
    EXPECT_EQ(CellColour(0, 3), kPopColour);
    harness_.AdvanceMs(450, 10);
    EXPECT_EQ(CellColour(0, 2), kPopColour) << "still popping before 500 ms";
    EXPECT_EQ(events_.changes, 0);

    harness_.AdvanceMs(100, 10);
    EXPECT_EQ(grid->RunningPops(), 0);
    EXPECT_EQ(grid->RunningFalls(), 1);
    EXPECT_EQ(events_.changes, 1);
    EXPECT_EQ(board.Evaluate(kTwoKinds), BubbleBoardState::Playing) << "the top bubble is still falling";
    // Three rows at half a pixel a millisecond: 192 ms.
    harness_.AdvanceMs(300, 10);
    EXPECT_EQ(grid->RunningFalls(), 0);
    EXPECT_EQ(events_.changes, 2);
    EXPECT_EQ(CellColour(0, 3), kKindColours[1]);
    EXPECT_EQ(CellColour(0, 0), harness_.GamePixel(300, 300)) << "nothing left where it fell from";
    ASSERT_NE(grid->Sprite(0, 3), nullptr);
    EXPECT_EQ(grid->SpriteAt(10 + 5, 12 + 32 * 3 + 5), (std::optional<BubbleCell>{{0, 3}}));
    EXPECT_EQ(grid->SpriteAt(5, 5), std::nullopt);
    EXPECT_EQ(board.Evaluate(kTwoKinds), BubbleBoardState::Playing);
}

TEST_F(BubbleGridTest, ManyPopsAndFallsRunAtOnce) {
    // Twenty columns of four pairs: 80 pops started together, each with its own fall after.
    CBubbleBoard board(CBubbleBoard::kMaxSide, 8);
    for (int c = 0; c < board.Width(); ++c)
        for (int r = 0; r < 8; ++r) board.Set(c, r, (r / 2 + c) % 2 + 1);
    BubbleViewStyle style;
    style.originX = 0;
    style.originY = 0;
    auto grid = MakeGrid(board, style);
    for (int c = 0; c < board.Width(); ++c)
        for (int r = 1; r < 8; r += 4) EXPECT_EQ(grid->FloodMark(c, r, kTwoKinds), 2) << c;
    EXPECT_EQ(grid->RunningPops(), 40);
    harness_.AdvanceMs(520, 10);
    EXPECT_EQ(grid->RunningPops(), 0);
    harness_.AdvanceMs(200, 10);
    // Each column is now one group of four.
    for (int c = 0; c < board.Width(); ++c) EXPECT_EQ(grid->FloodMark(c, 7, kTwoKinds), 4) << c;
    harness_.AdvanceMs(1000, 10);
    EXPECT_EQ(board.Evaluate(kTwoKinds), BubbleBoardState::Solved);
    EXPECT_EQ(grid->RunningFalls(), 0);
}

TEST_F(BubbleGridTest, DeletingTheGridMidwayLeavesNothingOnTheGameArea) {
    const size_t childrenBefore = session_.Layers().Count();
    const ShellFootprint before({});
    {
        CBubbleBoard board(4, 4);
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < 4; ++r) board.Set(c, r, c % 2 + 1);
        auto grid = MakeGrid(board);
        grid->FloodMark(0, 3, kTwoKinds);
        harness_.AdvanceMs(510, 10);
        grid->FloodMark(1, 3, kTwoKinds);
        EXPECT_EQ(grid->RunningPops(), 1);
        EXPECT_EQ(grid->RunningFalls(), 0) << "a whole column popped: nothing above it";
    }
    EXPECT_EQ(session_.Layers().Count(), childrenBefore);
    EXPECT_EQ(ShellFootprint({}).interfaceObjects, before.interfaceObjects);
}

TEST_F(BubbleGridTest, TheOwnerMayDeleteTheGridWhenAPopOrFallEnds) {
    // Change 1 comes from the pop's timer with a fall just begun, change 2 from the fall's timer.
    for (const int endAt : {1, 2}) {
        CBubbleBoard board(1, 3);
        board.Set(0, 0, 2);
        board.Set(0, 1, 1);
        board.Set(0, 2, 1);
        std::unique_ptr<CBubbleGrid> grid = MakeGrid(board);
        events_.changes = 0;
        events_.endAtChange = endAt;
        events_.endGrid = &grid;
        EXPECT_EQ(grid->FloodMark(0, 2, kTwoKinds), 2);
        harness_.AdvanceMs(520, 10);
        EXPECT_EQ(grid == nullptr, endAt == 1);
        harness_.AdvanceMs(200, 10);
        EXPECT_EQ(grid, nullptr) << endAt;
        EXPECT_EQ(events_.changes, endAt);
    }
    events_.endGrid = nullptr;
}

TEST_F(BubbleGridTest, BlitStripCellCopiesOneSixteenPixelCell) {
    IShellFactory& factory = *record_->factory;
    IImage* strip = factory.CreateImage(128, 32, 0);
    for (int cell = 0; cell < 8; ++cell) {
        strip->SetCurColor(cell * 30, 0, 255 - cell * 30);
        strip->FillRect(cell * 16, 0, cell * 16 + 16, 32);
    }
    ISurface* surface = factory.CreateSurface(64, 64, 0);
    record_->gameArea->AttachSurface(surface);
    IImage* canvas = nullptr;
    surface->GetImage(&canvas);
    canvas->ClearToColor(0, 0, 0);
    BlitStripCell(strip, 3, canvas, 20, 30);
    harness_.Pump();
    const auto at = [&](int x, int y) { return harness_.GamePixel(x, y); };
    EXPECT_EQ(at(20, 30), 0x5A00A5u);
    EXPECT_EQ(at(35, 45), 0x5A00A5u);
    EXPECT_EQ(at(36, 45), 0u) << "16 pixels wide";
    EXPECT_EQ(at(35, 46), 0u) << "16 pixels high, though the strip is taller";
    EXPECT_EQ(at(19, 30), 0u);
    record_->gameArea->DetachSurface(surface);
    surface->Release();
    strip->Release();
    canvas->Release();
}

}  // namespace
