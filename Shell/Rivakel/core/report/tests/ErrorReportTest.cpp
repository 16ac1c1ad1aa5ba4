#include "core/report/ErrorReport.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/tests/HostTestFolder.h"

namespace {

namespace fs = std::filesystem;

// Points the state and data folders into a test folder for as long as it lives.
class ReportFolders {
public:
    ReportFolders() {
        Keep("XDG_STATE_HOME", folder_ / "state");
        Keep("XDG_DATA_HOME", folder_ / "data");
    }
    ~ReportFolders() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }
    ReportFolders(const ReportFolders&) = delete;
    ReportFolders& operator=(const ReportFolders&) = delete;

    fs::path Reports() const { return fs::path(ReportFolder()); }

private:
    void Keep(const std::string& name, const std::string& value) {
        const char* old = std::getenv(name.c_str());
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        setenv(name.c_str(), value.c_str(), 1);
    }

    HostTestFolder folder_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

std::vector<fs::path> Files(const fs::path& folder) {
    std::vector<fs::path> found;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(folder, ignored)) found.push_back(entry.path());
    return found;
}

TEST(ErrorReport, ADamagedRecordStillGivesAReportAndTheCrashedProcessIsTold) {
    ReportFolders folders;
    fs::create_directories(folders.Reports());
    const fs::path record = folders.Reports() / "crash-12.rec";
    std::ofstream(record) << "not a crash record";
    int done[2];
    ASSERT_EQ(pipe(done), 0);
    const std::vector<std::string> args = {record.string(), std::to_string(done[1])};

    EXPECT_EQ(RunErrorReporter(args), 0);
    char answer = 0;
    EXPECT_EQ(read(done[0], &answer, 1), 1);
    EXPECT_EQ(answer, '1');
    EXPECT_EQ(fcntl(done[1], F_GETFD), -1) << "the reporter closes its end";
    close(done[0]);

    const auto files = Files(folders.Reports());
    ASSERT_EQ(files.size(), 1u) << "the record is gone, the report is there";
    EXPECT_TRUE(files[0].filename().string().starts_with("report-"));
    EXPECT_EQ(fs::status(files[0]).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write)
        << "the report holds the user's data";
    std::ifstream in(files[0]);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("Exception code: 00000000 "), std::string::npos);
    EXPECT_NE(text.str().find("  Installed: false"), std::string::npos);
}

TEST(ErrorReport, AFileOutsideTheReportFolderIsReadButNeverRemoved) {
    ReportFolders folders;
    HostTestFolder elsewhere;
    const fs::path notARecord = fs::path(elsewhere.Path()) / "crash-5.rec";
    std::ofstream(notARecord) << "someone's file";
    EXPECT_EQ(RunErrorReporter(std::vector<std::string>{notARecord.string()}), 0);
    EXPECT_TRUE(fs::exists(notARecord));
}

TEST(ErrorReport, InstallingRemovesEmptyRecordsOfProcessesThatAreGone) {
    ReportFolders folders;
    fs::create_directories(folders.Reports());
    const fs::path gone = folders.Reports() / "crash-999999999.rec";
    const fs::path running = folders.Reports() / "crash-1.rec";
    const fs::path unreported = folders.Reports() / "crash-999999998.rec";
    std::ofstream{gone};
    std::ofstream{running};
    std::ofstream(unreported) << "left by a reporter that did not finish";
    {
        const auto capture = InstallErrorReport({"/bin/true"});
        ASSERT_TRUE(capture);
        EXPECT_FALSE(fs::exists(gone));
        EXPECT_TRUE(fs::exists(running)) << "process 1 is always there";
        EXPECT_TRUE(fs::exists(unreported));
        const auto files = Files(folders.Reports());
        EXPECT_EQ(files.size(), 3u) << "and this process's own record";
        EXPECT_TRUE(fs::exists(folders.Reports() / ("crash-" + std::to_string(getpid()) + ".rec")));
    }
    EXPECT_EQ(Files(folders.Reports()).size(), 2u) << "its own record goes with the handler";
}

TEST(ErrorReport, OnlyTheNewestReportsAreKept) {
    ReportFolders folders;
    fs::create_directories(folders.Reports());
    for (int i = 0; i < 25; ++i) std::ofstream(folders.Reports() / ("report-2001" + std::to_string(1000 + i) + ".txt"));
    EXPECT_EQ(RunErrorReporter({}), 0);
    const auto files = Files(folders.Reports());
    EXPECT_EQ(files.size(), 20u);
    EXPECT_FALSE(fs::exists(folders.Reports() / "report-20011000.txt"));
    EXPECT_TRUE(fs::exists(folders.Reports() / "report-20011024.txt"));
}

}  // namespace
