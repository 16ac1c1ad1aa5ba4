#include "core/base/Version.h"

#include <gtest/gtest.h>

namespace {

TEST(Version, FourDigitBuild) {
    VersionRecord version;
    ASSERT_TRUE(ParseVersionStamp("01.02.01.0005", version));
    EXPECT_EQ(version.major, 1);
    EXPECT_EQ(version.minor, 2);
    EXPECT_EQ(version.revision, 1);
    EXPECT_EQ(version.build, 5);
    EXPECT_EQ(version.number, 102010005u);
    EXPECT_STREQ(version.text, "01.02.01.0005");
}

TEST(Version, TwoDigitBuild) {
    VersionRecord version;
    ASSERT_TRUE(ParseShortVersionStamp("01.02.01.05", version));
    EXPECT_EQ(version.number, 1020105u);
}

TEST(Version, BuildsOfAnyWidthAreReadWholeAndOrderAsTuples) {
    // A four-digit build read by the short form is not cut to its first two digits, so two
    // builds that share those digits still order correctly.
    VersionRecord older, newer, short5;
    ASSERT_TRUE(ParseShortVersionStamp("01.02.01.0512", older));
    ASSERT_TRUE(ParseShortVersionStamp("01.02.01.0599", newer));
    EXPECT_EQ(older.build, 512);
    EXPECT_TRUE(CompareVersions(older, newer) < 0);
    // The two forms of one version read as the same tuple.
    ASSERT_TRUE(ParseShortVersionStamp("1.2.1.5", short5));
    VersionRecord long5;
    ASSERT_TRUE(ParseVersionStamp("01.02.01.0005", long5));
    EXPECT_TRUE(CompareVersions(short5, long5) == 0);
}

TEST(Version, MalformedStampsGiveVersionZero) {
    for (const char* bad : {"", "01.02.01", "01.02.01.", "01.02.01.00x5", "a1.02.01.0005", "01-02-01-0005",
                            "256.00.00.0000", "01.02.01.1234567890", ".02.01.0005", "01..01.0005"}) {
        VersionRecord version;
        version.major = 9;
        EXPECT_FALSE(ParseVersionStamp(bad, version)) << bad;
        EXPECT_FALSE(ParseShortVersionStamp(bad, version)) << bad;
        EXPECT_EQ(version.major, 0) << bad;
        EXPECT_EQ(version.number, 0u) << bad;
        EXPECT_STREQ(version.text, "") << bad;
    }
}

TEST(Version, LongTextIsCutAndOrderingSurvivesTheWrappingNumber) {
    VersionRecord high, low;
    ASSERT_TRUE(ParseVersionStamp("43.00.00.0000 and more text", high));
    EXPECT_EQ(std::string(high.text).size(), sizeof high.text - 1);
    ASSERT_TRUE(ParseVersionStamp("42.00.00.0000", low));
    EXPECT_LT(high.number, low.number);  // the documented number wraps
    EXPECT_TRUE(CompareVersions(high, low) > 0);
    EXPECT_TRUE(CompareVersions(low, low) == 0);
}

}  // namespace
