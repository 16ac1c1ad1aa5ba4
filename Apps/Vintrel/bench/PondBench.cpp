// A play frame of the pond: 40 blobs of every size up to 47x47 stepped on the 20 ms tick, moved as
// keyed sprites and composed over the 500x420 game area (goal: under 1 ms a tick); and the
// model's own tick of a game in progress.
#include <benchmark/benchmark.h>

#include <vector>

#include "Apps/Common/ModuleRandom.h"
#include "Apps/Vintrel/Baddie.h"
#include "Apps/Vintrel/PondGame.h"
#include "core/graphics/Image.h"
#include "core/graphics/Surface.h"
#include "core/graphics/tests/SurfaceTestServices.h"

namespace {

using namespace vintrel;

constexpr int kTick = 20;
constexpr int kBlobs = 40;

class CrowdedPond {
public:
    CrowdedPond() {
        root_ = new CSurface(800, 572, 0);
        root_->AddInternalRef();
        auto* area = new CSurface(500, 420, 0);
        area->SetLoc(150, 76);
        area->GetCurImage()->ClearToColor(47, 111, 176);
        root_->AttachSurface(area);
        const RandomSource rand = [this] { return random_.Next(); };
        for (int i = 0; i < kBlobs; ++i) {
            blobs_.push_back(CBaddie::OnStaffScreen(rand));
            const int pixels = SpritePixels(i % kMaxBaddieSize + 1);
            auto* surface = new CSurface(pixels, pixels, CSurface::kFlagColorKeyed);
            surface->GetCurImage()->SetCurColor(232, 112, static_cast<uint8_t>(i * 4));
            surface->GetCurImage()->GetRenderTarget().DrawEllipse(0, 0, pixels, pixels);
            area->AttachSurface(surface);
            surfaces_.push_back(surface);
        }
    }
    ~CrowdedPond() { root_->ReleaseInternalRef(); }
    CrowdedPond(const CrowdedPond&) = delete;
    CrowdedPond& operator=(const CrowdedPond&) = delete;

    void Tick(int64_t now) {
        const RandomSource rand = [this] { return random_.Next(); };
        for (size_t i = 0; i < blobs_.size(); ++i) {
            blobs_[i].Step(now, rand, false);
            surfaces_[i]->SetLoc(static_cast<int>(blobs_[i].X()), static_cast<int>(blobs_[i].Y()));
        }
        root_->Compose(nullptr, {0, 0, 800, 572}, 0, 0);
        services_.Video().ClearDirty();
    }

private:
    SurfaceTestServices services_;
    ModuleRandom random_;
    CSurface* root_ = nullptr;
    std::vector<CBaddie> blobs_;
    std::vector<CSurface*> surfaces_;
};

void BM_StepAndCompose40Blobs(benchmark::State& state) {
    CrowdedPond pond;
    int64_t now = 0;
    for (auto _ : state) pond.Tick(now += kTick);
}

// A player steering in circles while blobs splash in, get eaten and are replaced.
void BM_PondTick(benchmark::State& state) {
    ModuleRandom random;
    PondGame game([&random] { return random.Next(); }, true);
    int64_t now = 0;
    int turn = 0;
    for (auto _ : state) {
        const int quarter = (turn++ / 50) % 4;
        const HeldArrows held{quarter == 0, quarter == 2, quarter == 1, quarter == 3};
        benchmark::DoNotOptimize(game.Tick(now += kTick, held));
    }
}

}  // namespace

BENCHMARK(BM_StepAndCompose40Blobs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PondTick)->Unit(benchmark::kMicrosecond);
