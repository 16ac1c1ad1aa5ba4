#include "Apps/Common/DrawMarkupTextF.h"

#include <gtest/gtest.h>

#include <string>

#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/tests/MarkupTestDoubles.h"

using namespace markup_test;

namespace {

class DrawMarkupTextFTest : public ::testing::Test {
protected:
    void SetUp() override { Globals().factory = &fonts; }
    void TearDown() override {
        Globals().factory = nullptr;
        EXPECT_EQ(LiveFonts(), 0);
    }
    std::string Drawn() const {
        std::string all;
        for (const DrawnRun& run : canvas.runs) all += run.text;
        return all;
    }

    RecordingCanvas canvas{100000};
    FontFactory fonts;
};

TEST_F(DrawMarkupTextFTest, ArgumentsAreTextNotFormats) {
    DrawMarkupTextF(&canvas, 5, 7, "<b>%s</b> %d", "50% off %s", 1200);
    EXPECT_EQ(Drawn(), "50% off %s 1200");
    ASSERT_FALSE(canvas.runs.empty());
    EXPECT_EQ(canvas.runs[0].y, 7);
}

TEST_F(DrawMarkupTextFTest, LongResultIsCutNotOverflowed) {
    const std::string name(9000, 'n');
    DrawMarkupTextF(&canvas, 0, 0, "%s!", name.c_str());
    EXPECT_EQ(Drawn(), std::string(kMarkupFormatBytes - 1, 'n'));
}

}  // namespace
