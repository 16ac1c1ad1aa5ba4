// The tables' costs: a two-pack shoe of 104 card surfaces made and shuffled, one dealing step
// composed and presented in the shell's window on the headless backend, and the rules alone
// (a poker hand ranked, a blackjack round played).
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <vector>

#include "Apps/Common/Deck.h"
#include "Apps/Common/ModuleGlobals.h"
#include "harness/InProcessRecord.h"
#include "Apps/Torvimble/BlackjackTable.h"
#include "Apps/Torvimble/PokerHand.h"
#include "core/store/tests/StoreTestFolder.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"

namespace {

using namespace torvimble;

// The shell's window with stand-in card pictures of the real sizes.
class Table {
public:
    Table() : harness_({folder_.Path()}), inProcess_(harness_) {
        Globals() = {.record = inProcess_.record, .factory = inProcess_.record->factory, .gameArea = inProcess_.record->gameArea};
        art_.front = Picture(50, 66, 0xFFFFFF);
        art_.back = Picture(50, 66, 0x333399);
        art_.rankStrip = Picture(143, 56, 0x101010);
        art_.suitStrip = Picture(40, 20, 0xC00000);
        for (IImage*& ace : art_.aces) ace = Picture(33, 33, 0xC00000);
        for (IImage*& court : art_.redCourts) court = Picture(29, 28, 0xC00000);
        for (IImage*& court : art_.blackCourts) court = Picture(29, 28, 0x202020);
    }
    ~Table() {
        for (IImage* image : pictures_) image->Release();
        Globals() = {};
    }
    const CardArt& Art() const { return art_; }
    CAppletHarness& Harness() { return harness_; }

private:
    IImage* Picture(int w, int h, uint32_t colour) {
        IImage* image = harness_.Factory()->CreateImage(w, h, kSurfaceColourKeyed);
        image->ClearToColor(static_cast<int>(colour >> 16), static_cast<int>(colour >> 8 & 0xFF), static_cast<int>(colour & 0xFF));
        pictures_.push_back(image);
        return image;
    }

    StoreTestFolder folder_;
    CAppletHarness harness_;
    InProcessRecord inProcess_;
    CardArt art_;
    std::vector<IImage*> pictures_;
};

void BM_TwoPackShoe(benchmark::State& state) {
    Table table;
    std::unique_ptr<Deck> shoe;
    for (auto _ : state) {
        state.PauseTiming();
        shoe.reset();
        state.ResumeTiming();
        shoe = std::make_unique<Deck>(&table.Art());
        shoe->AddStandardPack();
        shoe->AddStandardPack();
        shoe->Shuffle();
        benchmark::DoNotOptimize(shoe->Count());
    }
}

// A card from the shoe placed on a table that already holds six, turned up and raised, and the
// window composed and presented.
void BM_DealingStep(benchmark::State& state) {
    Table table;
    Deck shoe(&table.Art());
    shoe.AddStandardPack();
    shoe.AddStandardPack();
    std::vector<std::unique_ptr<CPlayingCard>> dealt;
    for (int i = 0; i < 6; ++i) {
        dealt.push_back(shoe.DealCard());
        dealt.back()->MoveTo(60 + 50 * (i % 3), 85 + 130 * (i / 3));
        dealt.back()->SetFaceUp(true);
    }
    table.Harness().Pump();
    int n = 0;
    for (auto _ : state) {
        auto card = shoe.DealCard();
        card->BringToFront();
        card->MoveTo(210 + 2 * (n++ % 20), 215);
        card->SetFaceUp(true);
        card->Show(true);
        table.Harness().Pump();
        state.PauseTiming();
        card.reset();
        if (shoe.Count() < 10) shoe.AddStandardPack();
        state.ResumeTiming();
    }
}

void BM_RankPokerHand(benchmark::State& state) {
    const std::array<CardValue, 5> hand = {{{kAce, 0}, {kKing, 0}, {kQueen, 0}, {kJack, 0}, {10, 0}}};
    for (auto _ : state) benchmark::DoNotOptimize(EvaluatePokerHand(hand));
}

void BM_BlackjackRound(benchmark::State& state) {
    for (auto _ : state) {
        BlackjackTable table;
        table.Deal(3, {8, 0}, {8, 1}, {6, 2}, {10, 3});
        table.AfterInitialDeal();
        table.Split({3, 0});
        table.Double({9, 1});
        table.NextHand({kKing, 2});
        table.Stand();
        while (table.DealerDecides()) table.DealerTake({9, 0});
        benchmark::DoNotOptimize(table.Settle());
    }
}

}  // namespace

BENCHMARK(BM_TwoPackShoe)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DealingStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RankPokerHand);
BENCHMARK(BM_BlackjackRound);
