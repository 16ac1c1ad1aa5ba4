// The report built from a made-up machine: an installation, documents and a temporary folder
// under a test folder, and crash records made by hand or captured from this test.
#include "core/report/ReportBuilder.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>

#include <filesystem>
#include <fstream>

#include "core/report/tests/LiveCapture.h"
#include "platform/CrashRecordFormat.h"
#include "platform/tests/HostTestFolder.h"

namespace {

namespace fs = std::filesystem;
namespace crash = platform::crash;

void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

class ReportBuilderTest : public ::testing::Test {
protected:
    ReportBuilderTest() {
        root_ = folder_.Path();
        Write(System() / "Core.rdt", "<RDT core/>");
        Write(System() / "Outbox.rdt", "<RDT outbox/>");
        Write(Installed() / "Games" / "G1" / "Broken.gam", "12345");
        Write(root_ / "docs" / "My Rivakel" / "Launcher.sh", "ab");
        Write(root_ / "temp" / "abc~rv1" / "file.bin", "xyz");
        Write(root_ / "temp" / "abc~rv1" / "inner~rv" / "x", "1");
        Write(root_ / "temp" / "abc~rv1" / "plain" / "hidden", "1");
        Write(root_ / "temp" / "other" / "skip.txt", "1");
        fs::create_directory_symlink(".", root_ / "temp" / "abc~rv1" / "loop~rv");
        sources_.dataFolder = (root_ / "data").string();
        sources_.documentsFolder = (root_ / "docs").string();
        sources_.tempFolder = (root_ / "temp").string();
        sources_.programName = "Rivakel";
        sources_.runningVersion = "01.02.03.0004-and-more";
        sources_.system.platform = "Linux";
    }

    fs::path Installed() const { return root_ / "data" / "Rivakel"; }
    fs::path System() const { return Installed() / "System"; }
    BuiltReport Build() const { return BuildErrorReport(sources_); }

    HostTestFolder folder_;
    fs::path root_;
    ReportSources sources_;
};

size_t Find(const std::string& text, const std::string& part) {
    const size_t at = text.find(part);
    EXPECT_NE(at, std::string::npos) << "missing: " << part;
    return at;
}

TEST_F(ReportBuilderTest, ARequestWithoutAFaultGivesEverySectionInOrder) {
    const BuiltReport report = Build();
    const std::string& text = report.text;
    const char* inOrder[] = {
        "// ========== Error Reporting Tool v2.0 ==========\r\n\r\n",
        "Exception code: 00000000 ",
        "\r\n\r\nRivakel install status:\r\n  Installed: true\r\n  Installed path: '",
        "\r\n\r\nRivakel Version: can't LoadLibrary Rivakel!\r\nRivakel Running Version: '01.02.03.0004'\r\n\r\n",
        "Installed Game Versions:\r\n  Game: 'Broken.gam'  Can't LoadLibrary!\r\n\r\n",
        "Generic OS Info\r\n  OSInfo Platform: 'Linux'\r\n",
        "  OSInfo DSound: Not Found\r\n  OSInfo WinInet: Not Found\r\n  OSInfo Crypt32: Not Found\r\n\r\n",
        "\r\nTracked Errors: None\r\n\r\n",
        "\r\nRegisters: none\r\n",
        "\r\nCall stack:\r\n",
        "Contents of Rivakel directory:\r\n",
        "Contents of My Rivakel directory\r\n   File: 'Launcher.sh'  Size: '2'\r\n\r\n",
        "recursive contents of temporary Rivakel directories\r\n",
        ("Contents of RDT files\r\n  DumpRDT 'Core.rdt' Contents:\r\n<RDT core/>\r\n"
         "  DumpRDT 'Outbox.rdt' Contents:\r\n<RDT outbox/>\r\n"),
    };
    size_t last = 0;
    for (const char* part : inOrder) {
        const size_t at = Find(text, part);
        EXPECT_GE(at, last) << part;
        last = at;
    }
    EXPECT_EQ(report.subjectCode, "00000000");
    EXPECT_FALSE(report.dataFileMissing);
}

TEST_F(ReportBuilderTest, ListingsShowTheTreeWithoutFollowingLinks) {
    const std::string text = Build().text;
    Find(text,
         "Contents of Rivakel directory:\r\n"
         "  Directory: 'Games'\r\n"
         "    Directory: 'G1'\r\n"
         "      File: 'Broken.gam'  Size: '5'\r\n"
         "  Directory: 'System'\r\n"
         "    File: 'Core.rdt'  Size: '11'\r\n"
         "    File: 'Outbox.rdt'  Size: '13'\r\n\r\n");
    Find(text,
         "recursive contents of temporary Rivakel directories\r\n"
         "  Temp Directory: 'abc~rv1'\r\n"
         "    Temp File: 'file.bin'  Size: '3'\r\n"
         "    Temp Directory: 'inner~rv'\r\n"
         "      Temp File: 'x'  Size: '1'\r\n"
         "    Temp Directory: 'loop~rv'\r\n\r\n");
}

TEST_F(ReportBuilderTest, AMissingStoreFileIsNamedAndMarked) {
    fs::remove(System() / "Core.rdt");
    BuiltReport report = Build();
    Find(report.text, "Missing RDT: 'core.rdt'!\r\n\r\n");
    EXPECT_EQ(report.text.find("Missing RDT: 'outbox.rdt'"), std::string::npos);
    EXPECT_EQ(report.text.find("DumpRDT 'Core.rdt'"), std::string::npos);
    EXPECT_TRUE(report.dataFileMissing);

    fs::remove_all(System());
    report = Build();
    Find(report.text, "Missing RDT: 'core.rdt'!\r\n\r\nMissing RDT: 'outbox.rdt'!\r\n");
    Find(report.text, "Contents of RDT files\r\n  DumpRDTs:  Can't find System directory!\r\n");
}

TEST_F(ReportBuilderTest, LargeStoreFilesAreDumpedOnlyAsFarAsTheDumpShows) {
    struct Case {
        size_t size;
        size_t dumped;
    };
    for (const Case& c : {Case{100000, 100000}, Case{100001, 99999}, Case{100u << 20, 99999}}) {
        {
            std::ofstream core(System() / "Core.rdt", std::ios::binary | std::ios::trunc);
            core << std::string(1000, 'c');
        }
        fs::resize_file(System() / "Core.rdt", c.size);  // beyond what was written: a sparse run of NULs
        const std::string text = Build().text;
        const std::string head = "  DumpRDT 'Core.rdt' Contents:\r\n";
        const size_t start = Find(text, head) + head.size();
        const size_t end = text.find("\r\n", start);
        EXPECT_EQ(end - start, c.dumped) << c.size;
        EXPECT_EQ(text.find('\0'), std::string::npos) << "the dump stays text";
        EXPECT_EQ(text.find("DumpRDT 'Outbox.rdt'"), std::string::npos) << "joining stopped past 90000 characters";
    }
}

TEST_F(ReportBuilderTest, NotInstalledLeavesOutWhatBelongsToTheInstallation) {
    fs::remove_all(Installed());
    const std::string text = Build().text;
    Find(text, "Rivakel install status:\r\n  Installed: false\r\n\r\n");
    for (const char* absent : {"Installed Game Versions:", "Missing RDT", "Contents of Rivakel directory:",
                               "Contents of My Rivakel directory", "Contents of RDT files"}) {
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
    }
    Find(text, "recursive contents of temporary Rivakel directories\r\n  Temp Directory: 'abc~rv1'");
}

TEST_F(ReportBuilderTest, TrackedErrorsAreNumberedFromOne) {
    sources_.trackedErrors = {"first\r\n", "second\r\n"};
    Find(Build().text, "\r\nTracked Errors:\r\n1 - first\r\n\r\n2 - second\r\n\r\n");
}

TEST_F(ReportBuilderTest, ACrashGivesItsFaultRegistersAndStack) {
    CrashRecord record;
    record.signal = 8;
    record.code = 1;
    record.registers.resize(crash::RegisterCount);
    for (uint32_t i = 0; i < crash::RegisterCount; ++i) record.registers[i] = 0x1111111111111111ull * (i % 15 + 1);
    record.registers[crash::Cs] = 0x33;
    record.registers[crash::Ss] = 0x2B;
    record.registers[crash::Eflags] = 0x10246;
    sources_.crash = &record;
    const BuiltReport report = Build();
    Find(report.text, "Exception code: C0000094 INT_DIVIDE_BY_ZERO\r\nSignal: 8 SIGFPE  Memory address: ");
    Find(report.text,
         "\r\nRegisters:\r\n"
         "RAX:1111111111111111\r\nRBX:2222222222222222\r\nRCX:3333333333333333\r\nRDX:4444444444444444\r\n"
         "RSI:5555555555555555\r\nRDI:6666666666666666\r\n"
         "R8:9999999999999999\r\nR9:AAAAAAAAAAAAAAAA\r\nR10:BBBBBBBBBBBBBBBB\r\nR11:CCCCCCCCCCCCCCCC\r\n"
         "R12:DDDDDDDDDDDDDDDD\r\nR13:EEEEEEEEEEEEEEEE\r\nR14:FFFFFFFFFFFFFFFF\r\nR15:1111111111111111\r\n"
         "CS:RIP:0033:2222222222222222\r\n"
         "SS:RSP:002B:8888888888888888  RBP:7777777777777777\r\n"
         "DS:6666  ES:7777  FS:8888  GS:9999\r\n"
         "Flags:00010246\r\n");
}

TEST_F(ReportBuilderTest, TheSubjectCodeIsTheFaultsPlaceInItsModule) {
    const CrashRecord record = live_capture::CaptureHere();
    sources_.crash = &record;
    const BuiltReport report = Build();
    // The place counts from the executable's link-time addresses: the loader's bias is taken off,
    // which is the first mapping's start for a position-independent program and 0 otherwise.
    const uint64_t pc = record.registers[crash::Rip];
    Dl_info info{};
    link_map* loaded = nullptr;
    ASSERT_NE(dladdr1(reinterpret_cast<void*>(pc), &info, reinterpret_cast<void**>(&loaded), RTLD_DL_LINKMAP), 0);
    ASSERT_NE(loaded, nullptr);
    const uint64_t base = loaded->l_addr;
    char expected[16];
    std::snprintf(expected, sizeof expected, "%08X", static_cast<unsigned>((pc - base) & 0xFFFFFFFFu));
    EXPECT_EQ(report.subjectCode, expected);
    Find(report.text, "rivakel_core_report_tests  live_capture::CaptureHere()+0x");
}

}  // namespace
