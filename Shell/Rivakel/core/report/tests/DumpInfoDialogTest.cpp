// The report's dialog templates, and the reporter run on the headless backend.
#include "core/report/DumpInfoDialog.h"

#include <gtest/gtest.h>

#include "core/dialogs/Dialog.h"
#include "core/report/ErrorReport.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/tests/HostTestFolder.h"

namespace {

TEST(DumpInfoDialog, TheSubjectIsTheFaultsCodeOrTheMissingStoreFile) {
    BuiltReport report;
    report.subjectCode = "0003FD12";
    EXPECT_EQ(FillSubject("subject \"Error XXXXXXXX\".", report), "subject \"Error 0003FD12\".");
    report.dataFileMissing = true;
    EXPECT_EQ(FillSubject("subject \"Error XXXXXXXX\".", report), "subject \"Error : RDTERR\".");
    EXPECT_EQ(FillSubject("no placeholder here", report), "no placeholder here");
    EXPECT_EQ(FillSubject("XXXXXXX", report), "XXXXXXX") << "seven are no placeholder";
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
