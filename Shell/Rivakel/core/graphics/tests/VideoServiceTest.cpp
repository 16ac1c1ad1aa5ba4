#include "core/graphics/VideoService.h"

#include <gtest/gtest.h>

#include <climits>

#include "platform/headless/HeadlessBackend.h"

namespace {

using platform::Rect;
using platform::headless::HeadlessBackend;
using platform::headless::HeadlessWindow;

struct Recorded {
    std::vector<int> cursors;
    std::vector<std::pair<int, int>> moves, dragEnds;
    int repaints = 0;
};

class VideoServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto owned = std::make_unique<HeadlessBackend>();
        headless_ = owned.get();
        platform::SetBackend(std::move(owned));
    }

    std::unique_ptr<platform::Window> OpenWindow(bool preferAccelerated) {
        platform::WindowParams params;
        params.title = "Rivakel";
        params.width = 800;
        params.height = 572;
        params.position = platform::Point{100, 50};
        params.preferAccelerated = preferAccelerated;
        return CreateVideoWindow(params);
    }

    VideoHooks Hooks() {
        VideoHooks hooks;
        hooks.selectStockCursor = [this](int cursor) { recorded_.cursors.push_back(cursor); };
        hooks.mouseMove = [this](int x, int y) { recorded_.moves.emplace_back(x, y); };
        hooks.dragEnded = [this](int x, int y) { recorded_.dragEnds.emplace_back(x, y); };
        hooks.repaint = [this] { ++recorded_.repaints; };
        return hooks;
    }

    HeadlessBackend* headless_ = nullptr;
    Recorded recorded_;
};

TEST_F(VideoServiceTest, AcceleratedWhenItCanBeHadElseSoftware) {
    auto accelerated = OpenWindow(true);
    auto video = CreateVideoService(accelerated.get(), Hooks());
    ASSERT_TRUE(video);
    EXPECT_EQ(video->Kind(), platform::Renderer::Accelerated);

    headless_->SetAcceleratedAvailable(false);
    auto fallback = OpenWindow(true);
    auto software = CreateVideoService(fallback.get(), Hooks());
    EXPECT_EQ(software->Kind(), platform::Renderer::Software);

    auto forced = OpenWindow(false);
    EXPECT_EQ(CreateVideoService(forced.get(), Hooks())->Kind(), platform::Renderer::Software);
    EXPECT_FALSE(CreateVideoService(nullptr, Hooks()));
}

TEST_F(VideoServiceTest, PresentShowsTheDirtyPartsThenEverythingAfterAReset) {
    auto window = OpenWindow(true);
    auto video = CreateVideoService(window.get(), Hooks());
    auto* shown = static_cast<HeadlessWindow*>(window.get());
    CRenderTarget root(800, 572, 0);
    root.ClearToColor(0, 0, 40);

    video->Present(root);  // the first present shows the whole image
    EXPECT_EQ(shown->FramePixel(700, 500), 40u);

    root.ClearToColor(0, 90, 0);
    video->AddDirty(10, 10, 20, 20);
    video->AddDirty(790, 560, 50, 50);
    video->Present(root);
    video->ClearDirty();
    EXPECT_EQ(shown->FramePixel(15, 15), 0x005A00u);
    EXPECT_EQ(shown->FramePixel(799, 571), 0x005A00u);
    EXPECT_EQ(shown->FramePixel(400, 300), 40u);
    for (const Rect& r : shown->LastDirty()) {
        EXPECT_GE(r.left, 0);
        EXPECT_LE(r.right, 800);
        EXPECT_LE(r.bottom, 572);
    }

    video->OnRendererReset();
    video->Present(root);
    EXPECT_EQ(shown->FramePixel(400, 300), 0x005A00u);

    root.ClearToColor(1, 1, 1);
    video->OnDisplayChange(32, 1280, 1024);
    EXPECT_EQ(recorded_.repaints, 1);
    EXPECT_EQ(video->ScreenSize(), (platform::Point{1280, 1024}));
    video->Present(root);
    EXPECT_EQ(shown->FramePixel(400, 300), 0x010101u);
}

TEST_F(VideoServiceTest, OverflowingDirtyListStillRedrawsEveryMarkedArea) {
    auto window = OpenWindow(false);
    auto video = CreateVideoService(window.get(), Hooks());
    auto* shown = static_cast<HeadlessWindow*>(window.get());
    CRenderTarget root(800, 572, 0);
    video->Present(root);
    root.ClearToColor(255, 255, 255);
    for (int i = 0; i < 10001; ++i) video->AddDirty((i * 37) % 800, (i * 11) % 572, 1, 1);
    EXPECT_TRUE(video->IsDirty());
    video->Present(root);
    for (int i = 0; i < 10001; ++i) ASSERT_EQ(shown->FramePixel((i * 37) % 800, (i * 11) % 572), 0xFFFFFFu) << i;
}

TEST_F(VideoServiceTest, DragMovesTheWindowAndOnlyTheAcceleratedKindRemembersIt) {
    auto window = OpenWindow(true);
    auto video = CreateVideoService(window.get(), Hooks());
    video->BeginDrag(30, 5);
    EXPECT_TRUE(static_cast<HeadlessWindow*>(window.get())->IsCaptured());
    video->MoveWindowTo(50, 25);  // the grabbed point follows the pointer
    EXPECT_EQ(window->GetPosition(), (platform::Point{120, 70}));
    video->EndDrag();
    EXPECT_FALSE(static_cast<HeadlessWindow*>(window.get())->IsCaptured());
    EXPECT_EQ(recorded_.cursors, (std::vector<int>{4, 3}));
    EXPECT_EQ(recorded_.dragEnds, (std::vector<std::pair<int, int>>{{120, 70}}));

    recorded_ = {};
    auto plain = OpenWindow(false);
    auto software = CreateVideoService(plain.get(), Hooks());
    software->BeginDrag(0, 0);
    software->MoveWindowTo(INT_MAX, INT_MAX);
    software->EndDrag();
    EXPECT_TRUE(recorded_.cursors.empty());
    EXPECT_TRUE(recorded_.dragEnds.empty());
}

TEST_F(VideoServiceTest, WindowSystemThatKeepsPositionsGetsNothingStored) {
    headless_->SetPositionsRefused(true);
    auto window = OpenWindow(true);
    auto video = CreateVideoService(window.get(), Hooks());
    video->BeginDrag(1, 1);
    video->MoveWindowTo(5, 5);
    video->EndDrag();
    EXPECT_TRUE(recorded_.dragEnds.empty());
}

TEST_F(VideoServiceTest, MinimiseAndHideFirstMoveTheMouseAway) {
    auto window = OpenWindow(true);
    auto video = CreateVideoService(window.get(), Hooks());
    video->Minimize();
    EXPECT_TRUE(window->IsMinimized());
    video->Hide();
    EXPECT_EQ(recorded_.moves, (std::vector<std::pair<int, int>>{{-1000, -1000}, {-1000, -1000}}));
}

TEST_F(VideoServiceTest, PixelBuffersRefuseBadSizesAndForeignPointers) {
    auto window = OpenWindow(true);
    auto video = CreateVideoService(window.get(), Hooks());
    PixelBuffer* buffer = nullptr;
    EXPECT_EQ(video->CreatePixelBuffer(buffer, 0, 0), 1);
    EXPECT_EQ(video->CreatePixelBuffer(buffer, -3, 10), 1);
    EXPECT_EQ(video->CreatePixelBuffer(buffer, 70000, 70000), 1);
    EXPECT_EQ(buffer, nullptr);
    ASSERT_EQ(video->CreatePixelBuffer(buffer, 64, 32), 0);
    EXPECT_EQ(buffer->colourKey, 0xFF00FFu);
    EXPECT_EQ(buffer->width, 64);
    buffer->pixels[64 * 32 - 1] = 5;
    PixelBuffer forged = *buffer;
    EXPECT_EQ(video->FreePixelBuffer(nullptr), 4);
    EXPECT_EQ(video->FreePixelBuffer(&forged), 4);
    EXPECT_EQ(video->FreePixelBuffer(buffer), 0);
    EXPECT_EQ(video->FreePixelBuffer(buffer), 4);
}

TEST_F(VideoServiceTest, ColourKeyAndPaletteAnswersOfA32BitDisplay) {
    auto window = OpenWindow(true);
    auto video = CreateVideoService(window.get(), Hooks());
    uint32_t key = 0;
    video->GetColorKey(key);
    EXPECT_EQ(key, 0xFF00FFu);
    EXPECT_FALSE(video->UsesPalette());
    EXPECT_EQ(video->ColorToIndex(255, 0, 255), 195);
}

}  // namespace
