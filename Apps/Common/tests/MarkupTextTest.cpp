#include "Apps/Common/MarkupText.h"

#include <gtest/gtest.h>

#include <string>

#include "Apps/Common/tests/MarkupTestDoubles.h"

using namespace markup_test;

namespace {

class MarkupTextTest : public ::testing::Test {
protected:
    void Draw(std::string_view text, int x = 10, int y = 20) { DrawMarkupText(&canvas, text, x, y, fonts); }
    void TearDown() override { EXPECT_EQ(LiveFonts(), 0) << "every font reference made is let go"; }

    RecordingCanvas canvas;
    FontFactory fonts;
};

// ---------------------------------------------------------------- runs, pens and breaks

TEST_F(MarkupTextTest, BoldRunThenRegularRunFollowIt) {
    canvas.font = {"Arial", 12, 0};
    Draw("<B>Hello</B> World");
    ASSERT_EQ(canvas.runs.size(), 2u);
    EXPECT_EQ(canvas.runs[0].text, "Hello");
    EXPECT_EQ(canvas.runs[0].x, 14);
    EXPECT_EQ(canvas.runs[0].font, (FontInfo{"Arial", 12, kFontStyleBold}));
    EXPECT_EQ(canvas.runs[1].text, " World");
    EXPECT_EQ(canvas.runs[1].x, 14 + 5 * 6) << "pen moves by the run's width, then the next run adds 4";
    EXPECT_EQ(canvas.runs[1].font, (FontInfo{"Arial", 12, 0}));
}

TEST_F(MarkupTextTest, BreaksReturnToTheLeftEdgeNotToTheStart) {
    canvas.font = {"Arial", 10, 0};
    Draw("<c>Title<br></c>next<P>last<Br>again", 30, 40);
    ASSERT_EQ(canvas.runs.size(), 4u);
    EXPECT_EQ(canvas.runs[0].x, (500 - 25) / 2) << "centred on the picture's width";
    EXPECT_EQ(canvas.runs[0].y, 40);
    EXPECT_EQ(canvas.runs[1].x, 4);
    EXPECT_EQ(canvas.runs[1].y, 55);
    EXPECT_EQ(canvas.runs[2].y, 85);
    EXPECT_EQ(canvas.runs[3].x, 4);
    EXPECT_EQ(canvas.runs[3].y, 100);
}

TEST_F(MarkupTextTest, OlderEditionReadsBreakAsBoldAndIgnoresParagraphs) {
    canvas.font = {"Arial", 10, 0};
    DrawMarkupText(&canvas, "one<BR>two<P>three</br>four", 10, 20, fonts, MarkupEdition::Old);
    ASSERT_EQ(canvas.runs.size(), 4u);
    for (const auto& run : canvas.runs) EXPECT_EQ(run.y, 20) << run.text << " stays on the line";
    EXPECT_EQ(canvas.runs[1].x, 14 + 3 * 5) << "side by side";
    EXPECT_EQ(canvas.runs[1].font.style, kFontStyleBold);
    EXPECT_EQ(canvas.runs[2].font.style, kFontStyleBold) << "a paragraph changes nothing";
    EXPECT_EQ(canvas.runs[3].font.style, 0) << "a closing break closes the bold";

    canvas.runs.clear();
    std::string many;
    for (int i = 0; i < 40; ++i) many += "<b>w</b> ";
    DrawMarkupText(&canvas, many, 0, 0, fonts, MarkupEdition::Old);
    EXPECT_EQ(canvas.runs.size(), 80u) << "far more than twenty tokens, every one drawn";
}

TEST_F(MarkupTextTest, EachCentredRunIsCentredByItself) {
    canvas.font = {"Arial", 10, 0};
    Draw("<C>ab<B>cdef");
    ASSERT_EQ(canvas.runs.size(), 2u);
    EXPECT_EQ(canvas.runs[0].x, (500 - 10) / 2);
    EXPECT_EQ(canvas.runs[1].x, (500 - 20) / 2);
}

// ---------------------------------------------------------------- fonts and colours

TEST_F(MarkupTextTest, SizeStepsStopAtTheLargestAndSmallestClass) {
    struct Case {
        int startSize;
        const char* tags;
        int size;
    };
    const Case cases[] = {
        {24, "<S+>x", 24}, {8, "<S->x", 8}, {18, "<S+>x", 24}, {18, "<S->x", 14}, {14, "<S5>x", 8},
        {14, "<S0>x", 24}, {13, "<S->x", 10}, {12, "<s3><S+><S+>x", 18}, {12, "<S9>x", 12}, {12, "<S>x", 12},
    };
    for (const Case& c : cases) {
        canvas.runs.clear();
        canvas.font = {"Arial", c.startSize, 0};
        Draw(c.tags);
        ASSERT_EQ(canvas.runs.size(), 1u) << c.tags;
        EXPECT_EQ(canvas.runs[0].font.size, c.size) << c.tags << " from " << c.startSize;
    }
}

TEST_F(MarkupTextTest, FontAndColourStaySetAfterTheCall) {
    canvas.font = {"Arial", 12, 0};
    Draw("<S1><U><I><cff8000>x");
    EXPECT_EQ(canvas.font, (FontInfo{"Arial", 18, kFontStyleUnderline | kFontStyleItalic}));
    EXPECT_EQ(canvas.colour, 0xFF8000);
    Draw("</U></i>y");
    EXPECT_EQ(canvas.runs.back().font, (FontInfo{"Arial", 18, 0}));
}

TEST_F(MarkupTextTest, ColourTagsOfEitherCaseAndShortOrBadDigits) {
    const std::pair<const char*, int> cases[] = {
        {"<CFF0000>", 0xFF0000}, {"<cff0000>", 0xFF0000}, {"</c00ff00>", 0x00FF00}, {"<C00000>", 0x000000},
        {"<C12>", 0x120000},     {"<CzzZZ99>", 0x000099}, {"<C1234567890>", 0x123456},
    };
    for (const auto& [tag, colour] : cases) {
        canvas.colour = -1;
        Draw(std::string(tag) + "x");
        EXPECT_EQ(canvas.colour, colour) << tag;
    }
}

// ---------------------------------------------------------------- text outside the format

TEST_F(MarkupTextTest, TagsItDoesNotKnowChangeNothing) {
    canvas.font = {"Arial", 12, 0};
    canvas.colour = 7;
    Draw("<X>a</>b<>c<//>d");
    ASSERT_EQ(canvas.runs.size(), 4u);
    EXPECT_EQ(canvas.runs[3].x, 14 + 3 * 6);
    EXPECT_EQ(canvas.colour, 7);
    EXPECT_EQ(canvas.fontsSet, 0);
    EXPECT_EQ(fonts.made, 0);
}

TEST_F(MarkupTextTest, UnclosedTagIsDrawnAsText) {
    Draw("name<b>Sam<");
    ASSERT_EQ(canvas.runs.size(), 3u);
    EXPECT_EQ(canvas.runs[2].text, "<");
    canvas.runs.clear();
    Draw("<c000000<unfinished");
    ASSERT_EQ(canvas.runs.size(), 1u);
    EXPECT_EQ(canvas.runs[0].text, "<c000000<unfinished");
}

TEST_F(MarkupTextTest, EmptyTextStillLetsGoOfTheFontItRead) {
    Draw("");
    EXPECT_TRUE(canvas.runs.empty());
    EXPECT_EQ(fonts.made, 0);
}

TEST_F(MarkupTextTest, ThousandsOfTagsAreAllApplied) {
    std::string text;
    for (int i = 0; i < 3000; ++i) text += i % 2 == 0 ? "<b>" : "</b>";
    text += "<u>end";
    Draw(text);
    ASSERT_EQ(canvas.runs.size(), 1u);
    EXPECT_EQ(canvas.runs[0].font.style, kFontStyleUnderline);
    EXPECT_EQ(fonts.made, 3001);
}

TEST_F(MarkupTextTest, TokenizerSplitsRunsAndTags) {
    MarkupTokenizer tokens(" a <B>bc </b><");
    std::vector<std::pair<std::string, bool>> seen;
    MarkupToken token;
    while (tokens.Next(token)) seen.emplace_back(std::string(token.text), token.isTag);
    const std::vector<std::pair<std::string, bool>> expected = {
        {" a ", false}, {"B", true}, {"bc ", false}, {"/b", true}, {"<", false}};
    EXPECT_EQ(seen, expected);
}

}  // namespace
