#include "core/text/TextDrawer.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "platform/fonts/Fonts.h"

namespace {

constexpr uint32_t kPaper = 0x123456;
constexpr uint32_t kInk = 0xFFFFFF;

// An image with a frame of guard pixels around it, so that a stray write shows.
class GuardedImage {
public:
    GuardedImage(int width, int height) : width_(width), height_(height), pixels_((width + 8) * (height + 8), kPaper) {}
    platform::PixelView View() {
        return {pixels_.data() + 4 * (width_ + 8) + 4, width_, height_, width_ + 8};
    }
    // Counts changed pixels inside `area` (image coordinates) and anywhere outside it, guards included.
    std::pair<int, int> Changes(platform::Rect area) const {
        int inside = 0, outside = 0;
        for (int y = -4; y < height_ + 4; ++y) {
            for (int x = -4; x < width_ + 4; ++x) {
                if (pixels_[(y + 4) * (width_ + 8) + x + 4] == kPaper) continue;
                const bool in = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
                (in ? inside : outside)++;
            }
        }
        return {inside, outside};
    }
    uint32_t At(int x, int y) const { return pixels_[(y + 4) * (width_ + 8) + x + 4]; }

private:
    int width_, height_;
    std::vector<uint32_t> pixels_;
};

std::unique_ptr<platform::Font> Font(int height) {
    platform::FontRequest request;
    request.face = "Arial";
    request.height = height;
    return platform::OpenBitmapFont(request);
}

TEST(TextDrawer, ExtentIsTheSumOfAdvances) {
    auto font = Font(10);
    EXPECT_EQ(TextExtent(*font, ""), 0);
    EXPECT_EQ(TextExtent(*font, "Hello"), 30);
    EXPECT_EQ(TextExtent(*font, std::string(1000, '\x80')), 6000);
}

TEST(TextDrawer, NothingLandsOutsideTheClipOrTheImageWherePlaced) {
    auto font = Font(10);
    TextStyle style{kInk, 0x00FF00, true, true};
    const platform::Rect clips[] = {{5, 3, 30, 15}, {-50, -50, 500, 500}, {20, 20, 10, 10}, {0, 0, 40, 20}};
    const int positions[] = {INT_MIN, INT_MIN / 2, -1000, -31, -7, -1, 0, 3, 17, 39, 40, 1000, INT_MAX / 2,
                             INT_MAX - 5, INT_MAX};
    for (const platform::Rect& clip : clips) {
        for (int x : positions) {
            for (int y : positions) {
                GuardedImage image(40, 20);
                DrawText(image.View(), clip, {x, y}, "Wg_|\x80\xFF text", *font, style);
                const platform::Rect allowed{std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, 40),
                                             std::min(clip.bottom, 20)};
                EXPECT_EQ(image.Changes(allowed).second, 0) << x << "," << y;
            }
        }
    }
}

TEST(TextDrawer, DrawsInkAndBackgroundInTheCell) {
    auto font = Font(10);
    GuardedImage image(40, 20);
    DrawText(image.View(), {0, 0, 40, 20}, {2, 3}, "AB", *font, {kInk, 0x00FF00, false, false});
    // The background fills exactly extent x height at the cell.
    const auto [inside, outside] = image.Changes({2, 3, 14, 13});
    EXPECT_EQ(inside, 12 * 10);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(image.At(2, 3), 0x00FF00u);  // the leading row of 'A' is empty
    EXPECT_EQ(image.At(2, 5), kInk);       // 'A' has ink in its left column below the apex
}

TEST(TextDrawer, TransparentTextTouchesOnlyInkAndLines) {
    auto font = Font(10);
    GuardedImage plain(40, 20);
    DrawText(plain.View(), {0, 0, 40, 20}, {0, 0}, "  ", *font, {kInk, std::nullopt, false, false});
    EXPECT_EQ(plain.Changes({0, 0, 40, 20}).first, 0);

    GuardedImage lined(40, 20);
    DrawText(lined.View(), {0, 0, 40, 20}, {0, 0}, "  ", *font, {kInk, std::nullopt, true, true});
    const platform::FontMetrics& m = font->Metrics();
    EXPECT_EQ(lined.Changes({0, 0, 40, 20}).first, 2 * 12 * m.underlineThickness);
    EXPECT_EQ(lined.At(0, m.ascent + m.underlinePosition), kInk);
    EXPECT_EQ(lined.At(11, m.ascent - m.strikeOutPosition), kInk);
}

TEST(TextDrawer, RowsFollowThePitch) {
    auto font = Font(10);
    std::vector<uint32_t> pixels(100 * 20, kPaper);
    platform::PixelView view{pixels.data(), 30, 20, 100};
    DrawText(view, {0, 0, 30, 20}, {0, 0}, "MMMMMMMMMM", *font, {kInk, 0x010101, false, false});
    for (int y = 0; y < 20; ++y) {
        for (int x = 30; x < 100; ++x) ASSERT_EQ(pixels[y * 100 + x], kPaper) << x << "," << y;
    }
}

}  // namespace
