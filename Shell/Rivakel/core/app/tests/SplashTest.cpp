#include "core/app/Splash.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/tests/AppTestEnvironment.h"

namespace {

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

    // Ink lands in the text column below the picture and nowhere left of it.
    const std::vector<uint32_t>& frame = window->Frame();
    auto inkIn = [&](int left, int right, int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (frame[static_cast<size_t>(y) * 400 + x] == 0x333333) return true;
        return false;
    };
    EXPECT_TRUE(inkIn(90, 400, 172, 240));
    EXPECT_FALSE(inkIn(0, 90, 172, 240));
}

}  // namespace
