#include "app/Splash.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/tests/AppTestEnvironment.h"
#include "core/gif/GifDecoder.h"
#include "core/resources/ResourceFormat.h"
#include "core/resources/ResourceRegistry.h"

namespace {

// The splash as the picture alone leaves it; what differs from it is ink of the legal lines.
std::vector<uint32_t> PictureAlone(uint32_t background) {
    std::vector<uint32_t> picture(static_cast<size_t>(kSplashWidth) * kSplashHeight, background);
    auto data = resources::ResourceRegistry::Instance().Find(resources::kTypeBitmap, "img-splash");
    GifImage image;
    if (!data || DecodeGif(*data, image, "img-splash") != kGifOk || image.frames.empty()) return picture;
    for (int y = 0; y < std::min(image.height, kSplashHeight); ++y)
        for (int x = 0; x < std::min(image.width, kSplashWidth); ++x)
            picture[static_cast<size_t>(y) * kSplashWidth + x] =
                image.frames.front().pixels[static_cast<size_t>(y) * image.width + x];
    return picture;
}

TEST(SplashLineTops, EachLineLowerByHeightPlusExternalLeading) {
    platform::FontMetrics metrics;
    metrics.height = 13;
    metrics.externalLeading = 1;
    EXPECT_EQ(SplashLineTops(metrics), (std::array<int, 4>{172, 186, 200, 214}));
}

TEST(SplashLines, FitBesideTheTextColumn) {
    for (std::string_view line : kSplashLines) EXPECT_LE(line.size(), 60u) << line;
}

class SplashTest : public AppTest {};

TEST_F(SplashTest, CentredBorderlessWindowWithTheLegalLines) {
    CSplash splash(*headless_, {1024, 768});
    ASSERT_TRUE(splash.Shown());
    ASSERT_EQ(headless_->Windows().size(), 1u);
    platform::headless::HeadlessWindow* window = headless_->Windows().front();
    EXPECT_TRUE(window->IsSplash());
    EXPECT_EQ(window->Width(), 400);
    EXPECT_EQ(window->Height(), 240);
    EXPECT_EQ(window->GetPosition(), (platform::Point{312, 264}));
    EXPECT_GE(window->PresentCount(), 1);

    // Ink lands in the text column below the picture's title and nowhere left of it.
    const std::vector<uint32_t>& frame = window->Frame();
    const std::vector<uint32_t> picture = PictureAlone(0xFFFFFF);
    auto inkIn = [&](int left, int right, int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) {
                const size_t at = static_cast<size_t>(y) * 400 + x;
                if (frame[at] != picture[at]) return true;
            }
        return false;
    };
    EXPECT_TRUE(inkIn(90, 400, 172, 240));
    EXPECT_FALSE(inkIn(0, 90, 172, 240));
}

TEST_F(SplashTest, EachLegalLineStartsAtColumn90InItsOwnBand) {
    CSplash splash(*headless_, {1024, 768});
    ASSERT_TRUE(splash.Shown());
    platform::FontRequest request;
    request.face = "Arial";
    request.height = -11;
    const platform::FontMetrics metrics = headless_->OpenFont(request)->Metrics();
    ASSERT_GT(metrics.externalLeading, 0) << "the test needs a font with leading to tell the steps apart";
    std::array<int, 4> tops{};
    for (size_t i = 0; i < tops.size(); ++i) {
        tops[i] = 172 + static_cast<int>(i) * (metrics.height + metrics.externalLeading);
    }

    const std::vector<uint32_t>& frame = headless_->Windows().front()->Frame();
    const std::vector<uint32_t> picture = PictureAlone(0xFFFFFF);
    auto isInk = [&](int x, int y) {
        const size_t at = static_cast<size_t>(y) * kSplashWidth + x;
        return frame[at] != picture[at];
    };
    auto inkRows = [&](int top, int bottom) {
        int rows = 0;
        for (int y = std::max(top, 0); y < std::min(bottom, kSplashHeight); ++y) {
            for (int x = 0; x < kSplashWidth; ++x) {
                if (isInk(x, y)) {
                    ++rows;
                    break;
                }
            }
        }
        return rows;
    };
    auto firstInkColumn = [&](int top, int bottom) {
        for (int x = 0; x < kSplashWidth; ++x)
            for (int y = top; y < bottom; ++y)
                if (isInk(x, y)) return x;
        return -1;
    };

    auto firstInkRow = [&](int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            if (inkRows(y, y + 1) != 0) return y;
        return -1;
    };

    EXPECT_EQ(inkRows(0, kSplashTextY), 0);
    const int inkOffset = firstInkRow(tops[0], tops[0] + metrics.height) - tops[0];
    ASSERT_GE(inkOffset, 0);
    for (size_t i = 0; i < tops.size(); ++i) {
        const int bottom = tops[i] + metrics.height;
        // Each line's ink sits in its cell as the first line's does: the cells step by
        // height plus leading, no more and no less.
        EXPECT_EQ(firstInkRow(tops[i], bottom) - tops[i], inkOffset) << "line " << i;
        // Every line begins with a letter whose left column carries ink.
        EXPECT_EQ(firstInkColumn(tops[i], bottom), 90) << "line " << i;
        // The external leading between two lines stays empty.
        const int next = i + 1 < tops.size() ? tops[i + 1] : kSplashHeight;
        EXPECT_EQ(inkRows(bottom, next), 0) << "below line " << i;
    }
}

}  // namespace
