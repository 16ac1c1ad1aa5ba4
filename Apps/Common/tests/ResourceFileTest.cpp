#include "Apps/Common/ResourceFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

// Every number `read` gives until `count` numbers are read.
template <typename T>
std::vector<T> Numbers(std::string_view text, int count, int (CResourceFile::*read)(T*)) {
    const auto bytes = Bytes(text);
    CResourceFile file(bytes);
    std::vector<T> out;
    for (int i = 0; i < count; ++i) {
        T value = 12345;
        EXPECT_EQ((file.*read)(&value), 0);
        out.push_back(value);
    }
    return out;
}

std::vector<int> Ints(std::string_view text, int count) { return Numbers(text, count, &CResourceFile::ReadInt); }

// ---------------------------------------------------------------- numbers

TEST(ResourceFileReadInt, ReadsTheLayoutsWay) {
    struct Case {
        std::string_view text;
        std::vector<int> numbers;
    };
    const Case cases[] = {
        {"25,255,170,", {25, 255, 170, 0}},
        {"// a comment\r\n  -12,7", {-12, 7, 0}},
        {"abc-4", {-4}},
        {"/ one slash is a comment too\n3", {3}},
        {"//first\n//second\n\t\r\n 9 8", {9, 8}},
        {"//one\n\n//after a blank line the comment is text: 42\n5", {42, 5}},
        {"-x-7 3-4", {-7, 3, 4}},
        {"99999999999999999999,-99999999999999999999,2147483647,-2147483648", {INT_MAX, INT_MIN, INT_MAX, INT_MIN}},
        {"   ", {0}},
        {"// comment to the end without a line feed", {0, 0}},
        {"7", {7, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(Ints(c.text, static_cast<int>(c.numbers.size())), c.numbers) << c.text;
}

TEST(ResourceFileReadInt, ConsumesTheByteThatEndsTheNumber) {
    const auto bytes = Bytes("12\"x\"");
    CResourceFile file(bytes);
    int value = 0;
    file.ReadInt(&value);
    char text[8];
    ASSERT_EQ(file.ReadQuotedString(text), 0);
    EXPECT_STREQ(text, "") << "the opening quote was eaten, so the next quote opens an empty read";
}

TEST(ResourceFileReadPresentInt, ANumberTheTextEndsBeforeIsMissingNotZero) {
    const struct {
        std::string_view text;
        std::vector<int> present;  // what is read before the first missing number
    } cases[] = {
        {"25,0,\r\n", {25, 0}},
        {"7 // the end", {7}},
        {"-", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        const auto bytes = Bytes(c.text);
        CResourceFile file(bytes);
        std::vector<int> read;
        int value = 12345;
        while (file.ReadPresentInt(&value)) read.push_back(value);
        EXPECT_EQ(read, c.present) << c.text;
        EXPECT_EQ(value, c.present.empty() ? 12345 : c.present.back()) << "untouched when missing: " << c.text;
    }
}

TEST(ResourceFileReadReal, ReadsNumbersAsWritten) {
    struct Case {
        std::string_view text;
        std::vector<float> numbers;
    };
    const Case cases[] = {
        {"2.25,\t// throw speed", {2.25f}},
        {"-1.5, -0.5,", {-1.5f, -0.5f}},
        {"20.0,\t// peak\n3.5,", {20.0f, 3.5f}},
        {"1., .5, 7", {1.0f, 0.5f, 7.0f}},
        {"// header\n// ++ League ++\n0.125,", {0.125f}},
        {"x.y 4", {4.0f}},
        {"1.2.3", {1.2f, 3.0f}},
        {"3.14159265358979,", {3.14159265f}},
    };
    for (const Case& c : cases) {
        const auto got = Numbers(c.text, static_cast<int>(c.numbers.size()), &CResourceFile::ReadReal);
        for (size_t i = 0; i < got.size(); ++i) EXPECT_FLOAT_EQ(got[i], c.numbers[i]) << c.text << " #" << i;
    }
}

TEST(ResourceFileReadReal, LeavesTheReaderWhereReadIntWould) {
    const std::string text = "2.5,\t// a\n7,\t// b\n-3.0,\t// c\n9,";
    const auto bytes = Bytes(text);
    CResourceFile file(bytes);
    float real = 0;
    int whole = 0;
    file.ReadReal(&real);
    file.ReadInt(&whole);
    EXPECT_EQ(whole, 7);
    file.ReadReal(&real);
    EXPECT_FLOAT_EQ(real, -3.0f);
    file.ReadInt(&whole);
    EXPECT_EQ(whole, 9);
}

TEST(ResourceFileReadReal, NotLoadedLeavesTheValue) {
    CResourceFile file(std::span<const uint8_t>{});
    float value = 4.5f;
    EXPECT_EQ(file.ReadReal(&value), 1);
    EXPECT_FLOAT_EQ(value, 4.5f);
}

// ---------------------------------------------------------------- quoted strings

TEST(ResourceFileReadQuotedString, CutsLongStringsAndLeavesTheirRest) {
    const auto bytes = Bytes("x \"abcdef\" \"ghi\"");
    CResourceFile file(bytes);
    char text[4];
    ASSERT_EQ(file.ReadQuotedString(text), 0);
    EXPECT_STREQ(text, "abc");
    ASSERT_EQ(file.ReadQuotedString(text), 0);
    EXPECT_STREQ(text, " ") << "the cut string's closing quote opened this one";
    ASSERT_EQ(file.ReadQuotedString(text), 0);
    EXPECT_STREQ(text, "") << "ghi's own closing quote opened this one";
}

TEST(ResourceFileReadQuotedString, WithoutQuotesOrWithoutTheClosingOne) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"no quote here", ""}, {"\"runs to the end", "runs to the end"}, {"\"line\r\nends\"", "line\r\nends"},
        {"", ""},
    };
    for (const auto& [text, expected] : cases) {
        const auto bytes = Bytes(text);
        CResourceFile file(bytes);
        char out[64] = "junk";
        EXPECT_EQ(file.ReadQuotedString(out), bytes.empty() ? 1 : 0);
        EXPECT_EQ(std::string(out), bytes.empty() ? "junk" : expected);
    }
}

// ---------------------------------------------------------------- the end and the unloaded

TEST(ResourceFileEnd, StaysAtTheEndAndSaysSo) {
    const auto bytes = Bytes("ab");
    CResourceFile file(bytes);
    int more = -1;
    EXPECT_EQ(file.NextChar(&more), 'a');
    EXPECT_EQ(more, 1);
    EXPECT_EQ(file.NextChar(&more), 'b');
    EXPECT_EQ(more, 1) << "the last byte still came from the text";
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(file.NextChar(&more), '\0');
        EXPECT_EQ(more, 0);
    }
}

TEST(ResourceFileEnd, UnloadedReadsWriteNothing) {
    CResourceFile file(std::span<const uint8_t>{});
    EXPECT_FALSE(file.IsLoaded());
    int more = 7, value = 7;
    char text[4] = "abc";
    EXPECT_EQ(file.NextChar(&more), 1);
    EXPECT_EQ(more, 7);
    EXPECT_EQ(file.ReadInt(&value), 1);
    EXPECT_EQ(value, 7);
    EXPECT_EQ(file.ReadQuotedString(text), 1);
    EXPECT_STREQ(text, "abc");
    EXPECT_FALSE(CResourceFile("no such resource.txt").IsLoaded()) << "outside an applet nothing is found";
}

TEST(ResourceFileOld, AMissingOrEmptyTextReadsAsEmpty) {
    for (CResourceFileOld file : {CResourceFileOld("no such resource.txt"), CResourceFileOld(std::span<const uint8_t>{})}) {
        for (int round = 0; round < 3; ++round) {
            int more = 7, value = 7;
            char text[4] = "abc";
            EXPECT_EQ(file.NextChar(&more), '\0');
            EXPECT_EQ(more, 0);
            EXPECT_EQ(file.ReadInt(&value), 0);
            EXPECT_EQ(value, 0);
            EXPECT_EQ(file.ReadQuotedString(text), 0);
            EXPECT_STREQ(text, "");
            EXPECT_EQ(file.ReadQuotedString(std::span<char>{}), 1) << "no room: nothing written";
        }
    }
}

TEST(ResourceFileOld, ReadsATextAsTheCurrentEditionDoes) {
    const auto bytes = Bytes("// level\n-12 \"name\" 7");
    CResourceFileOld file(bytes);
    int value = 0;
    char name[8];
    EXPECT_EQ(file.ReadInt(&value), 0);
    EXPECT_EQ(value, -12);
    EXPECT_EQ(file.ReadQuotedString(name), 0);
    EXPECT_STREQ(name, "name");
    EXPECT_EQ(file.ReadInt(&value), 0);
    EXPECT_EQ(value, 7);
}

TEST(ResourceFileEnd, TruncatedAtEveryOffsetNeverReadsPastTheText) {
    const std::string text = "// board\r\n3,10,20,1,-1,274,0,\"quoted\"";
    for (size_t cut = 0; cut <= text.size(); ++cut) {
        // An exact-size copy: the address sanitizer catches any read beyond it.
        const std::vector<uint8_t> bytes(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(cut));
        CResourceFile file(bytes);
        int value = 0;
        for (int i = 0; i < 12; ++i) file.ReadInt(&value);
        char quoted[8];
        file.ReadQuotedString(quoted);
        EXPECT_EQ(file.NextChar(nullptr), cut == 0 ? 1 : '\0');
    }
}

}  // namespace
