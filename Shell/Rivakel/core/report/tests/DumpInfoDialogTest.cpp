// The reporter run with its dialogs on the headless backend, answered by a script as a user
// would click through them.
#include "core/report/DumpInfoDialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/app/ReporterWindow.h"
#include "core/report/ErrorReport.h"
#include "frame/dialogs/Dialog.h"
#include "frame/dialogs/DialogEnvironment.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/tests/HostTestFolder.h"

namespace {

namespace fs = std::filesystem;

TEST(DumpInfoDialog, TheSubjectIsTheFaultsCodeOrTheMissingStoreFile) {
    BuiltReport report;
    report.subjectCode = "0003FD12";
    EXPECT_EQ(FillSubject("subject \"Error XXXXXXXX\".", report), "subject \"Error 0003FD12\".");
    report.dataFileMissing = true;
    EXPECT_EQ(FillSubject("subject \"Error XXXXXXXX\".", report), "subject \"Error : RDTERR\".");
    EXPECT_EQ(FillSubject("no placeholder here", report), "no placeholder here");
    EXPECT_EQ(FillSubject("XXXXXXX", report), "XXXXXXX") << "seven are no placeholder";
}

TEST(DumpInfoDialog, TheUserShowsTheReportCopiesItAndClosesRivakel) {
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
            dialog.Command(kIdCancel);  // Escape does not end the report
            dialog.Press(kDumpInfoHide);
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

TEST(DumpInfoDialog, WithoutADisplayTheReportIsOnlyWritten) {
    HostTestFolder folder;
    setenv("XDG_STATE_HOME", folder.Path().c_str(), 1);
    platform::SetBackend(std::make_unique<platform::headless::HeadlessBackend>());
    bool windowAsked = false;
    EXPECT_EQ(RunErrorReporter({}, [&](const std::function<void()>&) { return windowAsked = true; }), 0);
    EXPECT_FALSE(windowAsked) << "a headless run has nobody to show dialogs to";
    platform::SetBackend(nullptr);
    unsetenv("XDG_STATE_HOME");
}

TEST(DumpInfoDialog, TheTemplatesHoldTheirButtonsAndTexts) {
    BuiltReport report;
    report.text = "line one\r\nline two\r\n";
    report.subjectCode = "ABCDEF01";
    const DialogTemplate hidden = DumpInfoTemplate(report, false, true);
    const DialogTemplate shown = DumpInfoTemplate(report, true, true);
    const auto texts = [](const DialogTemplate& d) {
        std::string all;
        for (const DialogControl& c : d.controls) all += c.text + "|";
        return all;
    };
    EXPECT_NE(texts(hidden).find("\"Error ABCDEF01\""), std::string::npos);
    EXPECT_NE(texts(hidden).find("We apologize for the inconvenience and promise to address these issues immediately.|"),
              std::string::npos);
    EXPECT_NE(texts(hidden).find("needs to be shut down"), std::string::npos);
    EXPECT_EQ(texts(DumpInfoTemplate(report, false, false)).find("needs to be shut down"), std::string::npos);
    EXPECT_EQ(texts(shown).find(">>"), std::string::npos);
    EXPECT_NE(texts(shown).find("line one\nline two\n|We apologize for the inconvenience and promise to address these "
                                "issues immediately.|<<|Close Rivakel|&Copy to Clipboard|"),
              std::string::npos);
}

}  // namespace
