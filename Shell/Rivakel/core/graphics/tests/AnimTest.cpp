#include "core/graphics/Anim.h"

#include <gtest/gtest.h>

#include "core/graphics/ImageSeq.h"
#include "core/graphics/Surface.h"
#include "core/graphics/tests/SurfaceTestServices.h"

namespace {

class AnimTest : public ::testing::Test {
protected:
    // Three 3x3 frames of 100 ms each.
    CImageSeq* ThreeFrames(bool loop) {
        auto* sequence = new CImageSeq();
        for (int i = 0; i < 3; ++i) sequence->AddImage(new CImage(nullptr, 3, 3, 0), 100);
        sequence->SetLoop(loop);
        return sequence;
    }

    SurfaceTestServices services_;
};

TEST_F(AnimTest, StepsThroughFramesByTheClockAndHoldsTheLast) {
    Held anim(new CAnim(ThreeFrames(false)));
    EXPECT_FALSE(anim->IsRunning());
    services_.Advance(500);
    EXPECT_EQ(anim->FrameIndex(), 0);

    anim->Start();
    services_.Advance(100);
    EXPECT_EQ(anim->FrameIndex(), 1);
    services_.Advance(100);
    EXPECT_EQ(anim->FrameIndex(), 2);
    services_.Advance(1000);
    EXPECT_EQ(anim->FrameIndex(), 2);
}

TEST_F(AnimTest, LoopingSequenceWraps) {
    Held anim(new CAnim(ThreeFrames(true)));
    anim->Start();
    services_.Advance(300);
    EXPECT_EQ(anim->FrameIndex(), 0);
    services_.Advance(150);
    EXPECT_EQ(anim->FrameIndex(), 1);
}

TEST_F(AnimTest, RestartGoesOnFromTheCurrentFrame) {
    Held anim(new CAnim(ThreeFrames(true)));
    anim->Start();
    services_.Advance(200);
    ASSERT_EQ(anim->FrameIndex(), 2);
    anim->Stop();
    services_.Advance(1000);
    EXPECT_EQ(anim->FrameIndex(), 2);

    anim->Start();
    EXPECT_EQ(anim->FrameIndex(), 2);
    services_.Advance(50);
    EXPECT_EQ(anim->FrameIndex(), 2);
    services_.Advance(60);
    EXPECT_EQ(anim->FrameIndex(), 0);
    services_.Advance(100);
    EXPECT_EQ(anim->FrameIndex(), 1);
}

TEST_F(AnimTest, RestartOnTheLastFrameOfAOneShotStaysThere) {
    Held anim(new CAnim(ThreeFrames(false)));
    ASSERT_EQ(anim->SetFrame(2), 0);
    anim->Start();
    services_.Advance(500);
    EXPECT_EQ(anim->FrameIndex(), 2);
}

TEST_F(AnimTest, GameClockAnimationStandsStillWhilePausedWallClockOneDoesNot) {
    Held game(new CAnim(ThreeFrames(true)));
    Held wall(new CAnim(ThreeFrames(true)));
    wall->SetClock(TimerClock::Wall);
    game->Start();
    wall->Start();
    ClockService()->SetPaused(true);
    services_.Advance(150);
    EXPECT_EQ(game->FrameIndex(), 0);
    EXPECT_EQ(wall->FrameIndex(), 1);
    ClockService()->SetPaused(false);
    services_.Advance(110);
    EXPECT_EQ(game->FrameIndex(), 1);
}

TEST_F(AnimTest, BadFrameIndexKeepsTheFrame) {
    Held anim(new CAnim(ThreeFrames(false)));
    anim->SetFrame(1);
    CImage* before = anim->CurrentImage();
    EXPECT_EQ(anim->SetFrame(3), 4);
    EXPECT_EQ(anim->SetFrame(-1), 4);
    EXPECT_EQ(anim->FrameIndex(), 1);
    EXPECT_EQ(anim->CurrentImage(), before);
}

TEST_F(AnimTest, FrameChangesMarkTheOwningSurfacesDirty) {
    Held anim(new CAnim(ThreeFrames(true)));
    Held surface(new CSurface(anim.get(), 0));
    surface->SetLoc(30, 40);
    services_.Video().ClearDirty();

    anim->Start();
    EXPECT_FALSE(services_.Video().IsDirty());
    services_.Advance(100);
    ASSERT_TRUE(services_.Video().IsDirty());
    EXPECT_TRUE(services_.Video().IsAreaDirty({31, 41, 32, 42}));
    EXPECT_FALSE(services_.Video().IsAreaDirty({0, 0, 20, 20}));

    // Drawing on the image shown marks it; drawing on another frame does not.
    services_.Video().ClearDirty();
    CImage* hidden = surface->GetFrameImage(0);
    hidden->FillRect(0, 0, 1, 1);
    EXPECT_FALSE(services_.Video().IsDirty());
    surface->GetCurImage()->FillRect(0, 0, 1, 1);
    EXPECT_TRUE(services_.Video().IsDirty());
}

TEST_F(AnimTest, NewOrShrunkSequencesKeepTheFrameWhereTheyCan) {
    Held anim(new CAnim(ThreeFrames(false)));
    anim->SetFrame(2);
    auto* shorter = new CImageSeq();
    shorter->AddImage(new CImage(nullptr, 1, 1, 0), 100);
    shorter->AddImage(new CImage(nullptr, 1, 1, 0), 100);
    anim->SetImageSeq(shorter);
    EXPECT_EQ(anim->FrameIndex(), 1);
    CImage* second = nullptr;
    shorter->GetImage(1, second);
    EXPECT_EQ(anim->CurrentImage(), second);

    // Removing the image shown moves the animation to an image that still exists.
    shorter->RemoveImage(second);
    CImage* first = nullptr;
    shorter->GetImage(0, first);
    EXPECT_EQ(anim->CurrentImage(), first);
    shorter->RemoveImage(first);
    EXPECT_EQ(anim->CurrentImage(), nullptr);
    EXPECT_EQ(anim->ReplaceColors({}), 0);

    Held bare(new CAnim(nullptr));
    EXPECT_EQ(bare->CurrentImage(), nullptr);
    EXPECT_EQ(bare->ReplaceColors({}), 1);
    EXPECT_EQ(bare->SetFrame(0), 4);
}

TEST_F(AnimTest, DeletedWhileRunningLeavesNoTimerBehind) {
    Held anim(new CAnim(ThreeFrames(true)));
    anim->Start();
    const size_t timers = ClockService()->TimerCount();
    anim.Release();
    EXPECT_EQ(ClockService()->TimerCount(), timers - 1);
    services_.Advance(200);
}

}  // namespace
