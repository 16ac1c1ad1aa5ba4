// The big menu button on the headless backend with the shell's own pictures: its looks, its
// caption's place, and what hovering and clicking do, enabled and disabled.
#include "oldest/BigMenuButton.h"

#include <gtest/gtest.h>

#include "core/files/CSubsystem_File.h"
#include "core/graphics/Image.h"
#include "core/graphics/SurfaceServices.h"
#include "core/graphics/tests/EventTestHarness.h"
#include "core/text/BackendFontOpener.h"
#include "core/text/CSubsystem_Cursor.h"
#include "core/text/CSubsystem_Font.h"

namespace {

constexpr uint32_t kBackground = 0x000099;
constexpr int kId = 7;

struct Target {
    std::vector<intptr_t> commands;
    static int OnCommand(intptr_t* record) {
        auto* self = reinterpret_cast<Target*>(record[0]);
        self->commands.push_back(record[2]);
        return 1;
    }
};

class BigMenuButtonTest : public ::testing::Test {
protected:
    BigMenuButtonTest() {
        CreateFileService(FileServiceConfig{});
        CurrentSurfaceServices().fonts = &fonts_;
        CurrentSurfaceServices().cursors = &cursors_;
    }
    ~BigMenuButtonTest() override {
        // The buttons' pictures hold fonts of the font service, which goes first.
        h_.root->DetachAll();
        CurrentSurfaceServices() = {};
        DestroyFileService();
    }

    CBigMenuButton* Make(std::string_view caption, unsigned flags = CBigMenuButton::kCaptionBelow, int icon = 2) {
        return new CBigMenuButton(h_.root, &target_, 100, 50, 46, 46, CBigMenuButton::kMenuBacks,
                                  CBigMenuButton::kMenuIcons, icon, kId, caption, flags, kBackground, Target::OnCommand);
    }
    void Pump() {
        platform::Event event;
        while (h_.headless->PollEvent(event)) h_.input->HandlePlatformEvent(event);
    }
    static uint32_t PixelOf(const CBigMenuButton& button, int look, int x, int y) {
        return button.GetFrameImage(look)->GetRenderTarget().Pixel(x, y);
    }
    // The leftmost and rightmost columns of the look that hold `colour` below row `top`.
    static std::pair<int, int> ColumnsOf(const CBigMenuButton& button, int look, uint32_t colour, int top) {
        int width = 0, height = 0;
        button.GetFrameImage(look)->GetSize(width, height);
        int left = width, right = -1;
        for (int y = top; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (PixelOf(button, look, x, y) != colour) continue;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        return {left, right};
    }
    CCursor* Cursor() const { return cursors_.CurrentCCursor(); }
    CCursor* Stock(int index) const { return cursors_.GetStockCursor(index); }

    evt_test::EventHarness h_;
    Target target_;
    CSubsystem_Font fonts_{BackendFontOpener()};
    CSubsystem_Cursor cursors_{[](std::string_view) {
        uint32_t pixel = 0xFFFFFF;
        return platform::GetBackend()->CreateCursor({&pixel, 1, 1, 1}, {0, 0}, 0xFF00FF);
    }};
};

TEST_F(BigMenuButtonTest, AWideCaptionWidensTheSurfaceAndStaysCentredUnderThePicture) {
    CBigMenuButton* narrow = Make("Go");
    CBigMenuButton* wide = Make("Back to Game, please");
    int width = 0, height = 0;
    narrow->GetSize(width, height);
    EXPECT_EQ(width, 46);
    EXPECT_GT(height, 46);
    EXPECT_EQ(narrow->AbsoluteLoc(), (platform::Point{100, 50}));

    wide->GetSize(width, height);
    ASSERT_GT(width, 46);
    const int pictureX = wide->PictureAt().x;
    EXPECT_EQ(pictureX, (width - 46) / 2);
    EXPECT_EQ(wide->AbsoluteLoc().x + pictureX, 100) << "the picture stays where it was asked for";
    EXPECT_EQ(wide->AbsoluteLoc().y, 50);
    const auto [left, right] = ColumnsOf(*wide, CBigMenuButton::kNormal, 0xFFFFFF, 46);
    ASSERT_LE(left, right) << "the caption is drawn below the picture";
    EXPECT_NEAR((left + right) / 2.0, pictureX + 23, 2.0) << "centred under the picture";
    EXPECT_LT(left, pictureX) << "and wider than it";
}

TEST_F(BigMenuButtonTest, EachLookHasItsBackAndTheHoverCaptionIsYellow) {
    CBigMenuButton* button = Make("Pause");
    EXPECT_EQ(PixelOf(*button, CBigMenuButton::kNormal, 0, 0), kBackground) << "filled with the background colour";
    uint32_t centres[4];
    for (int look = 0; look < 4; ++look) centres[look] = PixelOf(*button, look, 6, 23);
    EXPECT_NE(centres[0], centres[1]);
    EXPECT_NE(centres[0], centres[2]);
    EXPECT_NE(centres[1], centres[3]);
    const auto white = ColumnsOf(*button, CBigMenuButton::kNormal, 0xFFFFFF, 46);
    const auto yellow = ColumnsOf(*button, CBigMenuButton::kHover, 0xFFFF33, 46);
    EXPECT_LE(white.first, white.second);
    EXPECT_LE(yellow.first, yellow.second);
    EXPECT_GT(ColumnsOf(*button, CBigMenuButton::kHover, 0xFFFFFF, 46).first,
              ColumnsOf(*button, CBigMenuButton::kHover, 0xFFFFFF, 46).second)
        << "no white caption on the hover look";

    CBigMenuButton* alternate = Make("Pause", CBigMenuButton::kCaptionBelow | CBigMenuButton::kAlternateBack);
    EXPECT_EQ(PixelOf(*alternate, CBigMenuButton::kNormal, 6, 23), centres[3]) << "flag 2: the fourth back";

    CBigMenuButton* on = Make("Pause", CBigMenuButton::kCaptionOn);
    int width = 0, height = 0;
    on->GetSize(width, height);
    EXPECT_EQ(width, 46);
    EXPECT_EQ(height, 46) << "a caption on the picture adds nothing";
    EXPECT_EQ(BigMenuCaption("Pause", CBigMenuButton::kCaptionOn, true),
              "<T><S2><b><FArial><sh><CFFFF33><c>Pause</c></b>");
    EXPECT_EQ(BigMenuCaption("Pause", CBigMenuButton::kCaptionBelow, false),
              "<T><S4><FArial><sh><CFFFFFF><C><U>Pause</U></c>");
}

TEST_F(BigMenuButtonTest, HoverAndClickWhenEnabledAndNothingWhenDisabled) {
    CBigMenuButton* button = Make("Pause");
    h_.headless->PushMouseMove(120, 70);
    Pump();
    EXPECT_EQ(button->Look(), CBigMenuButton::kHover);
    EXPECT_EQ(Cursor(), Stock(kCursorHand));
    h_.headless->PushMouseMove(400, 400);
    Pump();
    EXPECT_EQ(button->Look(), CBigMenuButton::kNormal);
    EXPECT_EQ(Cursor(), Stock(kCursorPointer));

    button->SetHighlighted(true);
    EXPECT_EQ(button->Look(), CBigMenuButton::kHighlighted);
    h_.headless->PushMouseMove(120, 70);
    Pump();
    EXPECT_EQ(button->Look(), CBigMenuButton::kHover);
    h_.headless->PushMouseDown(120, 70);
    Pump();
    EXPECT_EQ(button->Look(), CBigMenuButton::kFourth) << "held down";
    h_.headless->PushMouseUp(120, 70);
    Pump();
    EXPECT_EQ(button->Look(), CBigMenuButton::kHover) << "released over it";
    h_.headless->PushMouseMove(400, 400);
    Pump();
    EXPECT_EQ(button->Look(), CBigMenuButton::kHighlighted) << "leaving restores the highlight";
    EXPECT_EQ(target_.commands, (std::vector<intptr_t>{kId}));

    button->SetHighlighted(false);
    button->SetEnabled(false);
    h_.headless->PushMouseDown(120, 70);
    Pump();
    EXPECT_EQ(button->Look(), CBigMenuButton::kNormal) << "a disabled button is not pressed";
    h_.headless->PushMouseUp(120, 70);
    Pump();
    EXPECT_EQ(button->Look(), CBigMenuButton::kNormal) << "a disabled button ignores hovering";
    EXPECT_EQ(Cursor(), Stock(kCursorPointer));
    EXPECT_EQ(target_.commands.size(), 1u) << "and clicks";
}

// The pause and help icons were once dark ink that the dark fourth back swallowed.
TEST_F(BigMenuButtonTest, EveryIconStandsOutOnEveryBack) {
    const auto luma = [](uint32_t c) {
        return static_cast<int>((((c >> 16) & 0xFF) * 3 + ((c >> 8) & 0xFF) * 6 + (c & 0xFF)) / 10);
    };
    for (int back = 0; back < 4; ++back) {
        for (int icon = 0; icon < 6; ++icon) {
            CBigMenuButton* button = Make("", CBigMenuButton::kCaptionBelow, icon);
            CBigMenuButton* bare = Make("", CBigMenuButton::kCaptionBelow, -1);
            int contrasting = 0;
            for (int y = 0; y < 46; ++y) {
                for (int x = 0; x < 46; ++x) {
                    const uint32_t drawn = PixelOf(*button, back, x, y), under = PixelOf(*bare, back, x, y);
                    if (drawn != under && std::abs(luma(drawn) - luma(under)) > 60) ++contrasting;
                }
            }
            EXPECT_GT(contrasting, 80) << "icon " << icon << " on back " << back;
            h_.root->DetachAll();
        }
    }
}

}  // namespace
