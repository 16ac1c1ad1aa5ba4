// The reporter run in its own window on the headless backend, its dialogs answered by a script
// as a user would click through them.
#include "app/ReporterWindow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/dialogs/Dialog.h"
#include "core/dialogs/DialogEnvironment.h"
#include "core/report/DumpInfoDialog.h"
#include "core/report/ErrorReport.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/tests/HostTestFolder.h"

namespace {

namespace fs = std::filesystem;

TEST(ReporterWindow, TheUserShowsTheReportCopiesItAndClosesRivakel) {
    HostTestFolder folder;
    setenv("XDG_STATE_HOME", (fs::path(folder.Path()) / "state").c_str(), 1);
    setenv("XDG_DATA_HOME", (fs::path(folder.Path()) / "data").c_str(), 1);
    auto owned = std::make_unique<platform::headless::HeadlessBackend>();
    platform::headless::HeadlessBackend* headless = owned.get();
    platform::SetBackend(std::move(owned));

    std::vector<std::string> seen;
    std::string shownReport;
    std::string request;
    SetDialogScript([&](CDialog& dialog) {
        const std::string step = dialog.Name() + "#" + std::to_string(seen.size());
        seen.push_back(dialog.Name());
        EXPECT_EQ(dialog.Caption(), dialog.Name() == "MESSAGEBOX" ? "Thank you for your help" : "Unexpected Error Occurred");
        if (step == "DUMPINFO#0") {
            EXPECT_FALSE(dialog.Terms()) << "the report stays hidden";
            dialog.Press(kDumpInfoShow);
        } else if (step == "DUMPINFO2#1") {
            ASSERT_NE(dialog.Terms(), nullptr);
            shownReport = dialog.Terms()->Text();
            dialog.Press(kDumpInfoCopy);
        } else if (step == "MESSAGEBOX#2") {
            dialog.Press(kIdOk);
        } else if (step == "DUMPINFO2#3") {
            dialog.Command(kIdCancel);  // Escape closes the details; it does not end the report
        } else if (step == "DUMPINFO#4") {
            dialog.Press(kDumpInfoClose);
        } else {
            ADD_FAILURE() << "unexpected " << step;
            dialog.Close();
        }
    });
    EXPECT_EQ(RunErrorReporter({}, RunInReporterWindow), 0);
    SetDialogScript(nullptr);

    EXPECT_EQ(seen, (std::vector<std::string>{"DUMPINFO", "DUMPINFO2", "MESSAGEBOX", "DUMPINFO2", "DUMPINFO"}));
    std::vector<fs::path> reports;
    for (const auto& entry : fs::directory_iterator(ReportFolder())) reports.push_back(entry.path());
    ASSERT_EQ(reports.size(), 1u);
    std::ifstream in(reports[0], std::ios::binary);
    std::stringstream written;
    written << in.rdbuf();
    EXPECT_EQ(headless->GetClipboardText(), written.str()) << "the copy is the report with its CR LF line ends";
    std::string withoutReturns = written.str();
    std::erase(withoutReturns, '\r');
    EXPECT_EQ(shownReport, withoutReturns);
    EXPECT_EQ(CurrentDialogEnvironment().root, nullptr) << "the reporter's window is gone";

    platform::SetBackend(nullptr);
    unsetenv("XDG_STATE_HOME");
    unsetenv("XDG_DATA_HOME");
}

}  // namespace
