// The sea's share of a play frame: a world tick, and a crowded sea of 100 keyed 32x32 sprites
// moved and composed over the 500x420 game area (goal: under 1 ms a frame).
#include <benchmark/benchmark.h>

#include <vector>

#include "Apps/Aurelsk/SeaWorld.h"
#include "Apps/Common/ModuleRandom.h"
#include "core/graphics/Image.h"
#include "core/graphics/Surface.h"
#include "core/graphics/tests/SurfaceTestServices.h"

namespace {

using namespace aurelsk;

constexpr int kTick = 33;

class CrowdedSea {
public:
    explicit CrowdedSea(int count) {
        root_ = new CSurface(800, 572, 0);
        root_->AddInternalRef();
        auto* area = new CSurface(500, 420, 0);
        area->SetLoc(150, 76);
        area->GetCurImage()->ClearToColor(0, 102, 255);
        root_->AttachSurface(area);
        for (int i = 0; i < count; ++i) {
            const bool right = i % 2 == 0;
            sprites_.emplace_back(SeaKind::Shark, right ? 0.0f : 500.0f, static_cast<float>(SeaWorld::LaneY(i % 6)),
                                  right ? 2.25f : -2.25f, right);
            auto* surface = new CSurface(32, 32, CSurface::kFlagColorKeyed);
            surface->GetCurImage()->SetCurColor(120, 140, static_cast<uint8_t>(i * 2));
            surface->GetCurImage()->GetRenderTarget().DrawEllipse(0, 0, 32, 32);
            area->AttachSurface(surface);
            surfaces_.push_back(surface);
        }
    }
    ~CrowdedSea() { root_->ReleaseInternalRef(); }
    CrowdedSea(const CrowdedSea&) = delete;
    CrowdedSea& operator=(const CrowdedSea&) = delete;

    void Frame(int now) {
        for (size_t i = 0; i < sprites_.size(); ++i) {
            SeaSprite& s = sprites_[i];
            s.Move(now);
            if (s.IsOutside(-300, 800)) s.MoveTo(s.FacingRight() ? -64.0f : 500.0f, s.Y());
            surfaces_[i]->SetLoc(static_cast<int>(s.X()), static_cast<int>(s.Y()));
        }
        root_->Compose(nullptr, {0, 0, 800, 572}, 0, 0);
        services_.Video().ClearDirty();
    }

private:
    SurfaceTestServices services_;
    CSurface* root_ = nullptr;
    std::vector<SeaSprite> sprites_;
    std::vector<CSurface*> surfaces_;
};

void BM_MoveAndCompose100Sprites(benchmark::State& state) {
    CrowdedSea sea(100);
    int now = 0;
    for (auto _ : state) sea.Frame(now += kTick);
}

// A diver cruising the middle of the sea while waves come and go and pirates fire.
void BM_WorldTick(benchmark::State& state) {
    ModuleRandom random;
    SeaWorld world([&random] { return random.Next(); });
    int now = 0;
    for (int i = 0; i < 600; ++i) world.Tick(now += kTick, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(world.Tick(now += kTick, 0));
        world.TakeEvents();
    }
}

}  // namespace

BENCHMARK(BM_MoveAndCompose100Sprites)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WorldTick)->Unit(benchmark::kMicrosecond);
