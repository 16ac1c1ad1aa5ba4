// A child process installs the capture and crashes for real; the parent reads the record it
// left and checks how the child ended. The reporter is a small shell script standing in for the
// real one: it notes its arguments and answers (or crashes, or hangs).
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "platform/CrashCapture.h"
#include "platform/CrashRecordFormat.h"
#include "platform/Host.h"
#include "platform/tests/CrashChild.h"
#include "platform/tests/HostTestFolder.h"

namespace {

using platform::crash::CrashRecordHeader;
using platform::crash::CrashSectionHeader;

constexpr const char* kKindVariable = "RIVAKEL_CRASH_KIND";
constexpr const char* kFolderVariable = "RIVAKEL_CRASH_FOLDER";
constexpr const char* kReporterVariable = "RIVAKEL_CRASH_REPORTER";

// Reporters: $0 is the record's path, $1 the descriptor to answer on.
constexpr const char* kAnsweringReporter = "printf '%s' \"$0\" > \"$(dirname \"$0\")/reporter-ran\"; printf 1 >&\"$1\"";
constexpr const char* kCrashingReporter = "printf x > \"$(dirname \"$0\")/reporter-ran\"; kill -SEGV $$";
constexpr const char* kHangingReporter = "echo $$ > \"$(dirname \"$0\")/reporter-pid\"; exec sleep 600";

char g_lines[4][256] = {"first error\r\n", "second error\r\n"};
std::atomic<uint32_t> g_lineCount{2};

// Memory nobody may touch: a write there faults for real whatever the optimiser knows (a write
// through a null pointer it may turn into a trap instruction, or drop).
volatile int* ProtectedPage() {
    static void* const page = ::mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return static_cast<volatile int*>(page);
}

RIVAKEL_FAULTS_ON_PURPOSE void WriteToProtectedPage() { *ProtectedPage() = 1; }

// Kept where the optimiser must store it, so that the division is really done.
volatile int g_quotient = 0;

RIVAKEL_FAULTS_ON_PURPOSE void DivideByZero(int divisor) {
    volatile int by = divisor;
    g_quotient = 7 / by;
}

// Deeper than any stack; read at run time so the compiler cannot see the recursion never ends.
volatile int g_depthLimit = 1 << 30;

RIVAKEL_FAULTS_ON_PURPOSE int Recurse(int depth) {
    volatile char room[512];
    room[0] = static_cast<char>(depth);
    return depth < g_depthLimit ? Recurse(depth + 1) + room[0] : 0;
}

void CrashBy(const std::string& kind) {
    if (kind == "page") WriteToProtectedPage();
    if (kind == "abort") std::abort();
    if (kind == "divide") DivideByZero(0);
    if (kind == "overflow") Recurse(0);
    if (kind == "trap") __builtin_trap();
    if (kind == "threads") {
        std::atomic<int> ready{0};
        auto crasher = [&ready] {
            ++ready;
            while (ready < 2) {
            }
            WriteToProtectedPage();
        };
        std::thread a(crasher), b(crasher);
        a.join();
        b.join();
    }
}

TEST(CrashCaptureChild, CrashesAsTold) {
    const auto kind = CrashChildSetting(kKindVariable);
    if (!kind) GTEST_SKIP() << "runs as the child of the crash tests";
    platform::CrashCaptureConfig config;
    config.recordPath = *CrashChildSetting(kFolderVariable) + "/crash.rec";
    config.reporter = {"/bin/sh", "-c", *CrashChildSetting(kReporterVariable)};
    config.reporterWaitMs = 2000;
    config.errors = {&g_lines[0][0], sizeof g_lines[0], 4, &g_lineCount};
    auto capture = platform::CrashCapture::Install(config);
    ASSERT_TRUE(capture);
    ASSERT_NE(static_cast<const volatile void*>(ProtectedPage()), MAP_FAILED);
    std::ofstream(*CrashChildSetting(kFolderVariable) + "/touched")
        << reinterpret_cast<uintptr_t>(ProtectedPage()) << std::flush;
    CrashBy(*kind);
}

struct Record {
    CrashRecordHeader header{};
    std::map<uint32_t, std::string> sections;
};

std::optional<Record> ReadRecord(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    const std::string bytes = all.str();
    Record record;
    if (bytes.size() < sizeof record.header) return std::nullopt;
    std::memcpy(&record.header, bytes.data(), sizeof record.header);
    size_t at = sizeof record.header;
    while (at + sizeof(CrashSectionHeader) <= bytes.size()) {
        CrashSectionHeader section{};
        std::memcpy(&section, bytes.data() + at, sizeof section);
        at += sizeof section;
        if (section.length > bytes.size() - at) return std::nullopt;
        record.sections[section.tag] = bytes.substr(at, section.length);
        at += section.length;
    }
    return record;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

ChildResult Crash(const HostTestFolder& folder, const std::string& kind, const char* reporter = kAnsweringReporter) {
    return RunCrashChild("/proc/self/exe", "CrashCaptureChild.CrashesAsTold",
                         {{kKindVariable, kind}, {kFolderVariable, folder.Path()}, {kReporterVariable, reporter}});
}

TEST(CrashCapture, EachKindOfCrashLeavesAWholeRecordAndEndsWith255) {
    struct Case {
        const char* kind;
        int signal;
    };
    for (const Case& c : {Case{"page", SIGSEGV}, Case{"abort", SIGABRT}, Case{"divide", SIGFPE},
                          Case{"overflow", SIGSEGV}, Case{"trap", SIGILL}, Case{"threads", SIGSEGV}}) {
        SCOPED_TRACE(c.kind);
        HostTestFolder folder;
        const ChildResult result = Crash(folder, c.kind);
        ASSERT_TRUE(result.finished);
        EXPECT_TRUE(result.exited);
        EXPECT_EQ(result.exitCode, 255);

        auto record = ReadRecord(folder / "crash.rec");
        ASSERT_TRUE(record);
        EXPECT_EQ(std::memcmp(record->header.magic, platform::crash::kRecordMagic, 8), 0);
        EXPECT_EQ(record->header.signal, static_cast<uint32_t>(c.signal));
        EXPECT_EQ(record->header.registerCount, platform::crash::RegisterCount);
        EXPECT_TRUE(record->sections.count(platform::crash::End));
        EXPECT_NE(record->sections[platform::crash::Maps].find("[stack]"), std::string::npos);
        const std::string& stack = record->sections[platform::crash::Stack];
        ASSERT_GT(stack.size(), 8u);
        uint64_t stackStart = 0;
        std::memcpy(&stackStart, stack.data(), 8);
        const uint64_t stackPointer = record->header.registers[platform::crash::Rsp];
        if (std::string(c.kind) == "overflow") {
            EXPECT_GE(stackStart, stackPointer);
            EXPECT_LT(stackStart - stackPointer, 8192u) << "the copy starts at the stack's first readable page";
        } else {
            EXPECT_EQ(stackStart, stackPointer);
        }
        EXPECT_EQ(record->sections[platform::crash::Errors], std::string("first error\r\n\0second error\r\n\0", 29));
        EXPECT_EQ(ReadText(folder / "reporter-ran"), folder / "crash.rec");
    }
}

TEST(CrashCapture, TheFaultAddressIsTheMemoryTouched) {
    HostTestFolder folder;
    ASSERT_EQ(Crash(folder, "page").exitCode, 255);
    const auto record = ReadRecord(folder / "crash.rec");
    ASSERT_TRUE(record);
    const std::string touched = ReadText(folder / "touched");
    ASSERT_FALSE(touched.empty());
    EXPECT_EQ(record->header.faultAddress, std::stoull(touched));
    EXPECT_NE(record->header.registers[platform::crash::Rip], 0u);
}

TEST(CrashCapture, AReporterThatCrashesOrHangsStillLetsTheProcessEnd) {
    {
        HostTestFolder folder;
        const ChildResult result = Crash(folder, "page", kCrashingReporter);
        ASSERT_TRUE(result.finished);
        EXPECT_EQ(result.exitCode, 255);
        EXPECT_EQ(ReadText(folder / "reporter-ran"), "x");
    }
    {
        HostTestFolder folder;
        const ChildResult result = Crash(folder, "page", kHangingReporter);
        ASSERT_TRUE(result.finished);
        EXPECT_EQ(result.exitCode, 255);
        const std::string pid = ReadText(folder / "reporter-pid");
        ASSERT_FALSE(pid.empty());
        kill(std::stoi(pid), SIGKILL);
    }
}

TEST(CrashCapture, UninstallRestoresTheHandlersAndRemovesTheEmptyRecord) {
    HostTestFolder folder;
    struct sigaction before {};
    sigaction(SIGSEGV, nullptr, &before);
    platform::CrashCaptureConfig config;
    config.recordPath = folder / "crash.rec";
    config.reporter = {"/bin/true"};
    {
        auto capture = platform::CrashCapture::Install(config);
        ASSERT_TRUE(capture);
        EXPECT_TRUE(platform::FileExists(config.recordPath));
        EXPECT_FALSE(platform::CrashCapture::Install(config)) << "one capture per process";
        struct sigaction during {};
        sigaction(SIGSEGV, nullptr, &during);
        EXPECT_NE(during.sa_sigaction, before.sa_sigaction);
    }
    struct sigaction after {};
    sigaction(SIGSEGV, nullptr, &after);
    EXPECT_EQ(after.sa_sigaction, before.sa_sigaction);
    EXPECT_FALSE(platform::FileExists(config.recordPath));
    auto again = platform::CrashCapture::Install(config);
    EXPECT_TRUE(again);
}

TEST(CrashCapture, ARecordThatCannotBeCreatedOrAnOverlongReporterIsRefused) {
    HostTestFolder folder;
    platform::CrashCaptureConfig config;
    config.reporter = {"/bin/true"};
    config.recordPath = folder / "missing/crash.rec";
    EXPECT_FALSE(platform::CrashCapture::Install(config));
    config.recordPath = folder / "crash.rec";
    config.reporter = {std::string(5000, 'x')};
    EXPECT_FALSE(platform::CrashCapture::Install(config));
    config.reporter = {};
    EXPECT_FALSE(platform::CrashCapture::Install(config));
}

TEST(CrashCapture, FaultsAreClassifiedBySignalAndCode) {
    using platform::FaultKind;
    EXPECT_EQ(platform::ClassifyFault(SIGSEGV, SEGV_MAPERR), FaultKind::AccessViolation);
    EXPECT_EQ(platform::ClassifyFault(SIGBUS, BUS_ADRALN), FaultKind::Misaligned);
    EXPECT_EQ(platform::ClassifyFault(SIGBUS, BUS_ADRERR), FaultKind::InPageError);
    EXPECT_EQ(platform::ClassifyFault(SIGILL, ILL_ILLOPN), FaultKind::IllegalInstruction);
    EXPECT_EQ(platform::ClassifyFault(SIGILL, ILL_PRVOPC), FaultKind::PrivilegedInstruction);
    EXPECT_EQ(platform::ClassifyFault(SIGFPE, FPE_INTDIV), FaultKind::IntegerDivideByZero);
    EXPECT_EQ(platform::ClassifyFault(SIGFPE, FPE_FLTINV), FaultKind::FloatInvalid);
    EXPECT_EQ(platform::ClassifyFault(SIGABRT, 0), FaultKind::Other);
    EXPECT_EQ(platform::SignalName(SIGSEGV), "SIGSEGV");
    EXPECT_EQ(platform::SignalName(9999), "");
}

}  // namespace
