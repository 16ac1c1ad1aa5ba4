#include "frame/pages/EscapeDecoder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DecodeEscapes, KnownEscapes) {
    EXPECT_EQ(DecodeEscapes("a%20b"), "a b");
    EXPECT_EQ(DecodeEscapes("%22q%22 100%25"), "\"q\" 100%");
    EXPECT_EQ(DecodeEscapes("l1%0Al2"), "l1\nl2");
    EXPECT_EQ(DecodeEscapes("a%7Cb"), "a|b");
    EXPECT_EQ(DecodeEscapes("say \\\"hi\\\""), "say \"hi\"");
    EXPECT_EQ(DecodeEscapes("C:\\\\games"), "C:\\games");
}

TEST(DecodeEscapes, UnknownEscapesDropTheMarkAndKeepTheRest) {
    EXPECT_EQ(DecodeEscapes("%31"), "31");
    EXPECT_EQ(DecodeEscapes("%21"), "21");
    EXPECT_EQ(DecodeEscapes("\\n"), "n");
    EXPECT_EQ(DecodeEscapes("%%20"), "%20");
    // The markup reader decoded the entities already: a mailed '&' stays.
    EXPECT_EQ(DecodeEscapes("Tom & Jerry &amp;"), "Tom & Jerry &amp;");
}

TEST(DecodeEscapes, EscapesCutOffAtTheEndNeverReadPastIt) {
    EXPECT_EQ(DecodeEscapes("x%0"), "x0");
    EXPECT_EQ(DecodeEscapes("x%7"), "x7");
    EXPECT_EQ(DecodeEscapes("x%"), "x");
    EXPECT_EQ(DecodeEscapes("x%2"), "x2");
    EXPECT_EQ(DecodeEscapes("\\"), "");
}

TEST(DecodeEscapes, OutputNeverLongerThanInputForAnyByteAfterAMark) {
    for (char mark : {'%', '\\'}) {
        for (int b = 0; b < 256; ++b) {
            std::string text{mark, static_cast<char>(b), 'z'};
            EXPECT_LE(DecodeEscapes(text).size(), text.size());
        }
    }
}

}  // namespace
