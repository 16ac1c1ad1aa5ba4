#include "core/base/Strings.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(Strings, CopiesAreCutToTheDestination) {
    char small[6];
    EXPECT_STREQ(SafeStrCpy(small, "overflowing"), "overf");
    EXPECT_STREQ(SafeStrCpy(small, nullptr), "");
    EXPECT_STREQ(StrCopyN(small, "abcdef", 3), "abc");
    // A source shorter than the count stops at its end.
    EXPECT_STREQ(StrCopyN(small, "ab", 4), "ab");
    SafeStrCpy(small, "ab");
    EXPECT_STREQ(SafeStrCat(small, nullptr), "ab");
    EXPECT_STREQ(SafeStrCat(small, "cdefgh"), "abcde");
    EXPECT_EQ(FormatString(small, "%d-%s", 12345, "zz"), 5u);
    EXPECT_STREQ(small, "12345");
    EXPECT_EQ(FormatToString("%s:%03d", "a", 7), "a:007");
}

TEST(Strings, EmptyDestinationIsNeverWritten) {
    char guard = 'g';
    std::span<char> none(&guard, 0);
    SafeStrCpy(none, "x");
    SafeStrCat(none, "x");
    EXPECT_EQ(FormatString(none, "x"), 0u);
    EXPECT_EQ(guard, 'g');
}

TEST(Strings, Comparisons) {
    EXPECT_EQ(StrCmp("abc", "abcd"), -1);
    EXPECT_EQ(StrCmp("abc", "abc"), 0);
    EXPECT_EQ(StrCmp("\xe9", "z"), 1);  // unsigned bytes
    EXPECT_EQ(StrCmp(nullptr, ""), 0);
    EXPECT_EQ(StrCmpI("CardBack.GIF", "cardback.gif"), 0);
    EXPECT_EQ(StrCmpI("\xc9T\xc9", "\xe9t\xe9"), 0);  // cp1252 accented capitals
    EXPECT_LT(StrCmpI("abc", "ABCD"), 0);
    EXPECT_TRUE(EqualsNoCase("\x8a", "\x9a"));
}

TEST(Strings, LowerTouchesOnlyAsciiCapitals) {
    char text[] = "AbZ\xc9\0Q";
    StrLower(text);
    EXPECT_EQ(std::string(text, 6), std::string("abz\xc9\0Q", 6));
}

TEST(Strings, NumberText) {
    char buffer[33];
    EXPECT_STREQ(ULongToStr(255, buffer, 16), "ff");
    EXPECT_STREQ(ULongToStr(UINT32_MAX, buffer, 2), std::string(32, '1').c_str());
    EXPECT_STREQ(ULongToStr(0, buffer, 10), "0");
    EXPECT_STREQ(ULongToStr(5, buffer, 1), "");
    char tiny[3];
    EXPECT_STREQ(ULongToStr(1000, tiny, 10), "");
    EXPECT_EQ(ULongToStaticStr(4294967295u), "4294967295");
    EXPECT_EQ(ULongToStaticStr(1) + ULongToStaticStr(2), "12");
}

TEST(Strings, StrToIntFollowsStrtolAndClamps) {
    EXPECT_EQ(StrToInt("  -42xyz"), -42);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("abc"), 0);
    EXPECT_EQ(StrToInt(""), 0);
    EXPECT_EQ(StrToInt("99999999999999999999"), INT_MAX);
    EXPECT_EQ(StrToInt("-99999999999999999999"), INT_MIN);
    EXPECT_EQ(StrToInt("-2147483648"), INT_MIN);
}

TEST(Strings, PointInRectExcludesEveryEdge) {
    const platform::Rect rect{10, 20, 30, 40};
    EXPECT_TRUE(PointInRect(rect, 11, 21));
    EXPECT_FALSE(PointInRect(rect, 10, 25));
    EXPECT_FALSE(PointInRect(rect, 30, 25));
    EXPECT_FALSE(PointInRect(rect, 15, 20));
    EXPECT_FALSE(PointInRect(rect, 15, 40));
}

}  // namespace
