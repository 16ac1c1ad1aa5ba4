// The frame as a user sees it in a real window: the version the About page shows, and the big
// window with its frame centred and everything on it where the pointer finds it.
#include "core/graphics/Image.h"
#include "core/graphics/SurfaceServices.h"
#include "frame/shell/tests/WindowSession.h"

namespace {

constexpr uint32_t kBackground = 0x3333CC;
constexpr uint32_t kBoard = 0x99CCCC;  // the test game's board

class FrameUnderXvfb : public WindowSession {
protected:
    static uint32_t At(const std::vector<uint32_t>& shown, int width, int x, int y) {
        return shown[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
};

TEST_F(FrameUnderXvfb, AboutShowsTheShellsVersionAsARelease) {
    StartInWindow(false);
    ClickAt(450 + 40, 8 + 16);
    Run(std::chrono::milliseconds(300));
    ASSERT_EQ(Shell()->CurrentPage(), "About");
    const std::vector<uint32_t> shown = Shown();
    ASSERT_FALSE(shown.empty());
    // The label as the page draws it at (473, 2), ending at the page's right edge.
    constexpr int kWidth = 500 - 473, kHeight = 16;
    CImage expected(CurrentSurfaceServices().fonts, kWidth, kHeight, 0);
    expected.ClearToColor(255, 153, 0);
    const platform::Rect box{0, 0, kWidth, kHeight};
    expected.DrawRML("<S3><Cffcc99>v2.1", 0, 0, &box, 0, nullptr);
    int ink = 0, differing = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const uint32_t pixel = At(shown, 800, 189 + 473 + x, 129 + 2 + y);
            ink += pixel == 0xFFCC99 ? 1 : 0;
            differing += pixel != (expected.GetRenderTarget().Pixel(x, y) & 0xFFFFFF) ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 10);
    EXPECT_EQ(differing, 0);
}

TEST_F(FrameUnderXvfb, TheBigWindowCentresItsFrameAndThePointerFollows) {
    StartInWindow(true, {"BIGWIN"});
    constexpr int kLeft = (1024 - 800) / 2, kTop = (700 - 572) / 2;
    const std::vector<uint32_t> shown = Shown();
    ASSERT_EQ(shown.size(), size_t{1024} * 700);
    // Beside the frame on every side: the background.
    for (const platform::Point at : {platform::Point{kLeft / 2, 350}, {1024 - kLeft / 2, 350}, {512, kTop / 2},
                                     {512, 700 - kTop / 2}}) {
        EXPECT_EQ(At(shown, 1024, at.x, at.y), kBackground) << at.x << "," << at.y;
    }
    // The game plays in the game area at (189, 129) of the frame.
    EXPECT_EQ(At(shown, 1024, kLeft + 189 + 250, kTop + 129 + 120), kBoard);
    EXPECT_NE(At(shown, 1024, kLeft + 189 - 2, kTop + 129 + 120), kBoard);

    // The menu bar's third button (Pause) at (122, 271) of the frame.
    ClickAt(kLeft + 122 + 20, kTop + 271 + 20);
    Run(std::chrono::milliseconds(200));
    EXPECT_TRUE(Shell()->PageShown());
    // The About button at (450, 8) of the frame.
    ClickAt(kLeft + 450 + 40, kTop + 8 + 16);
    Run(std::chrono::milliseconds(300));
    EXPECT_EQ(Shell()->CurrentPage(), "About");
}

}  // namespace
