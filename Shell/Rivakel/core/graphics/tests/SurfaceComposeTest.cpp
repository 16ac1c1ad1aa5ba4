// Composition of the surface tree into the root's picture.
#include <gtest/gtest.h>

#include <climits>

#include "core/graphics/Image.h"
#include "core/graphics/Surface.h"
#include "core/graphics/tests/SurfaceTestServices.h"

namespace {

constexpr uint32_t kBlack = 0x000000, kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00;

class SurfaceComposeTest : public ::testing::Test {
protected:
    SurfaceComposeTest() : root_(new CSurface(40, 30, 0)) {}

    static CSurface* Filled(int width, int height, int x, int y, uint32_t colour, unsigned flags = 0) {
        auto* surface = new CSurface(width, height, flags);
        surface->SetLoc(x, y);
        surface->GetCurImage()->ClearToColor(colour >> 16, (colour >> 8) & 0xFF, colour & 0xFF);
        return surface;
    }

    // Composes the dirty areas into the root and clears them, as a repaint does.
    void Repaint() {
        root_->Compose(nullptr, {0, 0, 40, 30}, 0, 0);
        services_.Video().ClearDirty();
    }

    uint32_t At(int x, int y) { return root_->GetCurImage()->GetRenderTarget().Pixel(x, y); }

    SurfaceTestServices services_;
    Held<CSurface> root_;
};

TEST_F(SurfaceComposeTest, DrawsDirtyChildrenAtTheirAbsolutePlaces) {
    CSurface* parent = Filled(20, 20, 5, 5, kBlue);
    CSurface* child = Filled(4, 4, 2, 3, kRed);
    root_->AttachSurface(parent);
    parent->AttachSurface(child);
    Repaint();
    EXPECT_EQ(At(4, 4), kBlack);
    EXPECT_EQ(At(5, 5), kBlue);
    EXPECT_EQ(At(7, 8), kRed);
    EXPECT_EQ(At(10, 11), kRed);
    EXPECT_EQ(At(11, 12), kBlue);
    EXPECT_EQ(At(25, 25), kBlack);
}

TEST_F(SurfaceComposeTest, CleanAreasAreNotRedrawn) {
    CSurface* sprite = Filled(5, 5, 0, 0, kRed);
    root_->AttachSurface(sprite);
    Repaint();
    sprite->GetCurImage()->GetRenderTarget().ClearToColor(0, 255, 0);
    services_.Video().ClearDirty();
    Repaint();
    EXPECT_EQ(At(2, 2), kRed);
    sprite->Invalidate();
    Repaint();
    EXPECT_EQ(At(2, 2), kGreen);
}

TEST_F(SurfaceComposeTest, ChildrenAreClippedToTheirParent) {
    CSurface* parent = Filled(10, 10, 0, 0, kBlue);
    CSurface* child = Filled(10, 10, 8, 0, kRed);
    root_->AttachSurface(parent);
    parent->AttachSurface(child);
    Repaint();
    EXPECT_EQ(At(9, 2), kRed);
    EXPECT_EQ(At(10, 2), kBlack);

    // A change of the child outside its parent's area draws nothing.
    services_.Video().AddDirty(12, 0, 6, 10);
    child->GetCurImage()->GetRenderTarget().ClearToColor(0, 255, 0);
    Repaint();
    EXPECT_EQ(At(9, 2), kRed);
    EXPECT_EQ(At(13, 2), kBlack);
}

TEST_F(SurfaceComposeTest, KeyedPicturesLeaveTheirKeyOut) {
    CSurface* back = Filled(20, 20, 0, 0, kBlue);
    auto* sprite = new CSurface(6, 6, CSurface::kFlagColorKeyed);
    sprite->SetLoc(2, 2);
    sprite->GetCurImage()->SetCurColor(255, 0, 0);
    sprite->GetCurImage()->FillRect(0, 0, 3, 6);
    root_->AttachSurface(back);
    back->AttachSurface(sprite);
    Repaint();
    EXPECT_EQ(At(3, 3), kRed);
    EXPECT_EQ(At(6, 3), kBlue);
}

TEST_F(SurfaceComposeTest, HidingRedrawsWhatLiesBelow) {
    CSurface* back = Filled(20, 20, 0, 0, kBlue);
    CSurface* front = Filled(5, 5, 3, 3, kRed);
    root_->AttachSurface(back);
    root_->AttachSurface(front);
    Repaint();
    ASSERT_EQ(At(4, 4), kRed);
    front->SetVisible(false);
    Repaint();
    EXPECT_EQ(At(4, 4), kBlue);
}

TEST_F(SurfaceComposeTest, MovingASpriteOverABackgroundLeavesNoTrail) {
    CSurface* back = Filled(40, 30, 0, 0, kBlue);
    CSurface* sprite = Filled(4, 4, 1, 1, kRed);
    root_->AttachSurface(back);
    back->AttachSurface(sprite);
    Repaint();
    sprite->SetLoc(20, 20);
    Repaint();
    EXPECT_EQ(At(2, 2), kBlue);
    EXPECT_EQ(At(21, 21), kRed);
}

// A background redrawn for a change beside a sprite must not leave the sprite out, whether the
// marks stay apart or are so many that they are joined into one.
TEST_F(SurfaceComposeTest, ASurfaceRedrawnUnderAnUnmarkedOneLeavesItWhole) {
    for (const int marks : {1, 70}) {
        CSurface* back = Filled(40, 30, 0, 0, kBlue);
        CSurface* sprite = Filled(4, 4, 30, 22, kRed);
        root_->AttachSurface(back);
        root_->AttachSurface(sprite);
        Repaint();
        // A stray pixel in the root's picture shows what a repaint leaves alone.
        const ColoredPoint stray{20, 25, kGreen};
        root_->GetCurImage()->GetRenderTarget().SetPixels(std::span(&stray, 1));
        for (int i = 0; i < marks; ++i) services_.Video().AddDirty(i % 10, 20 + i / 10, 1, 1);
        services_.Video().AddDirty(38, 20, 1, 1);
        Repaint();
        EXPECT_EQ(At(31, 23), kRed) << marks;
        EXPECT_EQ(At(20, 25), marks == 1 ? kGreen : kBlue) << marks;
        root_->DetachAll();
    }
}

TEST_F(SurfaceComposeTest, OnlySurfacesInTheWindowsTreeMarkTheWindow) {
    CurrentSurfaceServices().windowRoot = root_.get();
    auto* loose = new CSurface(5, 5, 0);
    Held<CSurface> held(loose);
    services_.Video().ClearDirty();
    loose->SetLoc(10, 10);
    EXPECT_FALSE(services_.Video().IsDirty());
    root_->AttachSurface(loose);
    services_.Video().ClearDirty();
    loose->SetLoc(12, 10);
    EXPECT_TRUE(services_.Video().IsAreaDirty({10, 10, 11, 11}));
    EXPECT_TRUE(services_.Video().IsAreaDirty({16, 14, 17, 15}));
}

TEST_F(SurfaceComposeTest, SurfacesOffTheRootOrWithoutPictureAreHarmless) {
    root_->AttachSurface(Filled(10, 10, -5, -5, kRed));
    root_->AttachSurface(Filled(10, 10, 35, 25, kGreen));
    root_->AttachSurface(Filled(10, 10, INT_MAX - 2, INT_MIN + 2, kBlue));
    root_->AttachSurface(new CSurface("img-missing-1x1.gif", 0));
    Repaint();
    EXPECT_EQ(At(0, 0), kRed);
    EXPECT_EQ(At(4, 4), kRed);
    EXPECT_EQ(At(39, 29), kGreen);
    EXPECT_EQ(At(20, 15), kBlack);
}

}  // namespace
