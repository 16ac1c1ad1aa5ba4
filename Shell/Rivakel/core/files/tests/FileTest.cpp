#include "core/files/File.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <string_view>

namespace {

class FileStream : public ::testing::Test {
protected:
    void Open(std::string_view text) { file_.OpenOwned(std::vector<uint8_t>(text.begin(), text.end())); }
    int32_t Int() {
        int32_t value = -1;
        EXPECT_EQ(file_.ReadInt(value), 0);
        return value;
    }
    std::string Quoted(size_t capacity) {
        std::string buffer(capacity, '#');
        file_.ReadQuotedString(buffer);
        return capacity == 0 ? buffer : std::string(buffer.c_str());
    }
    CFile file_;
};

TEST_F(FileStream, ReadCharReportsTheEnd) {
    Open("a");
    bool more = false;
    EXPECT_EQ(file_.ReadChar(&more), 'a');
    EXPECT_TRUE(more);
    EXPECT_EQ(file_.ReadChar(&more), '\0');
    EXPECT_FALSE(more);
}

TEST_F(FileStream, ReadIntSkipsCommentsBlanksAndStrayCharacters) {
    Open("// level one\n  \t x-42a 17");
    EXPECT_EQ(Int(), -42);
    EXPECT_EQ(Int(), 17);
    EXPECT_TRUE(file_.AtEnd());
    EXPECT_EQ(Int(), 0);
}

TEST_F(FileStream, ReadIntCommentLineEnds) {
    Open("// a\r\n// b\r\n5\r// c\r6");
    EXPECT_EQ(Int(), 5);
    EXPECT_EQ(Int(), 6);
    // Only the first character after a comment line is looked at: an indented comment is data.
    Open("// a\n  // b 9\n3");
    EXPECT_EQ(Int(), 9);
}

TEST_F(FileStream, ReadIntSaturatesAndStopsAtTheEnd) {
    Open("123456789012345678901234567890 -99999999999");
    EXPECT_EQ(Int(), INT_MAX);
    EXPECT_EQ(Int(), INT_MIN);
    Open("-");
    EXPECT_EQ(Int(), 0);
    EXPECT_TRUE(file_.AtEnd());
    Open("// only a comment");
    EXPECT_EQ(Int(), 0);
    EXPECT_TRUE(file_.AtEnd());
}

TEST_F(FileStream, ReadQuotedString) {
    Open("name = \"word\" \"next\"");
    EXPECT_EQ(Quoted(16), "word");
    EXPECT_EQ(Quoted(16), "next");
    Open("\"a long string\" \"b\"");
    EXPECT_EQ(Quoted(4), "a l");
    EXPECT_EQ(Quoted(4), "b");  // the rest of the long one was passed over
    Open("\"x\"");
    EXPECT_EQ(Quoted(1), "");
    Open("\"unclosed");
    EXPECT_EQ(Quoted(16), "unclosed");
    Open("no quote");
    EXPECT_EQ(Quoted(16), "");
    EXPECT_TRUE(file_.AtEnd());
    Open("\"x\"");
    EXPECT_EQ(Quoted(0), "");
    EXPECT_EQ(file_.Position(), 0u);
}

TEST_F(FileStream, BinaryReadsStopAtTheEnd) {
    Open(std::string_view("\x01\x02\x03\x04\x05\x06\x07", 7));
    int32_t value = 0;
    EXPECT_TRUE(file_.ReadLong(value));
    EXPECT_EQ(value, 0x04030201);
    int16_t shortValue = 0;
    EXPECT_TRUE(file_.ReadShort(shortValue));
    EXPECT_EQ(shortValue, 0x0605);
    EXPECT_FALSE(file_.ReadShort(shortValue));
    EXPECT_EQ(shortValue, 0);
    EXPECT_TRUE(file_.AtEnd());
    uint8_t byte = 9;
    EXPECT_FALSE(file_.ReadByte(byte));
    EXPECT_EQ(byte, 0);
    EXPECT_FALSE(file_.ReadLong(value));

    Open(std::string_view("\x10\x20\x30\x40", 4));
    EXPECT_EQ(file_.ReadColour(value), 0x302010);
}

TEST_F(FileStream, ReadBytesAndSkipAreClamped) {
    Open("abcdef");
    uint8_t buffer[4] = {};
    EXPECT_EQ(file_.ReadBytes(buffer), 4u);
    EXPECT_EQ(file_.ReadBytes(buffer), 2u);
    EXPECT_EQ(file_.ReadBytes(buffer), 0u);
    file_.Skip(-100);
    EXPECT_EQ(file_.Position(), 0u);
    file_.Skip(3);
    EXPECT_EQ(file_.GetData().size(), 3u);
    file_.Skip(INT64_MAX);
    EXPECT_EQ(file_.Position(), 6u);
    file_.Skip(INT64_MIN);
    EXPECT_EQ(file_.Position(), 0u);
}

TEST_F(FileStream, ReadBytesToNulTerminatesAndStaysAligned) {
    Open(std::string_view("first\0second", 12));
    char buffer[4];
    EXPECT_EQ(file_.ReadBytesToNul(buffer), 3u);
    EXPECT_STREQ(buffer, "fir");
    EXPECT_EQ(file_.ReadBytesToNul(buffer), 3u);
    EXPECT_STREQ(buffer, "sec");
    EXPECT_TRUE(file_.AtEnd());
}

TEST_F(FileStream, ClosedFileReadsNothing) {
    Open("12");
    file_.Close();
    EXPECT_FALSE(file_.IsOpen());
    EXPECT_EQ(file_.OpenResult(), kFileMissing);
    EXPECT_EQ(Int(), 0);
    EXPECT_EQ(file_.GetSize(), 0u);
}

}  // namespace
