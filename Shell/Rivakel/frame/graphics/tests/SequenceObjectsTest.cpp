#include "core/graphics/Anim.h"
#include "core/graphics/ImageSeq.h"
#include "frame/graphics/tests/GraphicsTestSession.h"

namespace {

class SequenceObjectsTest : public GraphicsTestSession {
protected:
    // Frames of 100 ms each through the interface, the images released again.
    IImageSeq* Frames(int count, bool loop) {
        IImageSeq* sequence = MakeImageSeqObject(new CImageSeq());
        for (int i = 0; i < count; ++i) {
            IImage* image = MakeImageObject(new CImage(nullptr, 2, 2, 0));
            sequence->AddImage(image, 100);
            image->Release();
        }
        sequence->SetLoop(loop);
        return sequence;
    }
    static int IndexOf(IImageSeq* sequence, IImage* image) {
        for (int i = 0;; ++i) {
            IImage* frame = nullptr;
            if (sequence->GetImage(i, &frame) != 0) return -1;
            const bool same = Unwrap<CImage>(frame) == Unwrap<CImage>(image);
            frame->Release();
            if (same) return i;
        }
    }
};

TEST_F(SequenceObjectsTest, FrameIndexesOutsideTheSequenceChangeNothing) {
    Holding<IImageSeq> sequence(Frames(3, false));
    int count = 0;
    sequence->GetImageCount(&count);
    EXPECT_EQ(count, 3);
    for (int bad : {-1, 3, INT32_MAX}) {
        IImage* image = reinterpret_cast<IImage*>(1);
        EXPECT_EQ(sequence->GetImage(bad, &image), 4);
        EXPECT_EQ(image, nullptr);
        int time = -1;
        EXPECT_EQ(sequence->GetFrameTime(&time, bad), 4);
        EXPECT_EQ(time, 0);
        EXPECT_EQ(sequence->SetFrameTime(bad, 50), 4);
    }
    int time = 0;
    EXPECT_EQ(sequence->SetFrameTime(1, INT32_MAX), 0);
    sequence->GetFrameTime(&time, 1);
    EXPECT_EQ(time, kMaxFrameTimeMs);
    EXPECT_EQ(sequence->SetFrameTime(1, -5), 0);
    sequence->GetFrameTime(&time, 1);
    EXPECT_EQ(time, 0);
}

TEST_F(SequenceObjectsTest, ImagesComeAndGoAndEachGetIsANewObject) {
    Holding<IImageSeq> sequence(Frames(2, false));
    Holding<IImage> extra(MakeImageObject(new CImage(nullptr, 2, 2, 0)));
    EXPECT_EQ(sequence->AddImage(extra.get(), 2000000000), 0);
    EXPECT_EQ(sequence->AddImage(nullptr, 10), 1);
    EXPECT_EQ(IndexOf(sequence.get(), extra.get()), 2);
    int time = 0;
    sequence->GetFrameTime(&time, 2);
    EXPECT_EQ(time, kMaxFrameTimeMs);

    IImage* a = nullptr;
    IImage* b = nullptr;
    sequence->GetImage(0, &a);
    sequence->GetImage(0, &b);
    EXPECT_NE(a, b);
    a->Release();
    int width = 0;
    b->GetSize(&width, nullptr);  // still usable
    EXPECT_EQ(width, 2);
    b->Release();

    EXPECT_EQ(sequence->RemoveImage(extra.get()), 0);
    EXPECT_EQ(sequence->RemoveImage(extra.get()), 0);  // not there: logged only
    EXPECT_EQ(IndexOf(sequence.get(), extra.get()), -1);
}

TEST_F(SequenceObjectsTest, ImageAtTimeWrapsOrHoldsTheLastFrame) {
    Holding<IImageSeq> once(Frames(3, false));
    Holding<IImageSeq> looping(Frames(3, true));
    IImage* image = nullptr;
    EXPECT_TRUE(once->GetImageAtTime(10000, &image));
    EXPECT_EQ(IndexOf(once.get(), image), 2);
    image->Release();
    EXPECT_FALSE(looping->GetImageAtTime(10050, &image));  // step 201 of a 6-step loop: frame 1
    EXPECT_EQ(IndexOf(looping.get(), image), 1);
    image->Release();
    EXPECT_TRUE(looping->GetImageAtTime(-500, &image));
    EXPECT_EQ(IndexOf(looping.get(), image), 0);
    image->Release();
    bool loop = false;
    looping->GetLoop(&loop);
    EXPECT_TRUE(loop);

    Holding<IImageSeq> empty(Frames(0, false));
    image = reinterpret_cast<IImage*>(1);
    empty->GetImageAtTime(0, &image);
    EXPECT_EQ(image, nullptr);
}

TEST_F(SequenceObjectsTest, AnimationsPlayTheirSequence) {
    Holding<IImageSeq> sequence(Frames(3, true));
    Holding<IAnim> anim(MakeAnimObject(new CAnim(Unwrap<CImageSeq>(sequence.get()))));
    anim->SetFrame(2);
    anim->SetFrame(3);
    anim->SetFrame(-1);
    IImage* shown = nullptr;
    anim->GetImage(&shown);
    EXPECT_EQ(IndexOf(sequence.get(), shown), 2);
    shown->Release();

    IImageSeq* played = nullptr;
    anim->GetImageSeq(&played);
    EXPECT_EQ(Unwrap<CImageSeq>(played), Unwrap<CImageSeq>(sequence.get()));
    played->Release();

    EXPECT_FALSE(anim->GetClock());
    anim->SetClock(kAnimWallClock);
    EXPECT_TRUE(anim->GetClock());
    EXPECT_EQ(anim->Start(), 0);
    services_.Advance(100);
    EXPECT_EQ(Unwrap<CAnim>(anim.get())->FrameIndex(), 0);
    EXPECT_EQ(anim->Stop(), 0);

    const int pairs[] = {0, 0x00FF00};
    EXPECT_EQ(anim->ReplaceColors(1, pairs), 0);
    IImage* frame = nullptr;
    sequence->GetImage(1, &frame);
    EXPECT_EQ(Unwrap<CImage>(frame)->GetRenderTarget().Pixel(0, 0), 0x00FF00u);
    frame->Release();
}

TEST_F(SequenceObjectsTest, AnAnimationWithoutASequenceHasNothingToHandOut) {
    Holding<IAnim> bare(MakeAnimObject(new CAnim(nullptr)));
    const int pairs[] = {1, 2};
    EXPECT_EQ(bare->ReplaceColors(1, pairs), 1);
    IImage* image = reinterpret_cast<IImage*>(1);
    IImageSeq* sequence = reinterpret_cast<IImageSeq*>(1);
    bare->GetImage(&image);
    bare->GetImageSeq(&sequence);
    EXPECT_EQ(image, nullptr);
    EXPECT_EQ(sequence, nullptr);
    bare->SetFrame(0);
}

}  // namespace
