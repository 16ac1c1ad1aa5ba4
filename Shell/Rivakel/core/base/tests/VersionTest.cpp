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
    // A four-digit stamp read in the short form keeps its first two build digits.
    ASSERT_TRUE(ParseShortVersionStamp("01.02.01.0512", version));
    EXPECT_EQ(version.build, 5);
}

TEST(Version, MalformedStampsGiveVersionZero) {
    for (const char* bad : {"", "01.02.01.000", "01.02.01", "01.02.01.00x5", "a1.02.01.0005", "01-02-01-0005"}) {
        VersionRecord version;
        version.major = 9;
        EXPECT_FALSE(ParseVersionStamp(bad, version)) << bad;
        EXPECT_EQ(version.major, 0) << bad;
        EXPECT_EQ(version.number, 0u) << bad;
        EXPECT_STREQ(version.text, "") << bad;
    }
    VersionRecord version;
    EXPECT_FALSE(ParseShortVersionStamp("01.02.01.5", version));
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
