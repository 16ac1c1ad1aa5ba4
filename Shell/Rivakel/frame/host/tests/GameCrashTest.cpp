// A game that crashes on purpose, hosted in a child process with the shell's fault handler
// installed; the real shell program writes the report. The report must say what happened and
// name the game's function, and the store saved before the crash must read back whole.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/base/Log.h"
#include "core/report/ErrorReport.h"
#include "frame/host/tests/GameHostTestServices.h"
#include "platform/tests/CrashChild.h"
#include "platform/tests/HostTestFolder.h"

namespace {

constexpr const char* kGameVariable = "RIVAKEL_CRASH_GAME";

// Runs only as the child the tests below start.
TEST(GameCrashChild, PlaysUntilTheGameCrashes) {
    const auto game = CrashChildSetting(kGameVariable);
    if (!game) GTEST_SKIP() << "runs as the child of the game crash tests";
    GameHostTestServices services;
    // The reporter, a fresh process, finds the installation where this store keeps its files.
    setenv("XDG_DATA_HOME", services.Folder().c_str(), 1);
    CSubsystem_UserStore& store = *UserStore();
    store.SetInstalled(true);
    store.CoreRoot()->GetOrAddChild("CrashMarker")->SetText("saved before the crash");
    ASSERT_EQ(store.SaveCore(), kStoreOk);

    ErrorReportOptions options;
    options.reporter = RIVAKEL_PROGRAM;
    const auto errorReport = InstallErrorReport(options);
    ASSERT_TRUE(errorReport);
    Error("GameCrashChild: a tracked error before the crash");
    services.Host().Start(TestGamePath(*game), "");
    services.AdvanceMs(40);
    ADD_FAILURE() << "the game did not crash";
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder, std::string_view prefix) {
    std::vector<std::filesystem::path> found;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        if (entry.path().filename().string().starts_with(prefix)) found.push_back(entry.path());
    }
    return found;
}

// The line of the call stack that holds `function`, or empty.
std::string StackLineWith(const std::string& report, std::string_view function) {
    const size_t stack = report.find("\r\nCall stack:");
    if (stack == std::string::npos) return {};
    const size_t at = report.find(function, stack);
    if (at == std::string::npos) return {};
    const size_t begin = report.rfind('\n', at) + 1;
    return report.substr(begin, report.find('\r', at) - begin);
}

struct CrashCase {
    const char* game;
    const char* exception;
    const char* function;
};

TEST(GameCrash, TheReportNamesTheGamesFunctionAndTheStoreReadsBackWhole) {
    const CrashCase cases[] = {
        {"CrashGameNullWrite", "Exception code: C0000005 ACCESS_VIOLATION", "WriteThroughNullPointer"},
        {"CrashGameAbort", "Exception code: 00000006 Aborted", "AbortOnPurpose"},
        {"CrashGameOverflow", "Exception code: C00000FD STACK_OVERFLOW", "RecurseWithoutEnd"},
        {"CrashGameOnTick", "Exception code: C0000005 ACCESS_VIOLATION", "CrashOnTick"},
    };
    for (const CrashCase& c : cases) {
        SCOPED_TRACE(c.game);
        HostTestFolder folder;
        const std::filesystem::path root = folder.Path();
        std::filesystem::create_directories(root / "tmp");
        const ChildResult result =
            RunCrashChild("/proc/self/exe", "GameCrashChild.PlaysUntilTheGameCrashes",
                          {{kGameVariable, c.game}, {"TMPDIR", root / "tmp"}, {"XDG_STATE_HOME", root / "state"}});
        ASSERT_TRUE(result.finished) << "the crashed process hung";
        EXPECT_TRUE(result.exited);
        EXPECT_EQ(result.exitCode, 255);

        const std::filesystem::path reports = root / "state" / "Rivakel" / "Reports";
        const auto written = FilesIn(reports, "report-");
        ASSERT_EQ(written.size(), 1u);
        EXPECT_TRUE(FilesIn(reports, "crash-").empty()) << "the reporter removes the record it reported";
        const std::string report = ReadText(written[0]);
        EXPECT_NE(report.find(c.exception), std::string::npos) << report.substr(0, 400);
        const std::string line = StackLineWith(report, c.function);
        EXPECT_NE(line.find(std::string(c.game) + ".gam"), std::string::npos) << "stack line: " << line << "\n" << report;
        EXPECT_NE(report.find("\r\nTracked Errors:\r\n1 - GameCrashChild: a tracked error before the crash\r\n"),
                  std::string::npos);
        EXPECT_NE(report.find("  DumpRDT 'Core.rdt' Contents:\r\n<RDT"), std::string::npos);

        const auto stores = FilesIn(root / "tmp", "rivakel-store-");
        ASSERT_EQ(stores.size(), 1u);
        UserStoreConfig config;
        config.shellFolder = (stores[0] / "Rivakel" / "System").string();
        CSubsystem_UserStore reread(std::move(config));
        ASSERT_NE(reread.CoreRoot()->FindChild("CrashMarker"), nullptr);
        EXPECT_EQ(reread.CoreRoot()->FindChild("CrashMarker")->Text(), "saved before the crash");
    }
}

}  // namespace
