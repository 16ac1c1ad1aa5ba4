#include "Apps/Brisquet/LevelFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Apps/Common/ResourceFile.h"

namespace brisquet {
namespace {

std::optional<Level> Read(const std::string& text) {
    CResourceFileOld file(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    return ReadLevel(file);
}

const std::string kRows =
    "1,1,2,0\n"
    "3,3,2,0\n"
    "5,4,4,1\n";
const std::string kPlain = "\"Easy Does It\"\n\"Pop the pairs\"\n\"then the rest\"\n\"EndSection\"\n4, 3\n5\n"
                           "\"a.gif\" \"b.gif\" \"c.gif\" \"d.gif\" \"e.gif\"\n" + kRows;

TEST(BrisquetLevelFile, ReadsNameHintsSidesAndCells) {
    const std::optional<Level> level = Read(kPlain);
    ASSERT_TRUE(level);
    EXPECT_EQ(level->name, "Easy Does It");
    EXPECT_EQ(level->hints, (std::vector<std::string>{"Pop the pairs", "then the rest"}));
    EXPECT_EQ(level->width, 4);
    EXPECT_EQ(level->height, 3);
    EXPECT_EQ(level->kindCount, 5);
    EXPECT_EQ(level->cells, (std::vector<int>{1, 1, 2, 0, 3, 3, 2, 0, 5, 4, 4, 1}));
    EXPECT_EQ(level->At(0, 2), 5);
    EXPECT_EQ(LevelFileName(30), "p-Level30.dat");
}

TEST(BrisquetLevelFile, CommentsLineEndsAndCaseReadTheSame) {
    const std::string commented = "\"Easy Does It\"\r\n\"Pop the pairs\"\r\n\"then the rest\"\r\n\"ENDSECTION\"\r\n"
                                  "// sides\r\n4,\r\n// rows\r\n3\r\n//kinds\r\n5\r\n"
                                  "\"a.gif\"\r\n\"b.gif\" \"c.gif\" \"d.gif\" \"e.gif\"\r\n"
                                  "1,1,2,0\r\n// middle\r\n3,3,2,0\r\n5,4,4,1";
    const std::optional<Level> plain = Read(kPlain);
    const std::optional<Level> other = Read(commented);
    ASSERT_TRUE(plain && other);
    EXPECT_EQ(other->hints, plain->hints);
    EXPECT_EQ(other->cells, plain->cells);
}

TEST(BrisquetLevelFile, LongStringsAreCutAndTheReaderStaysInStep) {
    std::string text = "\"" + std::string(300, 'n') + "\"";
    for (int i = 0; i < 12; ++i) text += "\"hint " + std::to_string(i) + std::string(i == 0 ? 300 : 0, 'h') + "\"";
    text += "\"endsection\" 1,1 1 \"" + std::string(100, 'k') + "\" 1";
    const std::optional<Level> level = Read(text);
    ASSERT_TRUE(level);
    EXPECT_EQ(level->name.size(), 256u);
    ASSERT_EQ(level->hints.size(), 10u);
    EXPECT_EQ(level->hints[0].size(), 39u);
    EXPECT_EQ(level->hints[9], "hint 9");
    EXPECT_EQ(level->cells, std::vector<int>{1});
}

TEST(BrisquetLevelFile, RefusesDamagedTexts) {
    const std::string head = "\"N\" \"EndSection\" ";
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"no end of hints", "\"N\" \"a\" \"b\""},
        {"end of hints in another word", "\"N\" \"EndSections\" 1,1 0 0"},
        {"unbalanced quote", "\"N\" \"EndSection"},
        {"width 0", head + "0,1 0"},
        {"width -1", head + "-1,1 0 0"},
        {"width 9", head + "9,1 0 0 0 0 0 0 0 0 0 0"},
        {"height 11", head + "1,11 0 0 0 0 0 0 0 0 0 0 0 0"},
        {"height 1000", head + "1,1000 0"},
        {"kinds -1", head + "1,1 -1 0"},
        {"kinds 7", head + "1,1 7 \"a\" \"b\" \"c\" \"d\" \"e\" \"f\" \"g\" 1"},
        {"kind name missing", head + "1,1 2 \"a\""},
        {"cell above the kinds", head + "2,1 1 \"a\" 1 2"},
        {"cell -1", head + "1,1 1 \"a\" -1"},
        {"cut inside the cells", head + "2,2 1 \"a\" 1,1,\n"},
        {"one cell short before a line end", head + "2,1 1 \"a\" 1,\n"},
        {"one cell short before a comment", head + "2,1 1 \"a\" 1\n// end\n"},
        {"cut before the sides", head},
    };
    for (const auto& c : cases) EXPECT_FALSE(Read(c.text)) << c.what;
}

}  // namespace
}  // namespace brisquet
