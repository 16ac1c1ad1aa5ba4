#include "core/report/ReportLines.h"

#include <gtest/gtest.h>

TEST(ReportLines, LinesPastTheLimitAreDropped) {
    ReportLines lines;
    for (size_t i = 0; i < kMaxReportLines + 5; ++i) lines.AddLine("x");
    lines.AddText("%s", "late");
    EXPECT_EQ(lines.Lines().size(), 9999u);
    EXPECT_EQ(lines.Lines().back(), "x");
}

TEST(ReportLines, FormattedTextIsCutButAPlainLineIsKeptWhole) {
    ReportLines lines;
    const std::string longText(20000, 'a');
    lines.AddText("%s", longText.c_str());
    lines.AddLine(longText);
    lines.AddText("%d - %s", 7, "%s stays as it is");
    EXPECT_EQ(lines.Lines()[0].size(), 10240u);
    EXPECT_EQ(lines.Lines()[1].size(), 20000u);
    EXPECT_EQ(lines.Lines()[2], "7 - %s stays as it is");
}

TEST(ReportLines, JoiningStopsOnceTheTextIsLongerThan90000) {
    ReportLines lines;
    lines.AddLine("a");
    lines.AddLine(std::string(89996, 'b'));  // 3 + 89998 = 90001 characters with their line ends
    lines.AddLine("not joined");
    EXPECT_EQ(lines.Join(), "a\r\n" + std::string(89996, 'b') + "\r\n");

    ReportLines exact;
    exact.AddLine(std::string(89998, 'c'));  // exactly 90000 with its line end: the next one still comes
    exact.AddLine("joined");
    EXPECT_EQ(exact.Join().substr(90000), "joined\r\n");
}
