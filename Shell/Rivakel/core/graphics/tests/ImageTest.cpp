#include "core/graphics/Image.h"

#include <gtest/gtest.h>

#include "core/text/CSubsystem_Font.h"
#include "platform/fonts/Fonts.h"

namespace {

struct CountingUser : IImageUser {
    void OnImageChanging(CImage&) override { ++changes; }
    int changes = 0;
};

struct Area : CRefCounted {
    explicit Area(bool& gone) : gone_(gone) {}
    ~Area() override { gone_ = true; }
    bool& gone_;
};

class ImageTest : public ::testing::Test {
protected:
    CSubsystem_Font fonts_{[](const platform::FontRequest& r) { return platform::OpenBitmapFont(r); }};
};

TEST_F(ImageTest, NewImageIsWhiteTextOnBlackOrMagentaInArial18) {
    auto* plain = new CImage(&fonts_, 10, 10, 0);
    auto* keyed = new CImage(&fonts_, 10, 10, CRenderTarget::kFlagColorKeyed);
    EXPECT_EQ(plain->GetTextColor(), (ColorRGB{255, 255, 255}));
    EXPECT_EQ(plain->GetBackgroundColor(), (ColorRGB{0, 0, 0}));
    EXPECT_EQ(keyed->GetBackgroundColor(), (ColorRGB{255, 0, 255}));
    EXPECT_EQ(keyed->GetRenderTarget().Pixel(3, 3), CRenderTarget::kColorKey);
    ASSERT_NE(plain->GetFont(), nullptr);
    EXPECT_EQ(plain->GetFont()->Face(), "Arial");
    EXPECT_EQ(plain->GetFont()->Size(), 18);
    EXPECT_EQ(plain->GetFont()->Style(), 0);
    EXPECT_TRUE(plain->Transparent());
    plain->ReleaseInternalRef();
    keyed->ReleaseInternalRef();
}

TEST_F(ImageTest, CellConstructorCopiesOneCellOfTheStrip) {
    auto* strip = new CImage(&fonts_, 200, 30, 0);
    platform::PixelView pixels = strip->GetRenderTarget().Lock();
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 200; ++x) pixels.Row(y)[x] = static_cast<uint32_t>(x + 1000 * y);
    }
    auto* cell = new CImage(&fonts_, *strip, 2, 40, 30, 40, 30);
    for (int x = 0; x < 40; ++x) EXPECT_EQ(cell->GetRenderTarget().Pixel(x, 7), static_cast<uint32_t>(80 + x + 7000));

    auto* own = new CImage(&fonts_, *strip, 1, 50, 30, -1, 0);
    EXPECT_EQ(own->GetRenderTarget().Pixel(0, 0), 50u);

    auto* beyond = new CImage(&fonts_, *strip, 7, 40, 30, 40, 30);  // past the strip's end
    EXPECT_EQ(beyond->GetRenderTarget().Pixel(0, 0), 0u);
    auto* partial = new CImage(&fonts_, *strip, 4, 40, 30, 45, 30);  // 180..225, only 180..199 exist
    for (CImage* image : {strip, cell, own, beyond, partial}) image->ReleaseInternalRef();
}

TEST_F(ImageTest, DrawingTellsTheUsersAndReadingDoesNot) {
    auto* image = new CImage(&fonts_, 20, 20, 0);
    CountingUser user;
    image->AddUser(&user);
    image->AddUser(&user);
    image->DrawLine(0, 0, 5, 5);
    image->FillRect(0, 0, 2, 2);
    image->ClearToBackground();
    const ColorPair pair{0, 1};
    image->ReplaceColors({&pair, 1});
    PixelBuffer buffer;
    uint32_t pixels[4] = {};
    buffer = {CRenderTarget::kColorKey, 2, 2, pixels};
    image->WritePixels({0, 0, 2, 2}, buffer, {0, 0});
    EXPECT_EQ(user.changes, 5);
    image->ReadPixels({0, 0, 2, 2}, buffer, {0, 0});
    TextSize size;
    image->GetTextExtent("abc", 3, size);
    image->SetCurColor(1, 2, 3);
    EXPECT_EQ(user.changes, 5);
    image->RemoveUser(&user);
    image->DrawLine(0, 0, 5, 5);
    EXPECT_EQ(user.changes, 5);
    image->ReleaseInternalRef();
}

TEST_F(ImageTest, SetFontNullKeepsTheOldFont) {
    auto* image = new CImage(&fonts_, 5, 5, 0);
    CFont* before = image->GetFont();
    EXPECT_EQ(image->SetFont(nullptr), 1);
    EXPECT_EQ(image->GetFont(), before);
    CFont* bold = fonts_.GetStockFont(0);
    EXPECT_EQ(image->SetFont(bold), 0);
    EXPECT_EQ(image->GetFont(), bold);
    fonts_.DeleteFont(bold);
    image->ReleaseInternalRef();
}

TEST_F(ImageTest, TextNeverLandsBeyondTheFixedClipBox) {
    auto* image = new CImage(&fonts_, 900, 700, 0);
    image->DrawText("WWWWWWWW", -1, 780, 590);
    const CRenderTarget& target = image->GetRenderTarget();
    bool inked = false;
    for (int y = 0; y < 700; ++y) {
        for (int x = 0; x < 900; ++x) {
            if (target.Pixel(x, y) == 0) continue;
            inked = true;
            ASSERT_LT(x, 800);
            ASSERT_LT(y, 600);
        }
    }
    EXPECT_TRUE(inked);
    image->ReleaseInternalRef();
}

TEST_F(ImageTest, ClearsReleaseTheLinkAreas) {
    auto* image = new CImage(&fonts_, 5, 5, 0);
    bool gone = false;
    auto* area = new Area(gone);
    area->AddInterfaceRef();
    EXPECT_EQ(image->AddLinkArea(area), 0);
    EXPECT_EQ(image->AddLinkArea(nullptr), 1);
    image->SetRmlState(3);
    RmlCurrentLink() = 9;
    image->ClearToColor(0, 0, 0);
    EXPECT_EQ(image->LinkAreaCount(), 0u);
    EXPECT_EQ(image->RmlState(), 0);
    EXPECT_EQ(RmlCurrentLink(), -1);
    EXPECT_FALSE(gone);
    area->ReleaseInterfaceRef();
    EXPECT_TRUE(gone);
    image->ReleaseInternalRef();
}

TEST_F(ImageTest, ALinkThatClearsTheImageWhileGoingIsReleasedOnce) {
    auto* image = new CImage(&fonts_, 5, 5, 0);
    // Its going runs a listener that clears the same image again.
    struct ClearingArea : CRefCounted {
        ClearingArea(CImage& image, int& gone) : image_(image), gone_(gone) {}
        ~ClearingArea() override {
            ++gone_;
            image_.ClearToColor(0, 0, 0);
        }
        CImage& image_;
        int& gone_;
    };
    int clearingGone = 0;
    bool plainGone = false;
    image->AddLinkArea(new ClearingArea(*image, clearingGone));
    image->AddLinkArea(new Area(plainGone));
    image->ClearToBackground();
    EXPECT_EQ(clearingGone, 1);
    EXPECT_TRUE(plainGone);
    EXPECT_EQ(image->LinkAreaCount(), 0u);

    image->AddLinkArea(new ClearingArea(*image, clearingGone));
    image->ReleaseInternalRef();
    EXPECT_EQ(clearingGone, 2);
}

TEST_F(ImageTest, WithoutAFontServiceTextIsSkipped) {
    auto* image = new CImage(nullptr, 5, 5, 0);
    EXPECT_EQ(image->DrawText("abc", 3, 0, 0), 0);
    TextSize size;
    EXPECT_EQ(image->GetTextExtent("abc", 3, size), 1);
    image->ReleaseInternalRef();
}

}  // namespace
