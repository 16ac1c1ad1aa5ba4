// The shell started as its oldest build, in a real window on a private X server: the running
// game's menu bar is made of big buttons, and the window shows each of their looks as the
// pointer passes over and presses them.
#include <algorithm>
#include <fstream>

#include "core/graphics/Image.h"
#include "frame/pages/DataMailing.h"
#include "frame/shell/ShellPage.h"
#include "frame/shell/tests/WindowSession.h"
#include "oldest/BigMenuButton.h"
#include "oldest/MoreGamesNotice.h"
#include "oldest/OldestBuild.h"

// The sanitizer build's leak check at the end of this test program: the desktop bus library
// behind the window keeps a buffer for the process's life.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }

namespace {

class OldestBuildUnderXvfb : public WindowSession {
protected:
    // The window's pixels over `button`'s whole surface, row by row.
    static std::vector<uint32_t> ShownOver(const CBigMenuButton& button) {
        const std::vector<uint32_t> shown = Shown();
        const platform::Point at = button.AbsoluteLoc();
        int width = 0, height = 0;
        button.GetSize(width, height);
        std::vector<uint32_t> area;
        for (int y = at.y; y < at.y + height; ++y) {
            for (int x = at.x; x < at.x + width; ++x) {
                area.push_back(x >= 0 && y >= 0 && x < 800 && y < 572 ? shown[static_cast<size_t>(y) * 800 + x] : 0);
            }
        }
        return area;
    }
    static std::vector<uint32_t> LookPixels(const CBigMenuButton& button, int look) {
        std::vector<uint32_t> pixels;
        const CImage* image = button.GetFrameImage(look);
        int width = 0, height = 0;
        image->GetSize(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) pixels.push_back(image->GetRenderTarget().Pixel(x, y));
        }
        return pixels;
    }
    static size_t Count(const std::vector<uint32_t>& pixels, uint32_t colour) {
        return static_cast<size_t>(std::count(pixels.begin(), pixels.end(), colour));
    }
    static void Deliver(platform::EventType type, int x, int y) {
        test_portal::Deliver(platform::Event{.type = type, .x = x, .y = y});
        Run(std::chrono::milliseconds(200));
    }
};

TEST_F(OldestBuildUnderXvfb, TheGamesMenuIsMadeOfBigButtonsShownInEveryLook) {
    StartInWindow(true, {std::string(kOldestBuildSwitch)});
    ASSERT_TRUE(Shell()->GameRunning());
    std::vector<CBigMenuButton*> buttons;
    for (CSurface* surface : Shell()->MenuButtons()) {
        if (surface != nullptr) buttons.push_back(dynamic_cast<CBigMenuButton*>(surface));
    }
    ASSERT_GE(buttons.size(), 3u);
    for (const CBigMenuButton* button : buttons) ASSERT_NE(button, nullptr) << "every menu button is a big one";

    // "New Game": up, under the pointer, held down.
    const CBigMenuButton& newGame = *buttons[1];
    const platform::Point at = newGame.AbsoluteLoc();
    const int x = at.x + newGame.PictureAt().x + 23, y = at.y + 23;
    const std::vector<uint32_t> up = ShownOver(newGame);
    EXPECT_EQ(up, LookPixels(newGame, CBigMenuButton::kNormal));
    EXPECT_GT(Count(up, 0xFFFFFF), 20u) << "a white caption";
    EXPECT_EQ(Count(up, 0xFFFF33), 0u);

    Deliver(platform::EventType::MouseMove, x, y);
    const std::vector<uint32_t> over = ShownOver(newGame);
    EXPECT_EQ(over, LookPixels(newGame, CBigMenuButton::kHover));
    EXPECT_GT(Count(over, 0xFFFF33), 20u) << "the caption turns yellow under the pointer";

    Deliver(platform::EventType::MouseDown, x, y);
    const std::vector<uint32_t> down = ShownOver(newGame);
    EXPECT_EQ(down, LookPixels(newGame, CBigMenuButton::kFourth));
    EXPECT_NE(down, up);
    EXPECT_NE(down, over);

    // Dragged away and let go: no command, the game goes on under the same menu.
    Deliver(platform::EventType::MouseMove, 700, 500);
    Deliver(platform::EventType::MouseUp, 700, 500);
    EXPECT_EQ(ShownOver(newGame), up);
    EXPECT_TRUE(Shell()->GameRunning());
    EXPECT_EQ(Shell()->MenuButtons()[1], &newGame);
}

// Where the newer builds offer to get a mailing's missing game, the oldest tells of more games to
// come, in the shell's own box over the window, and leaves everything as it was.
TEST_F(OldestBuildUnderXvfb, AMailingForAMissingGameBringsTheMoreGamesNotice) {
    const std::filesystem::path mail = root_ / "mail.rml";
    std::ofstream(mail) << mailing::BuildDocument(
        {"01.02.01.0005", "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}", "Game", "01.00.00.0001"}, "[mail]hello[/mailed]");
    std::string caption;
    size_t bodyPixels = 0, boxArea = 0;
    Expect("MESSAGEBOX", [&](CDialog& dialog) {
        caption = dialog.Caption();
        Shell()->Repaint();
        const std::vector<uint32_t> shown = Shown();
        const platform::Rect box = dialog.BoxRect();
        boxArea = static_cast<size_t>((box.right - box.left) * (box.bottom - box.top));
        for (int y = std::max(box.top, 0); y < std::min(box.bottom, 572); ++y) {
            for (int x = std::max(box.left, 0); x < std::min(box.right, 800); ++x) {
                bodyPixels += shown[static_cast<size_t>(y) * 800 + x] == dialog_look::kBody ? 1 : 0;
            }
        }
        dialog.Press(kIdOk);
    });
    StartInWindow(false, {std::string(kOldestBuildSwitch), mail.string()});
    EXPECT_EQ(caption, kMoreGamesCaption);
    EXPECT_GT(bodyPixels, boxArea / 2) << "the box is drawn in the window";
    EXPECT_FALSE(test_portal::SessionStopping());
    EXPECT_EQ(Shell()->CurrentPage(), page_name::kHome);
    EXPECT_FALSE(std::filesystem::exists(root_ / "data" / "Rivakel" / "System" / "etc" / "AppMsg.rml"));
}

}  // namespace
