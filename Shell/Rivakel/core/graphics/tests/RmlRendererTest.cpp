#include <climits>

#include "core/base/Log.h"
#include "core/graphics/RmlSplitter.h"
#include "core/graphics/SurfaceServices.h"
#include "core/graphics/tests/RmlTestSupport.h"

// The bitmap font at 18 pixels: advance 12, cell 20, line height 22, blank and period 12.
namespace {

constexpr platform::Rect kPage{0, 0, 300, 200};

TEST(SplitRml, KeepsBlanksInsideRunsAndDropsRunsOfBlanksOnly) {
    const RmlSplit split = SplitRml("<B>Hello </B> \r\n\t<I>World");
    ASSERT_EQ(split.runs.size(), 5u);
    EXPECT_EQ(split.runs[1].text, "Hello ");
    EXPECT_TRUE(split.runs[3].tag);
    EXPECT_EQ(split.runs[3].text, "I");
}

TEST(SplitRml, AnUnterminatedTagEndsTheTextAndAnAmpersandSpoilsIt) {
    EXPECT_EQ(SplitRml("Hi <B").runs.size(), 1u);
    EXPECT_EQ(SplitRml("<").runs.size(), 0u);
    EXPECT_EQ(SplitRml("<>").runs.size(), 1u);
    const RmlSplit bad = SplitRml("Fish <B>&</B> Chips");
    EXPECT_EQ(bad.badCharacter, '&');
    EXPECT_TRUE(bad.runs.empty());
    EXPECT_EQ(SplitRml("<F A&B>100%").badCharacter, 0);  // inside a tag, and '%', are text
}

TEST_F(RmlTest, CentredTextLiesInTheMiddleOfABoxThatDoesNotStartAtZero) {
    auto image = NewImage();
    ASSERT_EQ(Render(*image, "<C>Hi</C>", {100, 10, 300, 100}), 0);
    EXPECT_TRUE(SamePixels(*image, *Expected({{"Hi", 188, 10}})));
}

TEST_F(RmlTest, SizeStepsStopAtTheEndsOfTheTableAndBadStepsAreIgnored) {
    auto image = NewImage();
    Render(*image, "<S-><S-><S-><S-><S-><S->x", kPage);
    EXPECT_EQ(image->GetFont()->Size(), 8);
    Render(*image, "<S0><S+>x", kPage);
    EXPECT_EQ(image->GetFont()->Size(), 24);
    Render(*image, "<s3><S9><S><S/><SX>x", kPage);
    EXPECT_EQ(image->GetFont()->Size(), 12);
}

TEST_F(RmlTest, AWordLongerThanTheBoxIsCutWhereItStopsFitting) {
    auto image = NewImage();
    Render(*image, "ABCDEFGHIJ", {0, 0, 50, 200});
    // The first line is as tall as its text, the next ones take the font's line height.
    EXPECT_TRUE(SamePixels(*image, *Expected({{"ABCD", 0, 0}, {"EFGH", 0, 20}, {"IJ", 0, 42}})));
}

TEST_F(RmlTest, WrapsAtTheLastBlankThatFitsAndDropsIt) {
    auto image = NewImage();
    Render(*image, "Hello big World", {0, 0, 100, 200});
    EXPECT_TRUE(SamePixels(*image, *Expected({{"Hello", 0, 0}, {"big", 0, 20}, {"World", 0, 42}})));
}

TEST_F(RmlTest, AWordThatDoesNotFitTheRestOfALineStartsTheNextWhole) {
    auto image = NewImage();
    Render(*image, "ABCDE<I>FGHIJ</I>", {0, 0, 100, 200});
    EXPECT_TRUE(SamePixels(*image, *Expected({{"ABCDE", 0, 0}, {"FGHIJ", 0, 20, 18, kFontItalic}})));
}

TEST_F(RmlTest, BoxesNarrowerThanACharacterStillTakeOneCharacterPerLine) {
    auto image = NewImage(5, 100);
    Render(*image, "ABC", {0, 0, 5, 100});
    EXPECT_TRUE(SamePixels(*image, *Expected({{"A", 0, 0}, {"B", 0, 20}, {"C", 0, 42}}, 5, 100)));

    FakeLinkFactory links;
    Render(*image, "<A1>ABC</A>", {10, 0, 10, 400}, &links);
    Render(*image, "<A2>ABCD</A>", {100, 0, 50, 400}, &links);
    ASSERT_EQ(links.made.size(), 7u);
    for (const MadeLink& link : links.made) EXPECT_EQ(link.label.size(), 1u);
    EXPECT_EQ(links.made[6].area.left, 100);
    EXPECT_EQ(links.made[6].area.top, 20 + 22 + 22);
}

TEST_F(RmlTest, EllipsisShortensTheTextAndPutsTheDotsAfterIt) {
    auto image = NewImage();
    Render(*image, "<E>ABCDEFGHIJ</E>", {0, 0, 100, 50});
    EXPECT_TRUE(SamePixels(*image, *Expected({{"ABCD", 12, 0}, {"...", 60, 0}})));
    EXPECT_EQ(RmlPublishedState().lastTextEnd, (platform::Point{96, 0}));

    auto edge = NewImage();
    Render(*edge, "<E>ABCDEFGHIJ", {0, 0, 100, 50}, nullptr, 0, 90, 0);  // not even the dots fit
    EXPECT_TRUE(SamePixels(*edge, *Expected({})));
}

TEST_F(RmlTest, NoWrapDrawsTheRunWholeOneBlankInAndTheBoxClipsIt) {
    auto image = NewImage(50, 50);
    Render(*image, "<N>ABCDEFGHIJ</N>", {0, 0, 50, 50});
    EXPECT_TRUE(SamePixels(*image, *Expected({{"ABCDEFGHIJ", 12, 0}}, 50, 50)));
}

TEST_F(RmlTest, ALinkLabelBecomesANumberedUnderlinedLinkDrawnOnlyByTheLink) {
    auto image = NewImage();
    FakeLinkFactory links;
    Render(*image, "<A12>Play</A>", kPage, &links);
    ASSERT_EQ(links.made.size(), 1u);
    const MadeLink& link = links.made[0];
    EXPECT_EQ(link.label, "Play");
    EXPECT_EQ(link.number, 12);
    EXPECT_EQ(link.area, (platform::Rect{0, 0, 50, 32}));  // width + 2, blank + text height
    EXPECT_EQ(link.style & kFontUnderline, kFontUnderline);
    EXPECT_EQ(link.sizeIndex, 1);
    EXPECT_EQ(RmlPublishedState().linkStyle, link.style);
    EXPECT_EQ(image->LinkAreaCount(), 1u);
    EXPECT_TRUE(SamePixels(*image, *Expected({})));
    EXPECT_EQ(image->GetFont()->Style(), 0);  // the closing tag takes the underline off

    image->ClearToColor(0, 0, 0);
    EXPECT_EQ(image->LinkAreaCount(), 0u);
    Render(*image, "<A12>Play</A>", kPage);  // without links the label is plain underlined text
    EXPECT_TRUE(SamePixels(*image, *Expected({{"Play", 0, 0, 18, kFontUnderline}})));
}

TEST_F(RmlTest, LinkNumbersReadFiveDigitsAndCarryOverInOneTextOnly) {
    auto image = NewImage();
    FakeLinkFactory links;
    Render(*image, "<A123456>x</A> <A>y</A>", kPage, &links);
    Render(*image, "<A>z</A>", kPage, &links);
    ASSERT_EQ(links.made.size(), 3u);
    EXPECT_EQ(links.made[0].number, 12345);
    EXPECT_EQ(links.made[1].number, 12345);
    EXPECT_EQ(links.made[2].number, -1);
}

TEST_F(RmlTest, AWrappedLabelGivesOneLinkPerLineWithTheSameNumber) {
    auto image = NewImage();
    FakeLinkFactory links;
    Render(*image, "<A3>Hello World</A>", {0, 0, 100, 200}, &links);
    ASSERT_EQ(links.made.size(), 2u);
    EXPECT_EQ(links.made[0].label, "Hello");
    EXPECT_EQ(links.made[1].label, "World");
    EXPECT_EQ(links.made[1].area.top, 20);
    EXPECT_EQ(links.made[1].number, 3);
}

TEST_F(RmlTest, ColourTagsReadOnlyTheirOwnDigitsInEitherCase) {
    auto image = NewImage();
    Render(*image, "<CFF0000>Red", kPage);
    EXPECT_TRUE(SamePixels(*image, *Expected({{"Red", 0, 0, 18, 0, 0xFF0000}})));
    auto lower = NewImage();
    Render(*lower, "<cff0000>Red", kPage);
    EXPECT_TRUE(SamePixels(*lower, *image));

    Render(*image, "<C12>", kPage);
    EXPECT_EQ(image->GetTextColor().Value(), 0x120000u);
    Render(*image, "<C00ff00></C0000ff>", kPage);
    EXPECT_EQ(image->GetTextColor().Value(), 0x0000FFu);
    Render(*image, "<Cgggggg>", kPage);
    EXPECT_EQ(image->GetTextColor().Value(), 0u);
}

TEST_F(RmlTest, AnAmpersandIsRefusedWithNothingDrawnUnlessItBeginsAnEntityAndAPercentSignIsText) {
    for (const char* refused : {"Fish <B>&</B> Chips", "R&D", "&amp", "&LT;"}) {
        auto image = NewImage();
        EXPECT_EQ(Render(*image, refused, kPage), kRmlBadCharacter) << refused;
        EXPECT_TRUE(SamePixels(*image, *Expected({}))) << refused;
        ASSERT_FALSE(ErrorList().empty());
        EXPECT_NE(ErrorList().back().find("Unhandled character (&) in RML string"), std::string::npos);
    }
    auto image = NewImage();
    EXPECT_EQ(Render(*image, "100%", kPage), 0);
    EXPECT_TRUE(SamePixels(*image, *Expected({{"100%", 0, 0}})));
    auto entities = NewImage();
    EXPECT_EQ(Render(*entities, "<C>Ivy &lt;I&gt; &amp;amp;</C>", kPage), 0);
    EXPECT_TRUE(SamePixels(*entities, *Expected({{"Ivy <I> &amp;", (300 - 13 * 12) / 2, 0}})));
}

TEST_F(RmlTest, LineEndsRightAfterATagVanishAndOthersPartWords) {
    auto image = NewImage();
    Render(*image, "A<BR>\r\nB\nC\n<I>D</I>", kPage);
    EXPECT_TRUE(SamePixels(*image, *Expected({{"A", 0, 0}, {"B C", 0, 20}, {"D", 48, 20}})));
}

TEST_F(RmlTest, BlanksInsideARunAreKeptAndRunsOfBlanksBetweenTagsDropped) {
    auto image = NewImage();
    Render(*image, "<B>Hello </B>World", kPage);
    EXPECT_TRUE(SamePixels(*image, *Expected({{"Hello ", 0, 0, 18, kFontBold}, {"World", 84, 0}})));
    auto dropped = NewImage();
    Render(*dropped, "<B>A</B> \n <I>B</I>", kPage);
    EXPECT_TRUE(SamePixels(*dropped, *Expected({{"A", 0, 0, 18, kFontBold}, {"B", 14, 0, 18, kFontItalic}})));
}

TEST_F(RmlTest, BreaksParagraphsAndHeadings) {
    auto image = NewImage();
    Render(*image, "A<BR>B<br>", kPage);
    EXPECT_TRUE(SamePixels(*image, *Expected({{"A", 0, 0}, {"B", 0, 20}})));

    auto paragraph = NewImage();
    Render(*paragraph, "<P>A", kPage);  // the first break of a text has no line above it
    EXPECT_TRUE(SamePixels(*paragraph, *Expected({{"A", 0, 22}})));

    auto heading = NewImage();
    Render(*heading, "<H2>Title", kPage);
    EXPECT_TRUE(SamePixels(*heading, *Expected({{"Title", 0, 22, 18, kFontBold}})));

    auto ignored = NewImage();
    Render(*ignored, "<H0><H7><H12><H>x", kPage);
    EXPECT_TRUE(SamePixels(*ignored, *Expected({{"x", 0, 0}})));
}

TEST_F(RmlTest, FaceNamesAreCutToThirtyOneCharacters) {
    auto image = NewImage();
    Render(*image, "<F" + std::string(300, 'a') + ">x", kPage);
    EXPECT_EQ(image->GetFont()->Face(), std::string(31, 'a'));
    Render(*image, "<FTimes><F>x", kPage);
    EXPECT_EQ(image->GetFont()->Face(), "Times");
}

TEST_F(RmlTest, ShadowIsDrawnInBlackOnePixelDownAndRight) {
    auto image = NewImage(kWidth, kHeight, 0x0000FF);
    Render(*image, "<SH>X</SH>", kPage);
    EXPECT_TRUE(SamePixels(*image, *Expected({{"X", 1, 1, 18, 0, 0}, {"X", 0, 0}}, kWidth, kHeight, 0x0000FF)));
    EXPECT_EQ(image->GetTextColor().Value(), 0xFFFFFFu);
}

TEST_F(RmlTest, ClosingTheTransparentTagFillsTheTextBackground) {
    auto image = NewImage();
    image->SetBackgroundColor(0, 255, 0);
    Render(*image, "</T>X", kPage);
    EXPECT_FALSE(image->Transparent());
    EXPECT_EQ(InkBox(*image, 0x00FF00), (platform::Rect{0, 0, 12, 20}));
}

TEST_F(RmlTest, APlainRunIsDrawnAsWrittenUpToItsLength) {
    auto image = NewImage();
    EXPECT_EQ(RenderRMLText(*image, &fonts_, 0, 0, kPage, kRmlPlainRun, std::string_view("<B>&amp;", 5), nullptr), 0);
    EXPECT_TRUE(SamePixels(*image, *Expected({{"<B>&a", 0, 0}})));
}

TEST_F(RmlTest, HugeCoordinatesAndManyRunsFinishWithoutOverflow) {
    auto image = NewImage();
    FakeLinkFactory links;
    EXPECT_EQ(RenderRMLText(*image, &fonts_, INT_MAX, INT_MAX, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 0,
                            "<C><A1>far away</A> words", &links),
              0);
    EXPECT_EQ(RenderRMLText(*image, &fonts_, INT_MIN, INT_MIN, {INT_MAX, INT_MAX, INT_MIN, INT_MIN}, 0,
                            "<E>words</E><N>more words", &links),
              0);

    // A fresh image: the centring left on above stays with the image it was drawn on.
    auto fresh = NewImage();
    std::string many;
    for (int i = 0; i < 3400; ++i) many += "<B>x</B> y ";
    EXPECT_EQ(Render(*fresh, many, kPage), 0);
    EXPECT_GT(RmlPublishedState().lastTextEnd.y, kPage.bottom);
}

TEST_F(RmlTest, DrawRmlUsesTheWholeImageWithoutABoxAndTellsTheUsers) {
    struct CountingUser : IImageUser {
        void OnImageChanging(CImage&) override { ++changes; }
        int changes = 0;
    } user;
    SurfaceServices& services = CurrentSurfaceServices();
    CSubsystem_Font* before = services.fonts;
    services.fonts = &fonts_;
    auto image = NewImage();
    image->AddUser(&user);
    EXPECT_EQ(image->DrawRML("<B>Hi", 0, 0, nullptr, 0, nullptr), 0);
    EXPECT_EQ(user.changes, 1);
    EXPECT_TRUE(SamePixels(*image, *Expected({{"Hi", 0, 0, 18, kFontBold}})));
    EXPECT_EQ(image->DrawRML("a&b", 0, 0, nullptr, 0, nullptr), kRmlBadCharacter);
    image->RemoveUser(&user);
    services.fonts = before;
}

}  // namespace
