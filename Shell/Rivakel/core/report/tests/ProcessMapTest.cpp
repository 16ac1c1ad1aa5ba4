#include "core/report/ProcessMap.h"

#include <gtest/gtest.h>

TEST(ProcessMap, RegionsReadWithTheirRightsOffsetAndPath) {
    const ProcessMap map = ProcessMap::Parse(
        "7f0000001000-7f0000003000 r-xp 00002000 08:01 4242   /usr/lib/lib with blank.so\n"
        "55550000-55551000 rw-p 00000000 00:00 0 \n"
        "7ffc0000-7ffd0000 rw-p 00000000 00:00 0                          [stack]");
    ASSERT_EQ(map.Regions().size(), 3u);
    const MappedRegion* code = map.Find(0x7f0000002fff);
    ASSERT_NE(code, nullptr);
    EXPECT_TRUE(code->readable);
    EXPECT_FALSE(code->writable);
    EXPECT_TRUE(code->executable);
    EXPECT_EQ(code->offset, 0x2000u);
    EXPECT_EQ(code->path, "/usr/lib/lib with blank.so");
    EXPECT_EQ(map.Find(0x55550000)->path, "");
    EXPECT_EQ(map.Find(0x7ffc1234)->path, "[stack]");
    EXPECT_EQ(map.Find(0x7f0000003000), nullptr) << "ends are exclusive";
    EXPECT_EQ(map.Find(0x1000), nullptr);
}

TEST(ProcessMap, DamagedLinesAreSkipped) {
    const char* bad[] = {
        "",
        "zz-1000 r-xp 0 0 0 /x",
        "2000-1000 r-xp 0 0 0 /backwards",
        "1000-2000",
        "1000-2000 r",
        "1000-2000 r-xp nothex 0 0 /x",
        "11112222333344445-11112222333344446 r-xp 0 0 0 /seventeen digits",
    };
    for (const char* line : bad) {
        const ProcessMap map = ProcessMap::Parse(line);
        EXPECT_TRUE(map.Regions().empty()) << line;
    }
}

TEST(ProcessMap, OverlappingRegionsKeepTheFirst) {
    const ProcessMap map = ProcessMap::Parse("1000-3000 r--p 0 0 0 /a\n2000-4000 r--p 0 0 0 /b\n5000-6000 r--p 0 0 0 /c\n");
    ASSERT_EQ(map.Regions().size(), 2u);
    EXPECT_EQ(map.Find(0x2800)->path, "/a");
    EXPECT_EQ(map.Find(0x3800), nullptr);
}
