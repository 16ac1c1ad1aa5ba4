// Image buttons clicked through the harness's real window: what they call, the sounds they play
// and the look they are left in.
#include "Apps/Common/ImageButton.h"

#include <gtest/gtest.h>

#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/PlayingCard.h"
#include "harness/InProcessSession.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISound.h"

namespace {

class CountingSound final : public ISound {
public:
    IShellObject* Destroy(int) override { return this; }
    int Release() override { return 0; }
    int Play(int) override { return ++plays, 0; }
    int Stop() override { return 0; }
    int plays = 0;
};

struct Owner {
    int calls = 0;
    intptr_t lastId = -1;
    static int OnClick(intptr_t* args) {
        auto* owner = reinterpret_cast<Owner*>(args[0]);
        ++owner->calls;
        owner->lastId = args[2];
        return 0;
    }
};

TEST(LookPictureNameTest, LooksAreNamedAfterTheNormalPicture) {
    EXPECT_EQ(LookPictureName("btn-Hit-75x36.gif", ButtonLook::Normal), "btn-Hit-75x36.gif");
    EXPECT_EQ(LookPictureName("btn-Hit-75x36.gif", ButtonLook::Pressed), "btn-Hit-75x36_pressed.gif");
    EXPECT_EQ(LookPictureName("btn-Hit-75x36.gif", ButtonLook::Hover), "btn-Hit-75x36_sel.gif");
    EXPECT_EQ(LookPictureName("btn-bet1-34x34.gif", ButtonLook::Disabled), "btn-bet1-34x34_dis.gif");
    EXPECT_EQ(LookPictureName("btn-bet1-34x34.gif", ButtonLook::DisabledSelected), "btn-bet1-34x34_pressed_dis.gif");
    EXPECT_EQ(LookPictureName("btn-bet1-34x34.gif", ButtonLook::Unused), "");
    EXPECT_EQ(LookPictureName("noext", ButtonLook::Hover), "noext_sel");
}

class ImageButtonTest : public ::testing::Test {
protected:
    ImageButtonTest() {
        Globals() = {.record = record_, .factory = record_->factory, .gameArea = record_->gameArea};
        for (size_t i = 0; i < pictures_.size(); ++i) {
            pictures_[i] = harness_.Factory()->CreateImage(40, 30, 0);
            pictures_[i]->ClearToColor(10 * static_cast<int>(i), 0, 0);
        }
    }
    ~ImageButtonTest() override {
        for (IImage* image : pictures_) image->Release();
        Globals() = {};
    }
    std::unique_ptr<ImageButton> Make(bool toggle) {
        return std::make_unique<ImageButton>(&owner_, pictures_, 100, 100, 7, toggle, &Owner::OnClick,
                                             ButtonSounds{&click_, &disabled_});
    }

    InProcessSession session_;
    CAppletHarness& harness_ = session_.Harness();
    AppletRecord* record_ = &session_.Record();
    ButtonPictures pictures_{};
    CountingSound click_, disabled_;
    Owner owner_;
};

TEST_F(ImageButtonTest, ClickCallsTheOwnerWithTheIdAndShowsTheFrameOfEachLook) {
    auto button = Make(false);
    harness_.Click(110, 110);
    EXPECT_EQ(owner_.calls, 1);
    EXPECT_EQ(owner_.lastId, 7);
    EXPECT_EQ(click_.plays, 1);
    EXPECT_EQ(harness_.GamePixel(105, 105), 0x000000u) << "a push button is normal again after its click";
    harness_.MoveMouse(300, 300);
    harness_.MoveMouse(105, 105);
    EXPECT_EQ(harness_.GamePixel(105, 105), 0x140000u) << "hover";
    button->Select();
    button->Disable();
    harness_.Pump();
    EXPECT_EQ(harness_.GamePixel(105, 105), 0x320000u) << "disabled while selected";
    button->Deselect();
    harness_.Pump();
    EXPECT_EQ(harness_.GamePixel(105, 105), 0x280000u) << "disabled";
    button->Enable();
    EXPECT_EQ(button->Look(), ButtonLook::Normal);
}

TEST_F(ImageButtonTest, DisabledClickOnlySoundsAndAReleaseOutsideDoesNothing) {
    auto button = Make(false);
    button->Disable();
    harness_.Click(110, 110);
    EXPECT_EQ(owner_.calls, 0);
    EXPECT_EQ(disabled_.plays, 1);
    EXPECT_EQ(click_.plays, 0);
    button->Enable();
    session_.MouseDown(110, 110);
    EXPECT_EQ(button->Look(), ButtonLook::Pressed);
    session_.MouseUp(300, 300);
    EXPECT_EQ(owner_.calls, 0) << "the release outside the button is no click";
    EXPECT_EQ(click_.plays, 0);
}

TEST_F(ImageButtonTest, ToggleIsSelectedOnlyByItsOwner) {
    auto button = Make(true);
    harness_.Click(110, 110);
    EXPECT_EQ(owner_.calls, 1);
    EXPECT_FALSE(button->IsSelected());
    EXPECT_EQ(button->Look(), ButtonLook::Hover);
    button->Select();
    harness_.Click(110, 110);
    EXPECT_TRUE(button->IsSelected());
    EXPECT_EQ(button->Look(), ButtonLook::Pressed);
}

TEST_F(ImageButtonTest, ClicksPassThroughACardLyingOnTheButton) {
    auto button = Make(false);
    {
        CardArt art;
        CPlayingCard card(&art, kHearts, 0);
        card.MoveTo(95, 95);
        card.BringToFront();
        harness_.Click(110, 110);
        EXPECT_EQ(owner_.calls, 1);
    }
    button.reset();
    EXPECT_EQ(session_.Layers().Count(), 0u) << "the button takes its surface with it";
}

}  // namespace
