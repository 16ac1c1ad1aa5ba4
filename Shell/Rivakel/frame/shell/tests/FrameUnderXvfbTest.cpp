// The frame as a user sees it in a real window: the version the About page shows.
#include "core/graphics/Image.h"
#include "core/graphics/SurfaceServices.h"
#include "frame/shell/tests/WindowSession.h"

namespace {

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

}  // namespace
