#include "frame/pages/EscapeDecoder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DecodeEscapes, KnownEscapes) {
    EXPECT_EQ(DecodeEscapes("a%20b"), "a b");
    EXPECT_EQ(DecodeEscapes("&amp;"), "&");
    EXPECT_EQ(DecodeEscapes("&lt;b&gt;"), "<b>");
    EXPECT_EQ(DecodeEscapes("%22q%22 100%25"), "\"q\" 100%");
    EXPECT_EQ(DecodeEscapes("l1%0Al2"), "l1\nl2");
    EXPECT_EQ(DecodeEscapes("a%7Cb"), "a|b");
    EXPECT_EQ(DecodeEscapes("say \\\"hi\\\""), "say \"hi\"");
}

TEST(DecodeEscapes, UnknownEscapesDropTheMarkAndKeepTheRest) {
    EXPECT_EQ(DecodeEscapes("%31"), "31");
    EXPECT_EQ(DecodeEscapes("%21"), "21");
    EXPECT_EQ(DecodeEscapes("&x"), "x");
    EXPECT_EQ(DecodeEscapes("\\n"), "n");
}

TEST(DecodeEscapes, EscapesCutOffAtTheEndNeverReadPastIt) {
    EXPECT_EQ(DecodeEscapes("x%0"), "x0");
    EXPECT_EQ(DecodeEscapes("x%7"), "x7");
    EXPECT_EQ(DecodeEscapes("x%"), "x");
    EXPECT_EQ(DecodeEscapes("x&am"), "xam");
    EXPECT_EQ(DecodeEscapes("x&g"), "xg");
    EXPECT_EQ(DecodeEscapes("x&l;"), "xl;");
    EXPECT_EQ(DecodeEscapes("\\"), "");
}

TEST(DecodeEscapes, OutputNeverLongerThanInputForAnyByteAfterAMark) {
    for (char mark : {'%', '&', '\\'}) {
        for (int b = 0; b < 256; ++b) {
            std::string text{mark, static_cast<char>(b), 'z'};
            EXPECT_LE(DecodeEscapes(text).size(), text.size());
        }
    }
}

TEST(DecodeEscapes, ItemEscapingOfTheMailFormDecodesBackExactly) {
    EXPECT_EQ(DecodeEscapes("&lt;tag&gt; &amp; a%7Cb"), "<tag> & a|b");
}

}  // namespace
