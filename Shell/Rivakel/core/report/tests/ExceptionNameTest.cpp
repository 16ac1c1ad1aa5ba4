#include "core/report/ExceptionName.h"

#include <gtest/gtest.h>

#include <csignal>

#include "platform/CrashRecordFormat.h"

namespace {

CrashRecord Crash(int signal, int code, uint64_t address = 0) {
    CrashRecord record;
    record.signal = signal;
    record.code = code;
    record.faultAddress = address;
    record.registers.assign(platform::crash::RegisterCount, 0);
    return record;
}

TEST(ExceptionName, KnownCodesHaveTheirNamesAndOthersNone) {
    EXPECT_EQ(GetExceptionName(0xC0000005), "ACCESS_VIOLATION");
    EXPECT_EQ(GetExceptionName(0x80000001), "GUARD_PAGE");
    EXPECT_EQ(GetExceptionName(0xC00000FD), "STACK_OVERFLOW");
    EXPECT_EQ(GetExceptionName(0xC0000094), "INT_DIVIDE_BY_ZERO");
    EXPECT_EQ(GetExceptionName(0x12345678), "");
}

TEST(ExceptionName, SignalsMapToTheCodesOfTheirKind) {
    struct Case {
        int signal, code;
        uint32_t expectedCode;
        const char* expectedName;
    };
    const Case cases[] = {
        {SIGSEGV, 1, 0xC0000005, "ACCESS_VIOLATION"},
        {SIGBUS, 1, 0x80000002, "DATATYPE_MISALIGNMENT"},
        {SIGBUS, 2, 0xC0000006, "IN_PAGE_ERROR"},
        {SIGILL, 2, 0xC000001D, "ILLEGAL_INSTRUCTION"},
        {SIGFPE, 1, 0xC0000094, "INT_DIVIDE_BY_ZERO"},
        {SIGFPE, 3, 0xC000008E, "FLT_DIVIDE_BY_ZERO"},
        {SIGABRT, -6, 6, "Aborted"},
    };
    for (const Case& c : cases) {
        const ExceptionDescription description = DescribeException(Crash(c.signal, c.code));
        EXPECT_EQ(description.code, c.expectedCode) << c.signal << "/" << c.code;
        EXPECT_EQ(description.name, c.expectedName) << c.signal << "/" << c.code;
    }
}

TEST(ExceptionName, AMemoryFaultBesideTheStackPointerOutsideReadableMemoryIsAStackOverflow) {
    CrashRecord record = Crash(SIGSEGV, 1, 0x7ffb0000fff8);
    record.registers[platform::crash::Rsp] = 0x7ffb00010000;
    record.maps = "7ffb00010000-7ffb00800000 rw-p 00000000 00:00 0 [stack]\n";
    EXPECT_EQ(DescribeException(record).name, "STACK_OVERFLOW");

    record.maps += "7ffb00000000-7ffb00010000 ---p 00000000 00:00 0\n";
    EXPECT_EQ(DescribeException(record).name, "STACK_OVERFLOW") << "a guard page is no readable memory";

    record.faultAddress = 0x10;
    EXPECT_EQ(DescribeException(record).name, "ACCESS_VIOLATION") << "far from the stack";
    record.faultAddress = 0x7ffb00010008;
    EXPECT_EQ(DescribeException(record).name, "ACCESS_VIOLATION") << "readable memory that was written";
}

}  // namespace
