// Links made by the rich-text renderer on a page, seen in the composed window picture while the
// pointer moves over them and clicks.
#include <gtest/gtest.h>

#include <vector>

#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/HyperLink.h"
#include "core/graphics/Image.h"
#include "core/graphics/tests/SurfaceTestServices.h"
#include "core/text/CSubsystem_Font.h"
#include "platform/fonts/Fonts.h"

namespace {

constexpr int kWidth = 800, kHeight = 572;
constexpr uint32_t kBlue = 0x0000FF, kBlack = 0x000000;

class HyperLinkPage : public ::testing::Test {
protected:
    HyperLinkPage() : root_(new CSurface(kWidth, kHeight, 0)) {
        CurrentSurfaceServices().fonts = &fonts_;
        events_ = CreateEventService();
        CreateInputService();
        events_->SetRoot(root_.get());
        page_ = new CSurface(300, 100, 0);
        page_->SetLoc(100, 100);
        page_->GetCurImage()->ClearToColor(255, 255, 255);
        root_->AttachSurface(page_);
    }
    ~HyperLinkPage() override {
        root_.Release();
        DestroyInputService();
        DestroyEventService();
    }

    // Composes what is dirty into the window picture, as a repaint does.
    void Repaint() {
        root_->Compose(nullptr, {0, 0, kWidth, kHeight}, 0, 0);
        services_.Video().ClearDirty();
    }
    // Pixels of `colour` in the window picture inside `area` (window coordinates).
    int Count(const platform::Rect& area, uint32_t colour) const {
        const CRenderTarget& target = root_->GetCurImage()->GetRenderTarget();
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) count += target.Pixel(x, y) == colour ? 1 : 0;
        }
        return count;
    }
    CHyperLink* OnlyLink() const {
        for (CSurface* child : page_->Children()) {
            if (auto* link = dynamic_cast<CHyperLink*>(child)) return link;
        }
        return nullptr;
    }
    platform::Rect WindowArea(CSurface* surface) const {
        const platform::Point at = surface->AbsoluteLoc();
        int width = 0, height = 0;
        surface->GetSize(width, height);
        return {at.x, at.y, at.x + width, at.y + height};
    }

    static int OnCommand(intptr_t* record) {
        auto* self = reinterpret_cast<HyperLinkPage*>(record[0]);
        self->commands_.push_back(record[2]);
        if (self->closeOnCommand_) {
            // The page goes with its links, the one being clicked included.
            self->page_->GetCurImage()->ClearToColor(255, 255, 255);
            self->root_->DetachSurface(self->page_);
            self->page_ = nullptr;
        }
        return 1;
    }

    SurfaceTestServices services_;
    CSubsystem_Font fonts_{[](const platform::FontRequest& r) { return platform::OpenBitmapFont(r); }};
    Held<CSurface> root_;
    CSubsystem_Event* events_ = nullptr;
    CSurface* page_ = nullptr;
    std::vector<intptr_t> commands_;
    bool closeOnCommand_ = false;
};

TEST_F(HyperLinkPage, RenderedLinkIsBlackTurnsBlueWhileHoveredAndFiresItsNumber) {
    CHyperLinkFactory factory(page_, this, OnCommand);
    ASSERT_EQ(page_->GetCurImage()->DrawRML("<C000000>Go <A7>Play</A> now", 0, 0, nullptr, 0, &factory), 0);
    CHyperLink* link = OnlyLink();
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->UserValue(), 7);
    EXPECT_EQ(page_->GetCurImage()->LinkAreaCount(), 1u);
    const platform::Rect area = WindowArea(link);
    const int centreX = (area.left + area.right) / 2, centreY = (area.top + area.bottom) / 2;

    Repaint();
    EXPECT_GT(Count(area, kBlack), 0);
    EXPECT_EQ(Count(area, kBlue), 0);

    events_->DispatchMouse(kEventMouseMove, centreX, centreY);
    Repaint();
    EXPECT_GT(Count(area, kBlue), 0);

    events_->DispatchMouse(kEventMouseMove, 5, 5);
    Repaint();
    EXPECT_EQ(Count(area, kBlue), 0);
    EXPECT_GT(Count(area, kBlack), 0);

    events_->DispatchMouse(kEventMouseMove, centreX, centreY);
    events_->DispatchMouse(kEventLeftDown, centreX, centreY);
    events_->DispatchMouse(kEventLeftUp, centreX, centreY);
    EXPECT_EQ(commands_, std::vector<intptr_t>{7});
}

// Each link draws its own label through the renderer while the page's text is still being drawn.
TEST_F(HyperLinkPage, EveryPieceOfAWrappedLabelFiresTheLinksNumber) {
    CHyperLinkFactory factory(page_, this, OnCommand);
    const platform::Rect box{0, 0, 100, 100};
    ASSERT_EQ(page_->GetCurImage()->DrawRML("<A42>Hello big World</A> <A>Again</A>", 0, 0, &box, 0, &factory), 0);
    std::vector<intptr_t> numbers;
    for (CSurface* child : page_->Children()) {
        if (auto* link = dynamic_cast<CHyperLink*>(child)) numbers.push_back(link->UserValue());
    }
    EXPECT_EQ(numbers, (std::vector<intptr_t>{42, 42, 42, 42}));
}

TEST_F(HyperLinkPage, LinkWhoseCommandClosesThePageIsSafe) {
    closeOnCommand_ = true;
    CHyperLinkFactory factory(page_, this, OnCommand);
    page_->GetCurImage()->DrawRML("<A3>Close</A>", 10, 10, nullptr, 0, &factory);
    const platform::Rect area = WindowArea(OnlyLink());
    events_->DispatchMouse(kEventMouseMove, area.left + 3, area.top + 3);
    events_->DispatchMouse(kEventLeftDown, area.left + 3, area.top + 3);
    events_->DispatchMouse(kEventLeftUp, area.left + 3, area.top + 3);
    EXPECT_EQ(commands_, std::vector<intptr_t>{3});
    EXPECT_EQ(page_, nullptr);
    EXPECT_EQ(events_->HoverSurface(), nullptr);
    EXPECT_EQ(events_->PressedSurface(), nullptr);
    events_->DispatchMouse(kEventMouseMove, area.left + 4, area.top + 4);
    EXPECT_EQ(commands_.size(), 1u);
}

}  // namespace
