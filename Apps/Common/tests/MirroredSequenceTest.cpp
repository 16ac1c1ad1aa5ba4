// Mirrored copies of an animation, made in the harness's shell: each frame turned left to right,
// with its own time and the loop flag of the source.
#include "Apps/Common/MirroredSequence.h"

#include <gtest/gtest.h>

#include <array>

#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "harness/InProcessSession.h"

namespace {

constexpr int kWidth = 6;
constexpr int kHeight = 2;
constexpr uint32_t kKey = 0xFF00FF;

class MirroredSequenceTest : public ::testing::Test {
protected:
    // A frame of the key colour with one column of `colour` at `x`.
    ShellRef<IImage> Frame(int x, uint32_t colour) {
        ShellRef<IImage> image(record_->factory->CreateImage(kWidth, kHeight, kSurfaceColourKeyed));
        image->ClearToColor(0xFF, 0x00, 0xFF);
        image->SetCurColor(static_cast<int>(colour >> 16), static_cast<int>(colour >> 8 & 0xFF),
                           static_cast<int>(colour & 0xFF));
        image->FillRect(x, 0, x + 1, kHeight);
        return image;
    }
    std::array<uint32_t, kWidth> TopRow(IImageSeq& sequence, int index) {
        ShellRef<IImage> image;
        sequence.GetImage(index, image.Out());
        AppletPixelBuffer* buffer = nullptr;
        record_->services->CreatePixelBuffer(&buffer, kWidth, kHeight);
        const int rect[4] = {0, 0, kWidth, kHeight};
        const int origin[2] = {0, 0};
        std::array<uint32_t, kWidth> row{};
        if (image && buffer != nullptr && image->ReadPixels(rect, buffer, origin) == 0)
            for (int x = 0; x < kWidth; ++x) row[static_cast<size_t>(x)] = buffer->pixels[x] & 0xFFFFFF;
        record_->services->FreePixelBuffer(buffer);
        return row;
    }

    InProcessSession session_;
    AppletRecord* record_ = &session_.Record();
};

TEST_F(MirroredSequenceTest, EveryFrameTurnsWithItsTimeAndTheLoopFlag) {
    for (const bool loop : {true, false}) {
        ShellRef<IImageSeq> source(record_->factory->CreateImageSeqFromImage(Frame(0, 0xC00000).Get()));
        source->SetFrameTime(0, 120);
        source->AddImage(Frame(1, 0x0000C0).Get(), 340);
        source->SetLoop(loop);

        const ShellRef<IImageSeq> mirrored = MirroredSequence(*record_->factory, *source);
        ASSERT_TRUE(mirrored);
        int count = 0;
        mirrored->GetImageCount(&count);
        ASSERT_EQ(count, 2);
        bool mirroredLoop = !loop;
        mirrored->GetLoop(&mirroredLoop);
        EXPECT_EQ(mirroredLoop, loop);
        std::array<int, 2> times{};
        mirrored->GetFrameTime(&times[0], 0);
        mirrored->GetFrameTime(&times[1], 1);
        EXPECT_EQ(times, (std::array<int, 2>{120, 340}));
        EXPECT_EQ(TopRow(*mirrored, 0), (std::array<uint32_t, kWidth>{kKey, kKey, kKey, kKey, kKey, 0xC00000}));
        EXPECT_EQ(TopRow(*mirrored, 1), (std::array<uint32_t, kWidth>{kKey, kKey, kKey, kKey, 0x0000C0, kKey}));
        // The source keeps its own frames.
        EXPECT_EQ(TopRow(*source, 0)[0], 0xC00000u);
    }
}

TEST_F(MirroredSequenceTest, AnEmptySequenceGivesNone) {
    ShellRef<IImageSeq> source(record_->factory->CreateImageSeqFromImage(Frame(0, 0xC00000).Get()));
    ShellRef<IImage> only;
    source->GetImage(0, only.Out());
    source->RemoveImage(only.Get());
    EXPECT_FALSE(MirroredSequence(*record_->factory, *source));
}

}  // namespace
