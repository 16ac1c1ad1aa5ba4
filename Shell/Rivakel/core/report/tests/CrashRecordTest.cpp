#include "core/report/CrashRecord.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/base/Log.h"

#include "core/report/tests/CrashRecordBytes.h"

namespace {

namespace crash = platform::crash;
using namespace std::string_literals;

constexpr const char* kMaps = "00400000-00401000 r-xp 00000000 08:01 12 /bin/game\n";

CrashRecordBytes WholeRecord() {
    CrashRecordBytes record;
    record.header.faultAddress = 0x10;
    record.header.processId = 4321;
    record.header.timeSeconds = 1700000000;
    record.header.registers[crash::Rip] = 0x401000;
    record.Section(crash::Maps, kMaps)
        .Stack(0x7000, {1, 2, 3, 4, 5, 6, 7, 8, 9})
        .Section(crash::Errors, std::string("one\r\n\0two\r\n\0", 12))
        .End();
    return record;
}

TEST(CrashRecord, AWholeRecordReadsBackFieldByField) {
    const auto record = ReadCrashRecord(WholeRecord().Bytes());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->signal, 11);
    EXPECT_EQ(record->code, 1);
    EXPECT_EQ(record->faultAddress, 0x10u);
    EXPECT_EQ(record->processId, 4321u);
    EXPECT_EQ(record->timeSeconds, 1700000000u);
    ASSERT_EQ(record->registers.size(), size_t{crash::RegisterCount});
    EXPECT_EQ(record->Register(crash::Rip), 0x401000u);
    EXPECT_FALSE(record->Register(crash::RegisterCount));
    EXPECT_EQ(record->maps, kMaps);
    EXPECT_EQ(record->stackStart, 0x7000u);
    EXPECT_EQ(record->stack, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(record->errors, (std::vector<std::string>{"one\r\n", "two\r\n"}));
    EXPECT_TRUE(record->complete);
}

TEST(CrashRecord, ARecordCutAnywhereReadsAsFarAsItGoes) {
    const std::vector<uint8_t> whole = WholeRecord().Bytes();
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        const auto record = ReadCrashRecord(std::span(whole).first(cut));
        if (cut < sizeof(crash::CrashRecordHeader)) {
            EXPECT_FALSE(record) << "cut at " << cut;
            continue;
        }
        ASSERT_TRUE(record) << "cut at " << cut;
        EXPECT_FALSE(record->complete) << "cut at " << cut;
        EXPECT_LE(record->maps.size(), std::string(kMaps).size());
        EXPECT_LE(record->stack.size(), 9u);
    }
}

TEST(CrashRecord, ASectionTheWriterNeverFinishedRunsToTheEnd) {
    CrashRecordBytes record;
    record.Section(crash::Stack, std::string("\x00\x70\x00\x00\x00\x00\x00\x00" "abc", 11), crash::kUnfinished);
    const auto read = ReadCrashRecord(record.Bytes());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->stackStart, 0x7000u);
    EXPECT_EQ(read->stack, (std::vector<uint8_t>{'a', 'b', 'c'}));
    EXPECT_FALSE(read->complete);
}

TEST(CrashRecord, LyingFieldsAreRefusedOrIgnored) {
    struct Case {
        const char* what;
        std::function<void(CrashRecordBytes&)> lie;
        bool readable;
    };
    const Case cases[] = {
        {"magic", [](CrashRecordBytes& r) { r.header.magic[0] = 'X'; }, false},
        {"version", [](CrashRecordBytes& r) { r.header.version = 2; }, false},
        {"machine", [](CrashRecordBytes& r) { r.header.machine = 183; }, false},
        {"register count", [](CrashRecordBytes& r) { r.header.registerCount = crash::kMaxRegisters + 1; }, false},
        {"stack shorter than its address", [](CrashRecordBytes& r) { r.Section(crash::Stack, "1234"); }, true},
        {"stack over its bound",
         [](CrashRecordBytes& r) { r.Section(crash::Stack, std::string(8 + crash::kMaxStackBytes + 1, 'x')); }, true},
        {"unknown section", [](CrashRecordBytes& r) { r.Section(77, "whatever"); }, true},
        {"length past the end", [](CrashRecordBytes& r) { r.Section(crash::Maps, "short", 1u << 30); }, true},
    };
    for (const Case& c : cases) {
        CrashRecordBytes record;
        c.lie(record);
        const auto read = ReadCrashRecord(record.Bytes());
        EXPECT_EQ(read.has_value(), c.readable) << c.what;
        if (read) {
            EXPECT_TRUE(read->stack.empty()) << c.what;
        }
    }
}

TEST(CrashRecord, ErrorLinesAreCutToALogLineAndCountedLikeTheErrorList) {
    CrashRecordBytes record;
    std::string errors = std::string(400, 'x') + '\0';
    for (int i = 0; i < 1100; ++i) errors += "e\0"s;
    errors += "last without its end";
    record.Section(crash::Errors, errors);
    const auto read = ReadCrashRecord(record.Bytes());
    ASSERT_TRUE(read);
    ASSERT_EQ(read->errors.size(), kErrorListLimit);
    EXPECT_EQ(read->errors[0].size(), kLogLineSize - 1);
    EXPECT_EQ(read->errors[1], "e");
}

}  // namespace
