// The error report's two dialogs: DUMPINFO, with the report hidden behind ">>", and DUMPINFO2,
// with the report shown and "<<" back. Both close the program's report with "Close Rivakel" and
// put the report on the clipboard with "Copy to Clipboard". Escape closes DUMPINFO2's details.
#pragma once

#include <string>
#include <string_view>

#include "core/base/SupportAddress.h"
#include "core/dialogs/DialogTemplate.h"
#include "core/report/ReportBuilder.h"

// Dialog ids: what each button ends its dialog with.
inline constexpr int kDumpInfoClose = 0;
inline constexpr int kDumpInfoShow = 100;
inline constexpr int kDumpInfoHide = 101;
inline constexpr int kDumpInfoCopy = 1001;

// The request's text with "XXXXXXXX" replaced by the subject code, or by ": RDTERR" when a user
// store file is missing; a text without the placeholder stays as it is.
std::string FillSubject(std::string_view text, const BuiltReport& report);

// "DUMPINFO" (report hidden) or "DUMPINFO2" (report shown). `crashed` is false for a report asked
// for without a fault, which needs no shutting down.
DialogTemplate DumpInfoTemplate(const BuiltReport& report, bool reportShown, bool crashed);

// Shows the dialogs until "Close Rivakel" (or until they cannot be shown). False when none could.
bool ShowDumpInfo(const BuiltReport& report, bool crashed);
