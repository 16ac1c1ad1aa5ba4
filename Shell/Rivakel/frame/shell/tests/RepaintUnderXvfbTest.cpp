// The portal in a real window on a private X server: after what changes many places at once (the
// featured game stepped, a game's pictures placed) the window shows exactly what a full repaint
// shows.
#include "core/graphics/Image.h"
#include "core/graphics/SurfaceServices.h"
#include "core/graphics/VideoService.h"
#include "frame/shell/tests/WindowSession.h"

namespace {

class RepaintUnderXvfb : public WindowSession {
protected:
    // The window's pixels against those of a full repaint done right after: the number that differ.
    static size_t PixelsAFullRepaintChanges(std::string& first) {
        Shell()->Repaint();
        const std::vector<uint32_t> shown = Shown();
        CurrentSurfaceServices().video->AddDirty(0, 0, 800, 572);
        Shell()->Repaint();
        const std::vector<uint32_t> full = Shown();
        if (shown.size() != full.size() || full.empty()) {
            first = "no window pixels";
            return full.size() + 1;
        }
        size_t differ = 0;
        for (size_t i = 0; i < full.size(); ++i) {
            if (shown[i] == full[i]) continue;
            if (differ++ == 0) first = "at (" + std::to_string(i % 800) + ", " + std::to_string(i / 800) + ")";
        }
        return differ;
    }
};

TEST_F(RepaintUnderXvfb, SteppingTheFeaturedGameLeavesTheFrameWhole) {
    StartInWindow(false);
    std::string first;
    ASSERT_EQ(PixelsAFullRepaintChanges(first), 0u) << first;
    // The featured box's up arrow, on the Home page at (340, 116) of the page area at (189, 129).
    for (int step = 0; step < 3; ++step) {
        ClickAt(189 + 340 + 11, 129 + 116 + 11);
        Run(std::chrono::milliseconds(300));
        EXPECT_EQ(PixelsAFullRepaintChanges(first), 0u) << "after step " << step << ", first " << first;
    }
}

// A game places its pictures, then attaches them: many at once, as a game's first screen or its
// return from the instructions does. Read as the window's, their places would lie over the
// navigation buttons and over the ends of the menu's captions.
TEST_F(RepaintUnderXvfb, AGamesPicturesPlacedBeforeTheyAreAttachedLeaveFrameAndMenuWhole) {
    StartInWindow(true);
    ASSERT_TRUE(Shell()->GameRunning());
    const auto menu = [](int slot) { return 137 + slot * CShell::kMenuPitch + 20; };
    ClickAt(122 + 20, menu(3));  // Instructions
    Run(std::chrono::milliseconds(300));
    ClickAt(122 + 20, menu(2));  // Resume
    Run(std::chrono::milliseconds(300));
    std::string first;
    EXPECT_EQ(PixelsAFullRepaintChanges(first), 0u) << first;
    for (int i = 0; i < 70; ++i) {
        auto* picture = new CSurface(4, 4, 0);
        picture->GetCurImage()->ClearToColor(255, 255, 0);
        picture->SetLoc(i % 2 == 0 ? 300 + 4 * i : 150 + 4 * i, i % 2 == 0 ? 0 : 160);
        Shell()->GameArea()->AttachSurface(picture);
    }
    Run(std::chrono::milliseconds(300));
    EXPECT_EQ(PixelsAFullRepaintChanges(first), 0u) << first;
}

}  // namespace
