#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/resources/ElfSection.h"
#include "platform/Host.h"

namespace {

using resources::FindElfSection;

void Put(std::vector<uint8_t>& b, size_t at, uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// An ELF64 file of three sections: null, ".shstrtab" and "rivres" holding "DATA".
std::vector<uint8_t> TinyElf() {
    const char names[] = "\0.shstrtab\0rivres\0";
    std::vector<uint8_t> b(64 + sizeof names + 4 + 3 * 64, 0);
    std::memcpy(b.data(), "\x7f" "ELF", 4);
    b[4] = 2, b[5] = 1, b[6] = 1;
    const size_t namesAt = 64, dataAt = namesAt + sizeof names, tableAt = dataAt + 4;
    std::memcpy(b.data() + namesAt, names, sizeof names);
    std::memcpy(b.data() + dataAt, "DATA", 4);
    Put(b, 0x28, tableAt, 8);
    Put(b, 0x3A, 64, 2);
    Put(b, 0x3C, 3, 2);
    Put(b, 0x3E, 1, 2);
    const auto section = [&](int i, uint32_t name, uint32_t type, uint64_t at, uint64_t size) {
        const size_t s = tableAt + i * 64;
        Put(b, s, name, 4);
        Put(b, s + 4, type, 4);
        Put(b, s + 0x18, at, 8);
        Put(b, s + 0x20, size, 8);
    };
    section(1, 1, 3, namesAt, sizeof names);
    section(2, 11, 1, dataAt, 4);
    return b;
}

TEST(ElfSectionTest, FindsANamedSectionsBytes) {
    const auto file = TinyElf();
    const auto found = FindElfSection(file, "rivres");
    ASSERT_TRUE(found);
    EXPECT_EQ(std::string(found->begin(), found->end()), "DATA");
    EXPECT_FALSE(FindElfSection(file, "rivre"));
    EXPECT_FALSE(FindElfSection(file, "rivresX"));
}

TEST(ElfSectionTest, RefusesFilesThatAreNotElf64OrLieAboutSizes) {
    const auto good = TinyElf();
    for (size_t cut = 0; cut < good.size(); ++cut)
        EXPECT_FALSE(FindElfSection(std::span(good).first(cut), "rivres")) << "cut at " << cut;

    const auto refused = [&](size_t at, uint64_t value, int bytes) {
        auto bad = good;
        Put(bad, at, value, bytes);
        return !FindElfSection(bad, "rivres").has_value();
    };
    EXPECT_TRUE(refused(4, 1, 1));                      // 32-bit class
    EXPECT_TRUE(refused(5, 2, 1));                      // big-endian
    EXPECT_TRUE(refused(0x28, ~uint64_t{0} - 8, 8));    // section table offset that wraps
    EXPECT_TRUE(refused(0x3C, 0xFFFF, 2));              // more sections than the file holds
    EXPECT_TRUE(refused(0x3E, 7, 2));                   // name table index out of range
    EXPECT_TRUE(refused(0x3A, 16, 2));                  // section headers too small
    const size_t rivres = good.size() - 64;
    EXPECT_TRUE(refused(rivres + 0x20, 1u << 30, 8));   // section size beyond the file
    EXPECT_TRUE(refused(rivres + 0x18, ~uint64_t{0}, 8));
    EXPECT_TRUE(refused(rivres + 4, 8, 4));             // no file data (NOBITS)
}

TEST(ElfSectionTest, ReadsARealExecutable) {
    const auto self = platform::ReadWholeFile(platform::ExecutablePath(), uint64_t{1} << 32);
    ASSERT_TRUE(self);
    const auto text = FindElfSection(*self, ".text");
    ASSERT_TRUE(text);
    EXPECT_GT(text->size(), 0u);
    EXPECT_FALSE(FindElfSection(*self, "rivres"));
}

}  // namespace
