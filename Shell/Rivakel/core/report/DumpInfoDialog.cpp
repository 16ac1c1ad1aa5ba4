#include "core/report/DumpInfoDialog.h"

#include "core/dialogs/Dialog.h"
#include "core/dialogs/ShellDialogs.h"
#include "platform/Platform.h"

namespace {

constexpr std::string_view kPlaceholder = "XXXXXXXX";
constexpr std::string_view kDataFileError = ": RDTERR";
constexpr std::string_view kTitle = "Unexpected Error Occurred";
constexpr std::string_view kCrashExplanation =
    "Rivakel has encountered an unexpected error and needs to be shut down.  This window gathers information "
    "about your computer that will help us fix the problem.";
constexpr std::string_view kRequestExplanation =
    "This window gathers information about your computer and your Rivakel installation that will help us "
    "answer your question.";
constexpr std::string_view kApology =
    "We apologize for the inconvenience and promise to address these issues immediately.";
constexpr std::string_view kThanksCaption = "Thank you for your help";

std::string RequestText() {
    return "Please send it to us: click the Copy to Clipboard button, write an e-mail to " + std::string(kSupportAddress) +
           " that describes what happened, paste the information into it and put the subject line \"Error " +
           std::string(kPlaceholder) + "\".";
}

DialogControl Text(std::string_view text) { return {DialogControlKind::Text, -1, std::string(text), false}; }
DialogControl Button(int id, std::string_view text, bool isDefault = false) {
    return {DialogControlKind::Button, id, std::string(text), isDefault};
}

class DumpInfoProcedure final : public DialogProcedure {
public:
    DumpInfoProcedure(const BuiltReport& report, int& result) : report_(report), result_(result) {}

    bool OnCommand(CDialog& dialog, int id) override {
        switch (id) {
        case kDumpInfoShow:
        case kDumpInfoHide:
        case kDumpInfoClose:
            result_ = id;
            return true;
        case kDumpInfoCopy:
            CopyReport();
            return false;
        case kIdCancel:
            // Escape closes the details; only "Close Rivakel" ends the report.
            if (!dialog.HasControl(kDumpInfoHide)) return false;
            result_ = kDumpInfoHide;
            return true;
        default:
            return false;
        }
    }

private:
    void CopyReport() const {
        if (platform::Backend* backend = platform::GetBackend()) backend->SetClipboardText(report_.text);
        ShowMessageBox(kThanksCaption,
                       "Thank you for helping us make Rivakel a better product.  Please remember to paste\nthis "
                       "information into an email, include a description of the issue, and send it to\n" +
                           std::string(kSupportAddress),
                       0);
    }

    const BuiltReport& report_;
    int& result_;
};

}  // namespace

std::string FillSubject(std::string_view text, const BuiltReport& report) {
    std::string filled(text);
    const size_t at = filled.find(kPlaceholder);
    if (at != std::string::npos) {
        filled.replace(at, kPlaceholder.size(), report.dataFileMissing ? kDataFileError : report.subjectCode);
    }
    return filled;
}

DialogTemplate DumpInfoTemplate(const BuiltReport& report, bool reportShown, bool crashed) {
    DialogTemplate description{reportShown ? "DUMPINFO2" : "DUMPINFO", std::string(kTitle), 0, 0, {}};
    description.controls.push_back(Text(crashed ? kCrashExplanation : kRequestExplanation));
    description.controls.push_back(Text(FillSubject(RequestText(), report)));
    if (reportShown) {
        description.widthUnits = 370;
        description.heightUnits = 270;
        // The field shows lines; the copied text keeps its CR LF line ends.
        std::string shown = report.text;
        std::erase(shown, '\r');
        description.controls.push_back({DialogControlKind::TermsView, -1, std::move(shown), false});
    } else {
        description.widthUnits = 260;
        description.controls.push_back(
            {DialogControlKind::More, kDumpInfoShow, "Click >> to see the information that will be copied.", false});
    }
    description.controls.push_back(Text(kApology));
    if (reportShown) description.controls.push_back(Button(kDumpInfoHide, "<<"));
    description.controls.push_back(Button(kDumpInfoClose, "Close Rivakel", true));
    description.controls.push_back(Button(kDumpInfoCopy, "&Copy to Clipboard"));
    return description;
}

bool ShowDumpInfo(const BuiltReport& report, bool crashed) {
    bool shown = false;
    bool reportShown = false;
    for (;;) {
        int result = kDumpInfoClose;
        DumpInfoProcedure procedure(report, result);
        CDialog dialog(DumpInfoTemplate(report, reportShown, crashed), procedure);
        if (!dialog.Valid() || !dialog.Run()) return shown;
        shown = true;
        if (result == kDumpInfoClose) return true;
        reportShown = result == kDumpInfoShow;
    }
}
