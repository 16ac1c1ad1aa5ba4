#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(InstallerFields, EachArgumentArrivesIntact) {
    // A blank, slashes, a double quote, a bare word and an empty argument: each is one field.
    const Arguments args = {"/opt/My Games/riv", "/tmp/set\"up \"/etc/evil", "Game.gam"};
    InstallerFields fields = ParseInstallerFields(args);
    ASSERT_EQ(fields.error, CommandLineError::None);
    EXPECT_EQ(fields.launchPath, "/opt/My Games/riv");
    EXPECT_EQ(fields.setupFilePath, "/tmp/set\"up \"/etc/evil");
    EXPECT_EQ(fields.gameFile, "Game.gam");

    fields = ParseInstallerFields(Arguments{"/a", "", "\""});
    ASSERT_EQ(fields.error, CommandLineError::None);
    EXPECT_EQ(fields.setupFilePath, "");
    EXPECT_EQ(fields.gameFile, "\"");
}

TEST(InstallerFields, AFirstArgumentThatIsNoWholePathIsTheUnexpectedStart) {
    for (const Arguments& args : {Arguments{}, Arguments{"plain", "words"}, Arguments{"", "/b"},
                                  Arguments{"\"/a\"", "/b"}, Arguments{"relative/riv", "/b"}}) {
        EXPECT_EQ(ParseInstallerFields(args).error, CommandLineError::MissingFirstField) << args.size();
    }
    EXPECT_NE(BadStartText(CommandLineError::MissingFirstField).find("unexpected manner"), std::string_view::npos);
}

TEST(InstallerFields, AMissingSecondArgumentIsTheDraggedFile) {
    InstallerFields fields = ParseInstallerFields(Arguments{"/home/u/a b.gam"});
    EXPECT_EQ(fields.error, CommandLineError::MissingSecondField);
    EXPECT_NE(BadStartText(fields.error).find("drag this Rivakel"), std::string_view::npos);
}

TEST(InstallerFields, TheThirdIsOptionalAndLaterArgumentsAreNotRead) {
    InstallerFields two = ParseInstallerFields(Arguments{"/a", "/b"});
    EXPECT_EQ(two.error, CommandLineError::None);
    EXPECT_EQ(two.gameFile, "");
    InstallerFields four = ParseInstallerFields(Arguments{"/a", "/b", "/c", "/d"});
    EXPECT_EQ(four.error, CommandLineError::None);
    EXPECT_EQ(four.gameFile, "/c");
}

TEST(InstallerFields, LongFieldsAreKeptWhole) {
    const std::string longPath = "/" + std::string(40000, 'p');
    InstallerFields fields = ParseInstallerFields(Arguments{longPath, longPath, longPath});
    ASSERT_EQ(fields.error, CommandLineError::None);
    EXPECT_EQ(fields.launchPath.size(), 40001u);
    EXPECT_EQ(fields.setupFilePath, longPath);
    EXPECT_EQ(fields.gameFile, longPath);
}

TEST(ScanStartOptions, KeywordsCountOnlyAsWholeArguments) {
    EXPECT_TRUE(ScanStartOptions(Arguments{"BIGWIN"}).bigWindow);
    EXPECT_FALSE(ScanStartOptions(Arguments{"/games/BIGWIN"}).bigWindow);
    EXPECT_FALSE(ScanStartOptions(Arguments{"/x/HWND 5"}).embedded);
    EXPECT_FALSE(ScanStartOptions(Arguments{"BIGWIN "}).bigWindow);
    EXPECT_FALSE(ScanStartOptions(Arguments{"MYBIGWIN", "HWNDX"}).bigWindow);
    EXPECT_FALSE(ScanStartOptions(Arguments{"HWNDX"}).embedded);
}

TEST(ScanStartOptions, WindowNumberFollowsHwnd) {
    StartOptions separate = ScanStartOptions(Arguments{"HWND", "12345", "BIGWIN"});
    EXPECT_TRUE(separate.embedded);
    EXPECT_EQ(separate.parentWindow, 12345);
    EXPECT_TRUE(separate.bigWindow);
    EXPECT_EQ(ScanStartOptions(Arguments{"HWND777"}).parentWindow, 777);
}

TEST(ScanStartOptions, HwndWithoutAUsableNumberIsStillEmbedded) {
    for (const Arguments& args : {Arguments{"HWND"}, Arguments{"HWND", "-5"}, Arguments{"HWND", "abc"},
                                  Arguments{"HWND", "\"7\""}, Arguments{"HWND", "7 8"}}) {
        StartOptions options = ScanStartOptions(args);
        EXPECT_TRUE(options.embedded) << args[1 % args.size()];
        EXPECT_EQ(options.parentWindow, 0) << args[1 % args.size()];
    }
    EXPECT_EQ(ScanStartOptions(Arguments{"HWND", "99999999999999999999999999"}).parentWindow, INT64_MAX);
}

TEST(WithoutStartOptions, LeavesTheOtherArgumentsInOrder) {
    EXPECT_EQ(WithoutStartOptions(Arguments{"BIGWIN"}), Arguments{});
    EXPECT_EQ(WithoutStartOptions(Arguments{"HWND", "12", "BIGWIN"}), Arguments{});
    EXPECT_EQ(WithoutStartOptions(Arguments{"/a", "BIGWIN", "/b", "HWND7"}), (Arguments{"/a", "/b"}));
    EXPECT_EQ(WithoutStartOptions(Arguments{"/x/BIGWIN"}), Arguments{"/x/BIGWIN"});
    EXPECT_EQ(WithoutStartOptions(Arguments{"HWND", "abc"}), Arguments{"abc"});
}

TEST(RmlFiles, AreFoundInAnyCaseAndKeepTheirPath) {
    EXPECT_EQ(RmlFileIn(Arguments{"/home/U/Mail/Hello There.RML"}), "/home/U/Mail/Hello There.RML");
    EXPECT_EQ(RmlFileIn(Arguments{"BIGWIN", "note.rml"}), "note.rml");
    EXPECT_EQ(RmlFileIn(Arguments{"/home/u/Mail/x\" \"/tmp/other.rml"}), "/home/u/Mail/x\" \"/tmp/other.rml");
    EXPECT_FALSE(RmlFileIn(Arguments{"/a.rml.bak", "b"}));
    EXPECT_FALSE(RmlFileIn(Arguments{"/x.rm"}));
}

}  // namespace
