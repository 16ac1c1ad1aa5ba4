// Texts in a real window with the installed fonts: each stays inside its place, clear of the
// boxes, buttons and bars beside it, and its words apart.
#include "core/graphics/Image.h"
#include "core/graphics/RolloverButton.h"
#include "frame/shell/tests/WindowSession.h"

namespace {

constexpr platform::Point kPageAt{189, 129};
constexpr uint32_t kInk = 0x000000, kWhite = 0xFFFFFF;

class TextsFitUnderXvfb : public WindowSession {
protected:
    static uint32_t At(const std::vector<uint32_t>& pixels, int x, int y) { return pixels[static_cast<size_t>(y) * 800 + x]; }
    static uint32_t OnPageImage(int x, int y) { return Shell()->PageSurface()->GetCurImage()->GetRenderTarget().Pixel(x, y); }
    // Pixels of `colour` in the page's own picture inside `area`.
    static int InkOnPage(const platform::Rect& area, uint32_t colour) {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) count += OnPageImage(x, y) == colour ? 1 : 0;
        }
        return count;
    }
};

TEST_F(TextsFitUnderXvfb, TheExitPagesFieldLeavesItsSunkBoxShowing) {
    StartInWindow(false);
    Shell()->ShowPage(page_name::kExit);
    Run(std::chrono::milliseconds(300));
    const std::vector<uint32_t> shown = Shown();
    ASSERT_FALSE(shown.empty());
    // The box (119, 323)-(288, 345): dark top and left edges, light bottom and right ones.
    const auto page = [&](int x, int y) { return At(shown, kPageAt.x + x, kPageAt.y + y); };
    EXPECT_EQ(page(200, 323), 0x663300u);
    EXPECT_EQ(page(119, 335), 0x663300u);
    EXPECT_EQ(page(200, 344), 0xCC9966u);
    EXPECT_EQ(page(287, 335), 0xCC9966u);
}

TEST_F(TextsFitUnderXvfb, TheSettingsRemovalLineStaysClearOfItsButton) {
    StartInWindow(false);
    Shell()->ShowPage(page_name::kSettings);
    Run(std::chrono::milliseconds(300));
    // Under the Remove Games button, at (375, 377), 100 x 24: nothing of the line.
    EXPECT_EQ(InkOnPage({372, 372, 480, 410}, kInk), 0);
    // All of it is drawn: "Rivakel Companion" ends the second line.
    EXPECT_GT(InkOnPage({15, 391, 370, 410}, kInk), 0);
}

TEST_F(TextsFitUnderXvfb, TheUsersDetailsStayClearOfTheScrollBar) {
    StartInWindow(false);
    // The same frame without the details: whatever differs right of the text box is theirs.
    Shell()->ShowSupportPage(161);
    Run(std::chrono::milliseconds(200));
    std::vector<uint32_t> without;
    for (int y = 240; y < 295; ++y) {
        for (int x = 470; x < 500; ++x) without.push_back(OnPageImage(x, y));
    }
    Shell()->ShowSupportPage(160);
    Run(std::chrono::milliseconds(200));
    std::vector<uint32_t> with;
    for (int y = 240; y < 295; ++y) {
        for (int x = 470; x < 500; ++x) with.push_back(OnPageImage(x, y));
    }
    EXPECT_EQ(with, without);
    // The session identifier is drawn.
    EXPECT_GT(InkOnPage({182, 261, 470, 277}, kInk), 0);
}

TEST_F(TextsFitUnderXvfb, TheNewGameCaptionShowsItsBlank) {
    StartInWindow(true);
    CSurface* newGame = Shell()->MenuButtons()[1];
    ASSERT_NE(newGame, nullptr);
    const platform::Point at = newGame->AbsoluteLoc();
    int width = 0, height = 0;
    newGame->GetSize(width, height);
    const std::vector<uint32_t> shown = Shown();
    ASSERT_FALSE(shown.empty());
    // The caption's columns with white ink, and the widest gap between two of them.
    std::vector<int> inked;
    for (int x = at.x; x < at.x + width; ++x) {
        for (int y = at.y + height - 15; y < at.y + height; ++y) {
            if (At(shown, x, y) != kWhite) continue;
            inked.push_back(x);
            break;
        }
    }
    ASSERT_GE(inked.size(), 2u);
    int widest = 0;
    for (size_t i = 1; i < inked.size(); ++i) widest = std::max(widest, inked[i] - inked[i - 1] - 1);
    // Letters stand one or two columns apart; the words clearly more.
    EXPECT_GE(widest, 4);
}

}  // namespace
