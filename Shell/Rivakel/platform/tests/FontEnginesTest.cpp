#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextLayout.h"
#include "platform/fonts/Fonts.h"
#include "platform/fonts/GlyphFit.h"

namespace {

platform::FontRequest Request(int height, int weight = 400) {
    platform::FontRequest request;
    request.face = "Arial";
    request.height = height;
    request.weight = weight;
    return request;
}

void ExpectMetricsConsistent(const platform::FontMetrics& m) {
    EXPECT_EQ(m.height, m.ascent + m.descent);
    EXPECT_GE(m.internalLeading, 0);
    EXPECT_GE(m.externalLeading, 0);
    EXPECT_GT(m.averageCharWidth, 0);
    EXPECT_GE(m.maxCharWidth, m.averageCharWidth);
    EXPECT_GE(m.underlineThickness, 1);
    EXPECT_LE(m.underlinePosition + m.underlineThickness, std::max(m.descent, m.underlineThickness));
    EXPECT_GT(m.strikeOutPosition, 0);
    EXPECT_LE(m.strikeOutPosition, m.ascent);
}

void ExpectGlyphWellFormed(const platform::Glyph& glyph) {
    EXPECT_GE(glyph.width, 0);
    EXPECT_GE(glyph.height, 0);
    EXPECT_EQ(glyph.bits.size(), static_cast<size_t>(glyph.width) * static_cast<size_t>(glyph.height));
    for (uint8_t bit : glyph.bits) EXPECT_LE(bit, 1);
}

TEST(FontBitmap, IsTheSameForEveryOpeningAndSizedByTheRequest) {
    for (int height : {-1, -8, -12, -24, 1, 10, 13, 40, 0}) {
        auto a = platform::OpenBitmapFont(Request(height));
        auto b = platform::OpenBitmapFont(Request(height));
        ASSERT_TRUE(a && b);
        ExpectMetricsConsistent(a->Metrics());
        EXPECT_EQ(a->Metrics().height, b->Metrics().height);
        if (height > 0 && height <= 2048) {
            EXPECT_EQ(a->Metrics().height, height);
        }
        for (int ch = 0; ch < 256; ++ch) {
            const platform::Glyph& ga = a->GetGlyph(static_cast<uint8_t>(ch));
            const platform::Glyph& gb = b->GetGlyph(static_cast<uint8_t>(ch));
            ExpectGlyphWellFormed(ga);
            EXPECT_EQ(ga.advance, gb.advance);
            EXPECT_EQ(ga.bits, gb.bits);
            EXPECT_EQ(ga.top, gb.top);
        }
    }
}

TEST(FontBitmap, ExtremeHeightsAreBounded) {
    for (int height : {-100000, 100000, INT_MIN, INT_MAX}) {
        auto font = platform::OpenBitmapFont(Request(height));
        ExpectMetricsConsistent(font->Metrics());
        EXPECT_LE(font->Metrics().height, 2300);
        ExpectGlyphWellFormed(font->GetGlyph('A'));
    }
}

TEST(FontBitmap, FixedDesignAtTheNaturalSize) {
    auto font = platform::OpenBitmapFont(Request(10));
    const platform::FontMetrics& m = font->Metrics();
    EXPECT_EQ(m.ascent, 8);
    EXPECT_EQ(m.descent, 2);
    EXPECT_EQ(font->GetGlyph('A').advance, 6);
    EXPECT_EQ(font->GetGlyph(' ').advance, 6);
    // 'I' is a single stem in the middle column with serifs on its top and bottom rows.
    const platform::Glyph& i = font->GetGlyph('I');
    auto ink = [&](int x, int y) { return i.bits[static_cast<size_t>(y) * i.width + x] != 0; };
    EXPECT_TRUE(ink(2, 4));
    EXPECT_FALSE(ink(0, 4));
    EXPECT_TRUE(ink(1, 1) && ink(3, 1) && ink(1, 7) && ink(3, 7));
    EXPECT_FALSE(ink(5, 4));  // the spacing column stays empty
    int blank = 0;
    for (uint8_t bit : font->GetGlyph(' ').bits) blank += bit;
    EXPECT_EQ(blank, 0);
    // Bold is one column wider; the glyph reference stays valid for the font's life.
    auto bold = platform::OpenBitmapFont(Request(10, 700));
    EXPECT_EQ(bold->GetGlyph('A').advance, 7);
    EXPECT_EQ(&font->GetGlyph('A'), &font->GetGlyph('A'));
}

TEST(FontSystem, ArialResolvesToLiberationSansWithItsAdvances) {
    auto font = platform::OpenSystemFont(Request(-100));
    if (!font) GTEST_SKIP() << "no installed font";
    // Liberation Sans advances in units of its 2048-unit em.
    const struct {
        uint8_t ch;
        int units;
    } expected[] = {{'W', 1933}, {'i', 455}, {'a', 1139}, {' ', 569}, {'0', 1139}, {'M', 1706}};
    for (const auto& e : expected) {
        EXPECT_NEAR(font->GetGlyph(e.ch).advance, e.units * 100.0 / 2048.0, 1.0) << e.ch;
    }
    const platform::FontMetrics& m = font->Metrics();
    ExpectMetricsConsistent(m);
    // The Windows cell of this face: ascent 1854 and descent 434 units, average width 904.
    EXPECT_NEAR(m.ascent, 90.5, 1.0);
    EXPECT_NEAR(m.descent, 21.2, 1.0);
    EXPECT_NEAR(m.averageCharWidth, 44.1, 1.0);
    EXPECT_EQ(m.internalLeading, m.height - 100);
}

TEST(FontSystem, CellHeightsAndMonoGlyphs) {
    auto cell = platform::OpenSystemFont(Request(30));
    auto em = platform::OpenSystemFont(Request(-12, 700));
    if (!cell || !em) GTEST_SKIP() << "no installed font";
    EXPECT_EQ(cell->Metrics().height, 30);
    ExpectMetricsConsistent(cell->Metrics());
    ExpectMetricsConsistent(em->Metrics());
    for (int ch = 0; ch < 256; ++ch) {
        const platform::Glyph& glyph = em->GetGlyph(static_cast<uint8_t>(ch));
        ExpectGlyphWellFormed(glyph);
        EXPECT_GE(glyph.advance, 0);
    }
    int ink = 0;
    for (uint8_t bit : em->GetGlyph('W').bits) ink += bit;
    EXPECT_GT(ink, 10);
    // The euro sign comes from its cp1252 byte.
    EXPECT_GT(em->GetGlyph(0x80).width, 0);
}

// Lays `text` out as the text drawer does and answers, for each pair of neighbouring glyphs, the
// blank columns between their ink (negative: shared columns).
std::vector<int> GapsBetweenGlyphs(platform::Font& font, std::string_view text) {
    std::vector<int> origins;
    platform::LayOutRun(font, text, origins);
    std::vector<int> gaps;
    int previousRight = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const platform::Glyph& glyph = font.GetGlyph(static_cast<uint8_t>(text[i]));
        const int left = origins[i] + glyph.left;
        if (i > 0) gaps.push_back(left - previousRight);
        previousRight = left + glyph.width;
    }
    return gaps;
}

// The widths of the ink runs on one row of a glyph.
std::vector<int> RunsOnRow(const platform::Glyph& glyph, int row) {
    std::vector<int> runs;
    int run = 0;
    for (int x = 0; x <= glyph.width; ++x) {
        const bool ink = x < glyph.width && glyph.bits[static_cast<size_t>(row) * glyph.width + x] != 0;
        if (ink) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

TEST(FontSystem, RepeatedDigitsNeverTouchAtAnySizeOrWeight) {
    if (!platform::OpenSystemFont(Request(-13))) GTEST_SKIP() << "no installed font";
    for (int weight : {400, 700}) {
        for (int size = 8; size <= 24; ++size) {
            auto font = platform::OpenSystemFont(Request(-size, weight));
            for (char digit = '0'; digit <= '9'; ++digit) {
                for (int gap : GapsBetweenGlyphs(*font, std::string(6, digit))) {
                    EXPECT_GE(gap, 1) << digit << " at " << size << " px, weight " << weight;
                }
            }
            for (int gap : GapsBetweenGlyphs(*font, "C0000005(1-50000)")) EXPECT_GE(gap, 0) << size;
        }
    }
}

TEST(FontSystem, BoldAtTwelvePixelsHasEvenStemsTwiceTheRegularOnes) {
    auto regular = platform::OpenSystemFont(Request(-12));
    auto bold = platform::OpenSystemFont(Request(-12, 700));
    if (!regular || !bold) GTEST_SKIP() << "no installed font";
    // Single-stem letters, read halfway down their stems.
    for (char ch : std::string("lIiTnmhr|")) {
        const platform::Glyph& r = regular->GetGlyph(static_cast<uint8_t>(ch));
        const platform::Glyph& b = bold->GetGlyph(static_cast<uint8_t>(ch));
        for (int stem : RunsOnRow(b, b.height * 2 / 3)) EXPECT_EQ(stem, 2) << ch;
        for (int stem : RunsOnRow(r, r.height * 2 / 3)) EXPECT_EQ(stem, 1) << ch;
    }
}

TEST(FontSystem, StrokesStayWholeWhereGlyphsAreKeptInTheirPlace) {
    if (!platform::OpenSystemFont(Request(-13))) GTEST_SKIP() << "no installed font";
    for (int weight : {400, 700}) {
        for (int size = 8; size <= 24; ++size) {
            auto font = platform::OpenSystemFont(Request(-size, weight));
            // Each has one unbroken vertical stroke: every row of its bitmap holds ink.
            for (char ch : std::string("tlIT1fL")) {
                const platform::Glyph& glyph = font->GetGlyph(static_cast<uint8_t>(ch));
                for (int row = 0; row < glyph.height; ++row) {
                    EXPECT_FALSE(RunsOnRow(glyph, row).empty()) << ch << " row " << row << " at " << size << " px";
                }
            }
        }
    }
}

platform::Glyph HandGlyph(int advance, int left, const std::vector<std::string>& rows) {
    platform::Glyph glyph;
    glyph.advance = advance;
    glyph.left = left;
    glyph.width = static_cast<int>(rows.front().size());
    glyph.height = static_cast<int>(rows.size());
    for (const std::string& row : rows) {
        for (char c : row) glyph.bits.push_back(c == '#' ? 1 : 0);
    }
    return glyph;
}

std::vector<std::string> Rows(const platform::Glyph& glyph) {
    std::vector<std::string> rows;
    for (int y = 0; y < glyph.height; ++y) {
        std::string row;
        for (int x = 0; x < glyph.width; ++x) row += glyph.bits[static_cast<size_t>(y) * glyph.width + x] ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

TEST(GlyphFit, AWideBowlLosesAFlatColumnButALoneStemStays) {
    platform::Glyph zero = HandGlyph(7, 0, {"..###..", ".#...#.", "#.....#", "#.....#", ".#...#.", "..###.."});
    platform::FitGlyphInto(zero, 6);
    EXPECT_EQ(zero.advance, 7);
    EXPECT_EQ(Rows(zero), (std::vector<std::string>{"..##..", ".#..#.", "#....#", "#....#", ".#..#.", "..##.."}));
    // The stem under the bar is its rows' only ink: the glyph keeps it and is only moved inside.
    platform::Glyph tee = HandGlyph(3, 2, {"###", ".#.", ".#."});
    platform::FitGlyphInto(tee, 2);
    EXPECT_EQ(Rows(tee), (std::vector<std::string>{"###", ".#.", ".#."}));
    EXPECT_EQ(tee.left, 0);
}

}  // namespace
