// A crash on one thread while another keeps saving the user store: the process ends through
// the fault handler in the middle of a save, and the Core file must still read back whole,
// with the content of one complete save.
#include <gtest/gtest.h>

#include <charconv>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "core/report/CrashRecord.h"
#include "core/report/ErrorReport.h"
#include "core/store/UserStore.h"
#include "platform/tests/CrashChild.h"
#include "platform/tests/HostTestFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kFolderVariable = "RIVAKEL_STORE_CRASH_DIR";
constexpr const char* kDelayVariable = "RIVAKEL_STORE_CRASH_DELAY_US";

long ParseLong(std::string_view text) {
    long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Its length changes from save to save, so a file cut short or mixed from two saves shows.
std::string PayloadFor(long n) {
    return "<" + std::to_string(n) + ">" + std::string(static_cast<size_t>(20000 + (n % 7) * 15000), static_cast<char>('a' + n % 26));
}

UserStoreConfig StoreConfig(const std::string& folder, bool installed) {
    UserStoreConfig config;
    config.installed = installed;
    config.dataFolder = folder;
    config.shellFolder = folder + "/Rivakel/System";
    return config;
}

int* volatile g_nowhere = nullptr;

RIVAKEL_FAULTS_ON_PURPOSE void WriteThroughNull() { *g_nowhere = 1; }

TEST(StoreCrashChild, SavesUntilAnotherThreadCrashes) {
    const auto folder = CrashChildSetting(kFolderVariable);
    if (!folder) GTEST_SKIP() << "runs as the child of the store crash test";
    setenv("XDG_STATE_HOME", (*folder + "/state").c_str(), 1);
    const auto errorReport = InstallErrorReport({"/bin/true"});
    ASSERT_TRUE(errorReport);
    CSubsystem_UserStore store(StoreConfig(*folder, true));
    ASSERT_EQ(store.SaveCore(), kStoreOk);
    const auto delay = std::chrono::microseconds(ParseLong(*CrashChildSetting(kDelayVariable)));
    std::thread crasher([delay] {
        std::this_thread::sleep_for(delay);
        WriteThroughNull();
    });
    for (long n = 1;; ++n) {
        store.SetGameProp("Counter", std::to_string(n));
        store.SetGameProp("Payload", PayloadFor(n));
        store.SaveCore();
    }
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

TEST(StoreCrash, TheCoreFileReadsBackWholeAfterACrashDuringASave) {
    std::mt19937 random(4242);
    for (int round = 0; round < 12; ++round) {
        HostTestFolder folder;
        const ChildResult result =
            RunCrashChild("/proc/self/exe", "StoreCrashChild.SavesUntilAnotherThreadCrashes",
                          {{kFolderVariable, folder.Path()}, {kDelayVariable, std::to_string(5000 + random() % 40000)}});
        ASSERT_TRUE(result.finished) << "round " << round;
        ASSERT_EQ(result.exitCode, 255) << "round " << round;

        std::vector<fs::path> records;
        for (const auto& entry : fs::directory_iterator(fs::path(folder.Path()) / "state" / "Rivakel" / "Reports")) {
            records.push_back(entry.path());
        }
        ASSERT_EQ(records.size(), 1u) << "the record waits for a reporter that never read it";
        const std::string bytes = ReadText(records[0]);
        const auto record = ReadCrashRecord(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
        ASSERT_TRUE(record);
        EXPECT_TRUE(record->complete);
        EXPECT_EQ(record->signal, 11);

        const std::string text = ReadText(fs::path(folder.Path()) / "Rivakel" / "System" / "Core.rdt");
        ASSERT_GE(text.size(), 8u) << "round " << round;
        EXPECT_EQ(text.substr(text.size() - 8), "</RDT>\r\n") << "round " << round;
        CSubsystem_UserStore reader(StoreConfig(folder.Path(), false));
        std::string counter, payload;
        if (reader.GetGameProp("Counter", counter) != kStoreOk) continue;  // the crash came before the first save
        ASSERT_EQ(reader.GetGameProp("Payload", payload), kStoreOk) << "round " << round;
        EXPECT_EQ(payload, PayloadFor(ParseLong(counter))) << "round " << round;
    }
}

}  // namespace
