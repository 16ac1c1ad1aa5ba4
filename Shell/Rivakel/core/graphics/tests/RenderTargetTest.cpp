#include "core/graphics/RenderTarget.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>
#include <vector>

#include "platform/fonts/Fonts.h"

namespace {

using platform::Point;
using platform::Rect;

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kKey = CRenderTarget::kColorKey;

void Fill(CRenderTarget& target, uint32_t seed) {
    platform::PixelView view = target.Lock();
    for (int y = 0; y < view.height; ++y) {
        for (int x = 0; x < view.width; ++x) view.Row(y)[x] = (seed * 2654435761u + x * 977u + y * 131071u) & 0xFFFFFF;
    }
}

std::vector<uint32_t> Snapshot(const CRenderTarget& target) {
    return {target.Pixels(), target.Pixels() + static_cast<size_t>(target.Width()) * target.Height()};
}

// The part of `big` at (offset, offset) of the size of `small`.
std::vector<uint32_t> Window(const CRenderTarget& big, int offset, int width, int height) {
    std::vector<uint32_t> out;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) out.push_back(big.Pixel(x + offset, y + offset));
    }
    return out;
}

// Destination pixel (x, y) of a blit, sampled at pixel centres, computed for that pixel alone.
void ReferenceBlit(std::vector<uint32_t>& out, int width, int height, Rect d, const CRenderTarget& src, Rect s,
                   unsigned flags) {
    const int64_t dw = int64_t{d.right} - d.left, dh = int64_t{d.bottom} - d.top;
    const int64_t sw = int64_t{s.right} - s.left, sh = int64_t{s.bottom} - s.top;
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (x < d.left || x >= d.right || y < d.top || y >= d.bottom) continue;
            int64_t u = x - d.left, v = y - d.top;
            if (flags & 1) u = dw - 1 - u;
            if (flags & 2) v = dh - 1 - v;
            const int64_t sx = s.left + ((2 * u + 1) * sw) / (2 * dw);
            const int64_t sy = s.top + ((2 * v + 1) * sh) / (2 * dh);
            if (sx < 0 || sx >= src.Width() || sy < 0 || sy >= src.Height()) continue;
            const uint32_t value = src.Pixel(static_cast<int>(sx), static_cast<int>(sy));
            if (src.IsColorKeyed() && value == kKey) continue;
            out[static_cast<size_t>(y) * width + x] = value;
        }
    }
}

TEST(RenderTargetCreation, StartsInBackgroundColourWithWhitePen) {
    CRenderTarget plain(4, 3, 0), keyed(4, 3, CRenderTarget::kFlagColorKeyed);
    EXPECT_EQ(Snapshot(plain), std::vector<uint32_t>(12, 0u));
    EXPECT_EQ(Snapshot(keyed), std::vector<uint32_t>(12, kKey));
    EXPECT_EQ(plain.GetCurColor().Value(), kWhite);
    EXPECT_EQ(plain.GetPitch(), 16);
    EXPECT_EQ(plain.GetDepth(), 32);
}

TEST(RenderTargetCreation, ImpossibleSizesLeaveAnEmptyPictureThatIgnoresDrawing) {
    for (auto [w, h] : {std::pair{0, 10}, {-5, 5}, {INT_MAX, 2}, {70000, 70000}}) {
        CRenderTarget target(w, h, 0);
        EXPECT_EQ(target.Width(), 0);
        target.DrawLine(-5, -5, 50, 50);
        target.FillRect(0, 0, 10, 10);
        target.DrawEllipse(0, 0, 10, 10);
        CRenderTarget other(5, 5, 0);
        EXPECT_EQ(target.Blit(nullptr, other, nullptr, 0), 0);
        EXPECT_EQ(other.Blit(nullptr, target, nullptr, 0), 0);
    }
}

TEST(RenderTargetResize, KeepsTopLeftAndFillsTheRestWithBackground) {
    CRenderTarget target(3, 2, 0);
    Fill(target, 7);
    const auto before = Snapshot(target);
    target.SetBackgroundColor(1, 2, 3);
    ASSERT_EQ(target.Resize(5, 4), 0);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(target.Pixel(x, y), x < 3 && y < 2 ? before[y * 3 + x] : 0x010203u) << x << "," << y;
        }
    }
    EXPECT_EQ(target.Resize(0, 4), 1);
    EXPECT_EQ(target.Resize(5, -1), 1);
    EXPECT_EQ(target.Width(), 5);
    EXPECT_EQ(target.Height(), 4);
}

TEST(RenderTargetLines, KnownCasesAtTheEdges) {
    CRenderTarget target(30, 20, 0);
    target.DrawLine(0, -1, 29, -1);
    EXPECT_EQ(Snapshot(target), std::vector<uint32_t>(600, 0u));

    target.DrawLine(-10, 5, 20, 5);
    for (int x = 0; x < 30; ++x) EXPECT_EQ(target.Pixel(x, 5), x < 20 ? kWhite : 0u) << x;

    target.ClearToColor(0, 0, 0);
    target.DrawLine(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 30; ++x) EXPECT_EQ(target.Pixel(x, y), x == y ? kWhite : 0u) << x << "," << y;
    }

    target.ClearToColor(0, 0, 0);
    target.DrawLine(INT_MAX, 3, INT_MIN, 3);
    target.DrawLine(7, INT_MIN, 7, INT_MAX);
    for (int x = 0; x < 30; ++x) EXPECT_EQ(target.Pixel(x, 3), kWhite);
    for (int y = 0; y < 20; ++y) EXPECT_EQ(target.Pixel(7, y), kWhite);
}

TEST(RenderTargetLines, ClippedLinesMatchTheSameLinesDrawnUnclipped) {
    constexpr int W = 23, H = 17, M = 200;
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> coord(-150, 170);
    for (int thick = 0; thick < 2; ++thick) {
        for (int round = 0; round < 400; ++round) {
            const int x1 = coord(random), y1 = coord(random), x2 = coord(random), y2 = coord(random);
            CRenderTarget small(W, H, 0), big(W + 2 * M, H + 2 * M, 0);
            if (thick) {
                small.SetThickPen();
                big.SetThickPen();
            }
            small.DrawLine(x1, y1, x2, y2);
            big.DrawLine(x1 + M, y1 + M, x2 + M, y2 + M);
            ASSERT_EQ(Snapshot(small), Window(big, M, W, H)) << x1 << "," << y1 << " -> " << x2 << "," << y2;
        }
    }
}

TEST(RenderTargetLines, LastPixelIsLeftOutAndFrameRectSetsEveryCorner) {
    CRenderTarget target(10, 10, 0);
    target.DrawLine(2, 2, 6, 2);
    EXPECT_EQ(target.Pixel(5, 2), kWhite);
    EXPECT_EQ(target.Pixel(6, 2), 0u);

    target.ClearToColor(0, 0, 0);
    target.FrameRect(1, 2, 6, 8);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool edge = (x == 1 || x == 6) && y >= 2 && y <= 8 ? true : (y == 2 || y == 8) && x >= 1 && x <= 6;
            EXPECT_EQ(target.Pixel(x, y), edge ? kWhite : 0u) << x << "," << y;
        }
    }
}

TEST(RenderTargetFills, FillRectClipsAnyRectangleAndSkipsInvertedOnes) {
    CRenderTarget target(8, 6, 0);
    target.SetCurColor(10, 20, 30);
    target.FillRect(5, 5, 2, 2);
    EXPECT_EQ(Snapshot(target), std::vector<uint32_t>(48, 0u));
    target.FillRect(INT_MIN, 4, INT_MAX, INT_MAX);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) EXPECT_EQ(target.Pixel(x, y), y >= 4 ? 0x0A141Eu : 0u);
    }
    target.ClearToColor(0, 0, 0);
    target.FillRect(-3, -3, 2, 1);
    EXPECT_EQ(target.Pixel(1, 0), 0x0A141Eu);
    EXPECT_EQ(target.Pixel(2, 0), 0u);
    EXPECT_EQ(target.Pixel(0, 1), 0u);
}

TEST(RenderTargetShapes, EllipsesAndPolygonsClipLikeTheUnclippedShape) {
    constexpr int W = 19, H = 13, M = 100;
    std::mt19937 random(99);
    std::uniform_int_distribution<int> coord(-60, 80);
    for (int round = 0; round < 200; ++round) {
        CRenderTarget small(W, H, 0), big(W + 2 * M, H + 2 * M, 0);
        for (CRenderTarget* t : {&small, &big}) {
            t->SetCurColor(200, 100, 50);
            t->SetBackgroundColor(1, 2, 3);
        }
        const int l = coord(random), t = coord(random), r = coord(random), b = coord(random);
        small.DrawEllipse(l, t, r, b);
        big.DrawEllipse(l + M, t + M, r + M, b + M);
        const std::vector<Point> poly{{l, t}, {r, coord(random)}, {coord(random), b}, {coord(random), coord(random)}};
        std::vector<Point> moved;
        for (Point p : poly) moved.push_back({p.x + M, p.y + M});
        small.DrawPolygon(poly);
        big.DrawPolygon(moved);
        small.DrawPolygonBackground(poly);
        big.DrawPolygonBackground(moved);
        ASSERT_EQ(Snapshot(small), Window(big, M, W, H)) << l << "," << t << "," << r << "," << b;
    }
}

TEST(RenderTargetShapes, EllipseHasPenOutlineAndBackgroundInside) {
    CRenderTarget target(20, 20, 0);
    target.SetBackgroundColor(0, 0, 9);
    target.DrawEllipse(2, 2, 18, 12);
    EXPECT_EQ(target.Pixel(10, 7), 9u);
    EXPECT_EQ(target.Pixel(2, 7), kWhite);
    EXPECT_EQ(target.Pixel(17, 7), kWhite);
    EXPECT_EQ(target.Pixel(10, 2), kWhite);
    EXPECT_EQ(target.Pixel(10, 11), kWhite);
    EXPECT_EQ(target.Pixel(2, 2), 0u);
    EXPECT_EQ(target.Pixel(10, 12), 0u);
    target.DrawEllipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(target.Pixel(0, 0), 9u);  // deep inside a huge ellipse
}

TEST(RenderTargetShapes, PolygonFillsItsInsideInTheCurrentColour) {
    CRenderTarget target(10, 10, 0);
    target.SetCurColor(0, 0, 7);
    const std::vector<Point> square{{2, 2}, {7, 2}, {7, 7}, {2, 7}};
    target.DrawPolygon(square);
    EXPECT_EQ(target.Pixel(4, 4), 7u);
    EXPECT_EQ(target.Pixel(1, 4), 0u);
    EXPECT_EQ(target.Pixel(8, 4), 0u);
    target.DrawPolygon(std::span<const Point>{});
}

TEST(RenderTargetBlit, KeyedSourceLeavesItsMagentaOut) {
    CRenderTarget sprite(4, 4, CRenderTarget::kFlagColorKeyed), screen(6, 6, 0);
    sprite.SetCurColor(0, 200, 0);
    sprite.FillRect(1, 1, 3, 3);
    screen.ClearToColor(0, 0, 50);
    screen.BlitAt(sprite, 1, 1, 0);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(screen.Pixel(x, y), x >= 2 && x < 4 && y >= 2 && y < 4 ? 0x00C800u : 50u) << x << "," << y;
        }
    }
}

TEST(RenderTargetBlit, StretchRepeatsPixelsNearestNeighbour) {
    CRenderTarget src(2, 2, 0), dst(4, 4, 0);
    Fill(src, 3);
    dst.Blit(nullptr, src, nullptr, 0);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(dst.Pixel(x, y), src.Pixel(x / 2, y / 2));
    }
    const Rect all{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    dst.Blit(&all, src, nullptr, 0);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(dst.Pixel(x, y), src.Pixel(1, 1));
    }
}

TEST(RenderTargetBlit, MirrorFlagsFlipEachAxis) {
    CRenderTarget src(3, 2, 0);
    Fill(src, 11);
    for (unsigned flags = 0; flags < 4; ++flags) {
        CRenderTarget dst(3, 2, 0);
        dst.Blit(nullptr, src, nullptr, flags);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x) {
                const int sx = flags & 1 ? 2 - x : x, sy = flags & 2 ? 1 - y : y;
                EXPECT_EQ(dst.Pixel(x, y), src.Pixel(sx, sy)) << flags;
            }
        }
    }
}

TEST(RenderTargetBlit, AnyRectanglesMatchThePixelByPixelReference) {
    constexpr int W = 13, H = 11;
    std::mt19937 random(4242);
    std::uniform_int_distribution<int> coord(-20, 30), flagsOf(0, 3), keyed(0, 1);
    for (int round = 0; round < 3000; ++round) {
        CRenderTarget src(9, 7, keyed(random) ? CRenderTarget::kFlagColorKeyed : 0), dst(W, H, 0);
        Fill(src, round);
        src.SetCurColor(255, 0, 255);
        src.FillRect(2, 2, 5, 4);
        Fill(dst, round + 1);
        const Rect d{coord(random), coord(random), coord(random), coord(random)};
        const Rect s{coord(random) / 2, coord(random) / 2, coord(random) / 2, coord(random) / 2};
        const unsigned flags = flagsOf(random);
        std::vector<uint32_t> expected = Snapshot(dst);
        ReferenceBlit(expected, W, H, d, src, s, flags);
        dst.Blit(&d, src, &s, flags);
        ASSERT_EQ(Snapshot(dst), expected) << "round " << round;
    }
}

TEST(RenderTargetBlit, NullRectanglesAndBlitAtAtExtremePositions) {
    CRenderTarget src(5, 9, 0), dst(6, 4, 0);
    Fill(src, 5);
    dst.Blit(nullptr, src, nullptr, 0);  // the source is cut to this picture's height
    std::vector<uint32_t> expected(24, 0);
    ReferenceBlit(expected, 6, 4, {0, 0, 6, 4}, src, {0, 0, 5, 4}, 0);
    EXPECT_EQ(Snapshot(dst), expected);

    const auto before = Snapshot(dst);
    for (auto [x, y] : {std::pair{INT_MAX, 0}, {0, INT_MAX}, {INT_MIN, 0}, {0, INT_MIN}, {6, 0}, {-5, 0}}) {
        dst.BlitAt(src, x, y, 0);
        EXPECT_EQ(Snapshot(dst), before) << x << "," << y;
    }
    dst.BlitAt(src, -4, -8, 0);
    EXPECT_EQ(dst.Pixel(0, 0), src.Pixel(4, 8));
}

TEST(RenderTargetBlit, ASelfBlitReadsTheOldPixels) {
    CRenderTarget target(8, 1, 0);
    Fill(target, 1);
    const auto before = Snapshot(target);
    const Rect dst{1, 0, 8, 1}, src{0, 0, 7, 1};
    target.Blit(&dst, target, &src, 0);
    for (int x = 1; x < 8; ++x) EXPECT_EQ(target.Pixel(x, 0), before[x - 1]);
}

TEST(RenderTargetPixels, ReplaceClearAndSetSkipWhatTheyMust) {
    CRenderTarget target(4, 1, 0);
    target.SetCurColor(255, 0, 255);
    target.FillRect(0, 0, 1, 1);
    target.SetCurColor(1, 1, 1);
    target.FillRect(1, 0, 4, 1);
    const ColorPair pairs[] = {{0x010101, 0x020202}, {0x010101, 0x030303}, {0xFF00FF, 0x040404}};
    target.ReplaceColors(pairs);
    EXPECT_EQ(target.Pixel(0, 0), kKey);
    EXPECT_EQ(target.Pixel(1, 0), 0x020202u);

    const Point points[] = {{1, 0}, {-1, 0}, {4, 0}, {0, INT_MIN}};
    target.ClearPixels(points);
    EXPECT_EQ(target.Pixel(1, 0), 0u);

    // Colours are their own values; bits above 0xRRGGBB are dropped, points outside skipped.
    const ColoredPoint items[] = {{2, 0, 0xAB123456u}, {9, 0, 0xFF0000u}, {3, INT_MIN, 0xFF0000u}};
    target.SetPixels(items);
    EXPECT_EQ(target.Pixel(2, 0), 0x123456u);
    EXPECT_EQ(target.Pixel(3, 0), 0x020202u);
}

TEST(RenderTargetPixels, ReadAndWriteStayInsideBothPictureAndBuffer) {
    constexpr int BW = 5, BH = 4, Guard = 16;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coord(-12, 14);
    for (int round = 0; round < 500; ++round) {
        CRenderTarget target(7, 6, 0);
        Fill(target, round);
        std::vector<uint32_t> storage(BW * BH + 2 * Guard, 0xABCDEF01u);
        for (int i = 0; i < BW * BH; ++i) storage[Guard + i] = 0x100 + i;
        storage[Guard + 3] = kKey;
        PixelBuffer buffer{kKey, BW, BH, storage.data() + Guard};
        const Rect rect{coord(random), coord(random), coord(random), coord(random)};
        const Point at{coord(random), coord(random)};

        std::vector<uint32_t> expectedTarget = Snapshot(target), expectedBuffer = storage;
        for (int j = 0; j < rect.bottom - rect.top; ++j) {
            for (int i = 0; i < rect.right - rect.left; ++i) {
                const int px = rect.left + i, py = rect.top + j, bx = at.x + i, by = at.y + j;
                if (px < 0 || px >= 7 || py < 0 || py >= 6 || bx < 0 || bx >= BW || by < 0 || by >= BH) continue;
                const uint32_t fromBuffer = storage[Guard + by * BW + bx];
                if (fromBuffer != kKey) expectedTarget[py * 7 + px] = fromBuffer;
                expectedBuffer[Guard + by * BW + bx] = target.Pixel(px, py);
            }
        }
        target.WritePixels(rect, buffer, at);
        ASSERT_EQ(Snapshot(target), expectedTarget) << round;
        Fill(target, round);
        target.ReadPixels(rect, buffer, at);
        ASSERT_EQ(storage, expectedBuffer) << round;
    }
    CRenderTarget target(2, 2, 0);
    PixelBuffer empty;
    EXPECT_EQ(target.ReadPixels({0, 0, 2, 2}, empty, {0, 0}), 1);
    EXPECT_EQ(target.WritePixels({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, empty, {0, 0}), 1);
}

TEST(RenderTargetText, LengthIsCutAtTheTextEndAndEmptyTextDrawsNothing) {
    auto font = platform::OpenBitmapFont({"Arial", -18});
    ASSERT_TRUE(font);
    const TextFont face{font.get()};
    CRenderTarget target(200, 40, 0);
    TextSize whole, negative, past, none;
    target.GetTextExtent(face, "Hello", 5, whole);
    target.GetTextExtent(face, "Hello", -1, negative);
    target.GetTextExtent(face, "Hello", 500, past);
    target.GetTextExtent(face, "", 3, none);
    EXPECT_GT(whole.cx, 0);
    EXPECT_EQ(negative.cx, whole.cx);
    EXPECT_EQ(past.cx, whole.cx);
    EXPECT_EQ(none.cx, 0);
    EXPECT_EQ(whole.cy, font->Metrics().height);

    target.DrawText(face, 2, 2, {0, 0, 200, 40}, "", 5, true);
    target.DrawText(face, 2, 2, {0, 0, 200, 40}, nullptr, 5, true);
    EXPECT_EQ(Snapshot(target), std::vector<uint32_t>(200 * 40, 0u));
    target.SetTextColor(255, 255, 255);
    target.DrawText(face, 2, 2, {0, 0, 200, 40}, "Hello", -1, true);
    const auto negativeDrawn = Snapshot(target);
    target.ClearToColor(0, 0, 0);
    target.DrawText(face, 2, 2, {0, 0, 200, 40}, "Hello", 99, true);
    EXPECT_EQ(Snapshot(target), negativeDrawn);
    EXPECT_NE(negativeDrawn, std::vector<uint32_t>(200 * 40, 0u));
}

TEST(PenCache, SameColourTwiceMakesOnePenAndOneBrush) {
    CRenderTarget target(1, 1, 0);
    const size_t pens = CPenCache::Shared().Size(), brushes = CBrushCache::Shared().Size();
    target.SetCurColor(12, 34, 56);
    target.SetCurColor(12, 34, 56);
    EXPECT_EQ(CPenCache::Shared().Size(), pens + 1);
    EXPECT_EQ(CBrushCache::Shared().Size(), brushes + 1);
}

TEST(PenCache, HoldsAtMostFiveHundredEntriesAndStillDrawsBeyond) {
    CPenCache pens;
    CBrushCache brushes;
    for (uint32_t c = 0; c < 600; ++c) {
        EXPECT_EQ(pens.Get(PenStyle::Solid, 1, c).colour, c);
        EXPECT_EQ(brushes.Get(c).colour, c);
    }
    EXPECT_EQ(pens.Size(), CPenCache::kCapacity);
    EXPECT_EQ(brushes.Size(), CBrushCache::kCapacity);
    pens.Get(PenStyle::Solid, 1, 3);
    EXPECT_EQ(pens.Size(), CPenCache::kCapacity);

    CRenderTarget target(2, 1, 0);
    for (int c = 0; c < 600; ++c) target.SetCurColor(static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c), 77);
    target.FillRect(0, 0, 2, 1);
    EXPECT_EQ(target.Pixel(1, 0), 0x02574Du);
    EXPECT_LE(CPenCache::Shared().Size(), CPenCache::kCapacity);
}

}  // namespace
