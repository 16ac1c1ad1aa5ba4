#include "core/app/CommandLine.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

TEST(JoinArguments, QuotesPathsAndBlanksButNotKeywords) {
    std::array<const char*, 4> args = {"BIGWIN", "/home/u/My Games/a.gam", "plain", ""};
    EXPECT_EQ(JoinArguments(args), "BIGWIN \"/home/u/My Games/a.gam\" plain \"\"");
    EXPECT_EQ(JoinArguments(std::span<const char* const>()), "");
}

TEST(JoinArguments, InstallerArgumentsParseBackIntoTheirFields) {
    std::array<const char*, 3> args = {"/opt/riv/launch", "/tmp/setup file", "/home/u/Game.gam"};
    QuotedFields fields = ParseQuotedFields(JoinArguments(args));
    ASSERT_EQ(fields.error, CommandLineError::None);
    EXPECT_EQ(fields.launchPath, "/opt/riv/launch");
    EXPECT_EQ(fields.setupFilePath, "/tmp/setup file");
    EXPECT_EQ(fields.gameFile, "/home/u/Game.gam");
    // A game file named without a folder is joined without quotes and still read back.
    args[2] = "Game.gam";
    EXPECT_EQ(ParseQuotedFields(JoinArguments(args)).gameFile, "Game.gam");
}

TEST(JoinArguments, QuotesInsideAnArgumentNeverSplitItIntoMoreFields) {
    std::array<const char*, 2> crafted = {"/home/u/a\" \"/etc/evil", "/tmp/setup"};
    QuotedFields fields = ParseQuotedFields(JoinArguments(crafted));
    ASSERT_EQ(fields.error, CommandLineError::None);
    EXPECT_EQ(fields.launchPath, "/home/u/a /etc/evil");
    EXPECT_EQ(fields.setupFilePath, "/tmp/setup");
    EXPECT_EQ(fields.gameFile, "");

    std::array<const char*, 1> mail = {"/home/u/Mail/x\" \"/tmp/other.rml"};
    EXPECT_EQ(RmlPathFrom(JoinArguments(mail)), "/home/u/Mail/x /tmp/other.rml");
}

TEST(ScanStartOptions, KeywordsCountOnlyAsWholeWordsOutsideQuotes) {
    EXPECT_TRUE(ScanStartOptions("BIGWIN").bigWindow);
    EXPECT_FALSE(ScanStartOptions("\"/games/BIGWIN\"").bigWindow);
    EXPECT_FALSE(ScanStartOptions("\"/x/HWND 5\"").embedded);
    EXPECT_FALSE(ScanStartOptions("MYBIGWIN HWNDX").bigWindow);
    EXPECT_FALSE(ScanStartOptions("HWNDX").embedded);
}

TEST(ScanStartOptions, WindowNumberFollowsHwnd) {
    StartOptions separate = ScanStartOptions("HWND 12345 BIGWIN");
    EXPECT_TRUE(separate.embedded);
    EXPECT_EQ(separate.parentWindow, 12345);
    EXPECT_TRUE(separate.bigWindow);
    EXPECT_EQ(ScanStartOptions("HWND777").parentWindow, 777);
}

TEST(ScanStartOptions, HwndWithoutAUsableNumberIsStillEmbedded) {
    for (const char* line : {"HWND", "HWND -5", "HWND abc", "HWND \"7\""}) {
        StartOptions options = ScanStartOptions(line);
        EXPECT_TRUE(options.embedded) << line;
        EXPECT_EQ(options.parentWindow, 0) << line;
    }
    EXPECT_EQ(ScanStartOptions("HWND 99999999999999999999999999").parentWindow, INT64_MAX);
}

TEST(WithoutStartOptions, LeavesOnlyTheFieldsInTheirOriginalForm) {
    EXPECT_EQ(WithoutStartOptions("BIGWIN"), "");
    EXPECT_EQ(WithoutStartOptions("HWND 12 BIGWIN"), "");
    EXPECT_EQ(WithoutStartOptions("BIGWIN \"a\" \"b\""), "\"a\" \"b\"");
    EXPECT_EQ(WithoutStartOptions("\"a\" BIGWIN \"b\" HWND7"), "\"a\"  \"b\"");
    EXPECT_EQ(WithoutStartOptions("\"/x/BIGWIN\""), "\"/x/BIGWIN\"");
    EXPECT_EQ(WithoutStartOptions("BIGWIN \"unterminated"), "\"unterminated");
    EXPECT_EQ(WithoutStartOptions("HWND abc"), "abc");
}

TEST(RmlFiles, AreFoundInAnyCaseAndKeepTheirPath) {
    EXPECT_TRUE(NamesRmlFile("\"/home/U/Mail/Hello.RML\""));
    EXPECT_EQ(RmlPathFrom("\"/home/U/Mail/Hello.RML\""), "/home/U/Mail/Hello.RML");
    EXPECT_TRUE(NamesRmlFile("note.rml"));
    EXPECT_EQ(RmlPathFrom("note.rml"), "note.rml");
    EXPECT_FALSE(NamesRmlFile("\"/a.rml.bak\" \"b\""));
    EXPECT_FALSE(NamesRmlFile("\"/x.rm\""));
}

TEST(ParseQuotedFields, MissingFirstQuoteIsTheUnexpectedStart) {
    for (const char* line : {"", "plain", " \"a\" \"b\"", "\"unterminated"}) {
        EXPECT_EQ(ParseQuotedFields(line).error, CommandLineError::MissingFirstQuote) << line;
    }
    EXPECT_NE(BadStartText(CommandLineError::MissingFirstQuote).find("unexpected manner"), std::string_view::npos);
}

TEST(ParseQuotedFields, MissingSecondFieldIsTheDraggedFile) {
    QuotedFields fields = ParseQuotedFields("\"/home/u/a b.gam\"");
    EXPECT_EQ(fields.error, CommandLineError::MissingSecondQuote);
    EXPECT_NE(BadStartText(fields.error).find("drag this Rivakel"), std::string_view::npos);
    EXPECT_EQ(ParseQuotedFields("\"a\" b c").error, CommandLineError::MissingSecondQuote);
}

TEST(ParseQuotedFields, ThirdFieldIsOptionalAndUnterminatedFieldsRunToTheEnd) {
    QuotedFields two = ParseQuotedFields("\"a\" \"b\"");
    EXPECT_EQ(two.error, CommandLineError::None);
    EXPECT_EQ(two.gameFile, "");
    QuotedFields open = ParseQuotedFields("\"a\" \"b\" \"c");
    EXPECT_EQ(open.gameFile, "c");
    QuotedFields openSecond = ParseQuotedFields("\"a\" \"b");
    EXPECT_EQ(openSecond.error, CommandLineError::None);
    EXPECT_EQ(openSecond.setupFilePath, "b");
}

TEST(ParseQuotedFields, LongFieldsAreKeptWhole) {
    const std::string longPath(40000, 'p');
    QuotedFields fields = ParseQuotedFields("\"" + longPath + "\" \"" + longPath + "\" \"" + longPath + "\"");
    ASSERT_EQ(fields.error, CommandLineError::None);
    EXPECT_EQ(fields.launchPath.size(), 40000u);
    EXPECT_EQ(fields.setupFilePath, longPath);
    EXPECT_EQ(fields.gameFile, longPath);
}

}  // namespace
