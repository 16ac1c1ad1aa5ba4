// Composing a game area full of moving sprites: 100 keyed 64x64 sprites over a 500x420
// background inside the 800x572 window. Goal: under 1 ms a frame.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "core/graphics/Image.h"
#include "core/graphics/Surface.h"
#include "core/graphics/SurfaceServices.h"
#include "core/graphics/VideoService.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

class SpriteScene {
public:
    explicit SpriteScene(int sprites) {
        platform::SetBackend(std::make_unique<platform::headless::HeadlessBackend>());
        platform::WindowParams params;
        params.width = 800;
        params.height = 572;
        window_ = CreateVideoWindow(params);
        video_ = CreateVideoService(window_.get(), {});
        CurrentSurfaceServices() = {};
        CurrentSurfaceServices().video = video_.get();

        root_ = new CSurface(800, 572, 0);
        root_->AddInternalRef();
        auto* area = new CSurface(500, 420, 0);
        area->SetLoc(150, 76);
        area->GetCurImage()->ClearToColor(30, 90, 60);
        root_->AttachSurface(area);
        for (int i = 0; i < sprites; ++i) {
            auto* sprite = new CSurface(64, 64, CSurface::kFlagColorKeyed);
            sprite->GetCurImage()->SetCurColor(static_cast<uint8_t>(i * 37), 200, 40);
            sprite->GetCurImage()->GetRenderTarget().DrawEllipse(0, 0, 64, 64);
            area->AttachSurface(sprite);
            sprites_.push_back(sprite);
        }
        Frame();
    }
    ~SpriteScene() {
        root_->ReleaseInternalRef();
        CurrentSurfaceServices() = {};
    }
    SpriteScene(const SpriteScene&) = delete;
    SpriteScene& operator=(const SpriteScene&) = delete;

    void Move(int frame) {
        for (size_t i = 0; i < sprites_.size(); ++i) {
            const int t = frame + static_cast<int>(i) * 13;
            sprites_[i]->SetLoc((t * 3) % 436, (t * 2 + static_cast<int>(i) * 7) % 356);
        }
    }
    void Frame() {
        root_->Compose(nullptr, {0, 0, 800, 572}, 0, 0);
        video_->ClearDirty();
    }
    // Many tiny areas in the window's top band, away from the game area.
    void MarkSmallAreas(int count) {
        for (int i = 0; i < count; ++i) video_->AddDirty((i * 7) % 800, (i / 800) % 60, 1, 1);
    }
    void PresentFrame() {
        root_->Compose(nullptr, {0, 0, 800, 572}, 0, 0);
        video_->Present(root_->GetCurImage()->GetRenderTarget());
        video_->ClearDirty();
    }

private:
    std::unique_ptr<platform::Window> window_;
    std::unique_ptr<CSubsystem_Video> video_;
    CSurface* root_ = nullptr;
    std::vector<CSurface*> sprites_;
};

void BM_ComposeMovingSprites(benchmark::State& state) {
    SpriteScene scene(static_cast<int>(state.range(0)));
    int frame = 0;
    for (auto _ : state) {
        scene.Move(++frame);
        scene.Frame();
    }
}

void BM_ComposeAndPresentMovingSprites(benchmark::State& state) {
    SpriteScene scene(static_cast<int>(state.range(0)));
    int frame = 0;
    for (auto _ : state) {
        scene.Move(++frame);
        scene.PresentFrame();
    }
}

// Nothing moved: composition only walks the tree.
void BM_ComposeStillScene(benchmark::State& state) {
    SpriteScene scene(static_cast<int>(state.range(0)));
    for (auto _ : state) scene.Frame();
}

// A frame with a full dirty list: every surface's dirty test meets 10000 rectangles.
void BM_ComposeWithFullDirtyList(benchmark::State& state) {
    SpriteScene scene(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        scene.MarkSmallAreas(10000);
        scene.Frame();
    }
}

}  // namespace

BENCHMARK(BM_ComposeWithFullDirtyList)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeMovingSprites)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeAndPresentMovingSprites)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeStillScene)->Arg(100)->Unit(benchmark::kMicrosecond);
