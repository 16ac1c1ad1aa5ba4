#include "core/graphics/ImageSeq.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "core/base/Log.h"
#include "core/gif/tests/GifTestWriter.h"
#include "core/graphics/Anim.h"
#include "core/graphics/tests/SurfaceTestServices.h"

namespace {

class ImageSeqTest : public ::testing::Test {
protected:
    // A sequence of fresh 2x2 images with these frame times.
    CImageSeq* Sequence(std::initializer_list<int> times) {
        auto* sequence = new CImageSeq();
        for (int time : times) sequence->AddImage(new CImage(nullptr, 2, 2, 0), time);
        return sequence;
    }

    static int FrameAt(const CImageSeq& sequence, uint32_t ms) {
        int frame = -2;
        sequence.FrameAtTime(ms, frame);
        return frame;
    }

    static bool LoggedContaining(std::string_view text) {
        for (const std::string& line : ErrorList()) {
            if (line.find(text) != std::string::npos) return true;
        }
        return false;
    }

    SurfaceTestServices services_;
};

TEST_F(ImageSeqTest, FramesShorterThanAStepAreNeverShownByTime) {
    Held sequence(Sequence({120, 40, 100}));
    EXPECT_EQ(FrameAt(*sequence.get(), 0), 0);
    EXPECT_EQ(FrameAt(*sequence.get(), 99), 0);
    EXPECT_EQ(FrameAt(*sequence.get(), 100), 2);
    EXPECT_EQ(FrameAt(*sequence.get(), 199), 2);
    EXPECT_EQ(sequence->SumFrameTimes(2), 160u);
    EXPECT_EQ(sequence->StartOfFrameMs(2), 100u);
}

TEST_F(ImageSeqTest, PastTheEndHoldsTheLastFrameOrWrapsWhenLooping) {
    Held sequence(Sequence({120, 40, 100}));
    CImage* last = nullptr;
    sequence->GetImage(2, last);
    CImage* shown = nullptr;
    EXPECT_TRUE(sequence->GetImageAtTime(10000, shown));
    EXPECT_EQ(shown, last);

    sequence->SetLoop(true);
    CImage* first = nullptr;
    sequence->GetImage(0, first);
    // Step 200 modulo the table's 4 steps is step 0.
    EXPECT_FALSE(sequence->GetImageAtTime(10000, shown));
    EXPECT_EQ(shown, first);
    EXPECT_EQ(FrameAt(*sequence.get(), 10100), 2);
}

TEST_F(ImageSeqTest, EmptyAndStepLessSequencesGiveSafeAnswers) {
    Held empty(new CImageSeq());
    CImage* shown = reinterpret_cast<CImage*>(&shown);
    EXPECT_TRUE(empty->GetImageAtTime(500, shown));
    EXPECT_EQ(shown, nullptr);

    // Every plain surface's one-image sequence has time 0.
    Held quick(Sequence({0, 30, 49}));
    EXPECT_EQ(FrameAt(*quick.get(), 0), 2);
    EXPECT_EQ(FrameAt(*quick.get(), 5000), 2);
    quick->SetLoop(true);
    EXPECT_EQ(FrameAt(*quick.get(), 5000), 0);
}

TEST_F(ImageSeqTest, BadIndexAnswersFourWithNullAndLogs) {
    Held sequence(Sequence({100, 100}));
    CImage* image = reinterpret_cast<CImage*>(&image);
    EXPECT_EQ(sequence->GetImage(2, image), kImageSeqBadIndex);
    EXPECT_EQ(image, nullptr);
    EXPECT_TRUE(LoggedContaining("Invalid Image # (#2) passed to CImageSeq::GetImage (Only 2 Images exist"));
    EXPECT_EQ(sequence->GetImage(-1, image), kImageSeqBadIndex);
    int ms = 7;
    EXPECT_EQ(sequence->GetFrameTime(ms, 5), kImageSeqBadIndex);
    EXPECT_EQ(sequence->SetFrameTime(-1, 100), kImageSeqBadIndex);
}

TEST_F(ImageSeqTest, NegativeAndHugeFrameTimesStayBounded) {
    Held sequence(Sequence({-500, 100}));
    int ms = 1;
    sequence->GetFrameTime(ms, 0);
    EXPECT_EQ(ms, 0);
    EXPECT_EQ(FrameAt(*sequence.get(), 0), 1);

    // Beyond the table's bound the frames are searched, with the same answers.
    sequence->SetFrameTime(0, INT_MAX);
    EXPECT_EQ(FrameAt(*sequence.get(), 0), 0);
    EXPECT_EQ(FrameAt(*sequence.get(), 2147483599u), 0);
    EXPECT_EQ(FrameAt(*sequence.get(), 2147483600u), 1);
    EXPECT_EQ(FrameAt(*sequence.get(), UINT32_MAX), 1);
    sequence->SetLoop(true);
    EXPECT_EQ(FrameAt(*sequence.get(), UINT32_MAX), 0);
}

TEST_F(ImageSeqTest, FramesBeyond255AreShownAtTheirTime) {
    Held sequence(new CImageSeq());
    for (int i = 0; i < 300; ++i) sequence->AddImage(new CImage(nullptr, 1, 1, 0), 50);
    EXPECT_EQ(FrameAt(*sequence.get(), 299 * 50 + 10), 299);
    EXPECT_EQ(FrameAt(*sequence.get(), 256 * 50), 256);
}

TEST_F(ImageSeqTest, RemovingRebuildsTheTableAndUnknownImagesOnlyWarn) {
    Held sequence(Sequence({100, 100, 100}));
    CImage* middle = nullptr;
    sequence->GetImage(1, middle);
    Held keep(middle);
    EXPECT_EQ(sequence->RemoveImage(middle), 0);
    EXPECT_EQ(sequence->ImageCount(), 2);
    EXPECT_EQ(FrameAt(*sequence.get(), 250), 1);
    EXPECT_EQ(FrameAt(*sequence.get(), 150), 1);

    EXPECT_EQ(sequence->RemoveImage(middle), 0);
    EXPECT_TRUE(LoggedContaining("Warning - CImage* passed to CImageSeq::RemoveImage was not in the Image Sequence!"));
    EXPECT_EQ(keep->InternalCount(), 1);
}

TEST_F(ImageSeqTest, RandomEditsNeverYieldAnImageOutsideTheSequence) {
    std::mt19937 random(7);
    Held sequence(new CImageSeq());
    Held anim(new CAnim(sequence.get()));
    anim->Start();
    const int times[] = {0, 10, 49, 50, 120, -30, 5000, INT_MAX};
    for (int round = 0; round < 400; ++round) {
        switch (random() % 4) {
            case 0: sequence->AddImage(new CImage(nullptr, 1 + static_cast<int>(random() % 3), 1, 0), times[random() % 8]); break;
            case 1:
                if (sequence->ImageCount() > 0) {
                    CImage* image = nullptr;
                    sequence->GetImage(static_cast<int>(random() % static_cast<unsigned>(sequence->ImageCount())), image);
                    sequence->RemoveImage(image);
                }
                break;
            case 2:
                if (sequence->ImageCount() > 0)
                    sequence->SetFrameTime(static_cast<int>(random() % static_cast<unsigned>(sequence->ImageCount())),
                                           times[random() % 8]);
                break;
            default: sequence->SetLoop(random() % 2 == 0); break;
        }
        services_.Advance(static_cast<uint32_t>(random() % 200));
        const auto member = [&](CImage* image) {
            if (image == nullptr) return sequence->ImageCount() == 0;
            for (int i = 0; i < sequence->ImageCount(); ++i) {
                CImage* at = nullptr;
                sequence->GetImage(i, at);
                if (at == image) return true;
            }
            return false;
        };
        CImage* shown = nullptr;
        sequence->GetImageAtTime(static_cast<uint32_t>(random()), shown);
        ASSERT_TRUE(member(shown)) << "round " << round;
        ASSERT_TRUE(member(anim->CurrentImage())) << "round " << round;
    }
}

// A GIF of `frames` 4x2 frames, frame i filled with colour index i % 4.
std::vector<uint8_t> TestGif(std::vector<int> delays, bool loop, int transparentIndex = -1) {
    giftest::File file;
    file.width = 4;
    file.height = 2;
    file.globalTable = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    file.loop = loop;
    for (size_t i = 0; i < delays.size(); ++i) {
        giftest::Frame frame;
        frame.width = 4;
        frame.height = 2;
        frame.delay = delays[i];
        frame.transparentIndex = transparentIndex;
        frame.indices.assign(8, static_cast<uint8_t>(i % 4));
        file.frames.push_back(frame);
    }
    return giftest::Write(file);
}

TEST_F(ImageSeqTest, GifFramesBecomeImagesWithTheirDelaysAndLoopFlag) {
    Held sequence(new CImageSeq(services_.AddFile(TestGif({0, 5, 12}, true))));
    ASSERT_TRUE(sequence->IsValid());
    ASSERT_EQ(sequence->ImageCount(), 3);
    int ms = 0;
    sequence->GetFrameTime(ms, 0);
    EXPECT_EQ(ms, 100);
    sequence->GetFrameTime(ms, 1);
    EXPECT_EQ(ms, 50);
    EXPECT_TRUE(sequence->Loops());
    CImage* second = nullptr;
    sequence->GetImage(1, second);
    int width = 0, height = 0;
    second->GetSize(width, height);
    EXPECT_EQ(width, 4);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(second->GetRenderTarget().Pixel(3, 1), 0x00FF00u);

    Held once(new CImageSeq(services_.AddFile(TestGif({10}, false))));
    EXPECT_FALSE(once->Loops());
}

TEST_F(ImageSeqTest, TransparentGifFramesAreKeyedAndColourMapsApply) {
    Held keyed(new CImageSeq(services_.AddFile(TestGif({10}, false, 0))));
    CImage* image = nullptr;
    keyed->GetImage(0, image);
    EXPECT_TRUE(image->GetRenderTarget().IsColorKeyed());
    EXPECT_EQ(image->GetRenderTarget().Pixel(0, 0), CRenderTarget::kColorKey);

    const GifColourPair redToBlue[] = {{0xFF0000, 0x0000FF}};
    Held mapped(new CImageSeq(services_.AddFile(TestGif({10}, false)), redToBlue));
    mapped->GetImage(0, image);
    EXPECT_EQ(image->GetRenderTarget().Pixel(1, 1), 0x0000FFu);
}

TEST_F(ImageSeqTest, MissingOrBrokenGifsAnswerEightAndSix) {
    Held missing(new CImageSeq("img-nothing-here-4x2.gif"));
    EXPECT_FALSE(missing->IsValid());
    EXPECT_EQ(missing->ImageCount(), 0);
    EXPECT_EQ(missing->LoadGIF("img-nothing-here-4x2.gif"), kImageSeqFileMissing);

    std::vector<uint8_t> truncated = TestGif({10, 10}, false);
    truncated.resize(truncated.size() - 6);
    Held broken(new CImageSeq());
    EXPECT_EQ(broken->LoadGIF(services_.AddFile(truncated)), kImageSeqBadGif);
    // What was decoded before the fault stays.
    EXPECT_GE(broken->ImageCount(), 1);
}

}  // namespace
