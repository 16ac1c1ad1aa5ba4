// The error report's entry points: the fault handler a running shell installs, and the reporter
// run of the shell program that turns a crash record (or a request without one) into the report.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CrashCapture.h"

// The shell program started with this as its first argument is the reporter: then comes the
// crash record's path and the descriptor to tell the crashed process on. Without them it reports
// on the installation as it is (a diagnostic request).
inline constexpr std::string_view kErrorReportSwitch = "--error-report";
// The shell's program file in its installation.
inline constexpr std::string_view kInstalledProgramName = "Rivakel";

// Where crash records and written reports are kept.
std::string ReportFolder();

struct ErrorReportOptions {
    // The reporter program; empty: this program.
    std::string reporter;
};

// Installs the fault handler for the life of the returned object, which restores the previous
// handler. Empty records left by earlier runs that ended without a word are removed. Null (and
// an error logged) when the handler cannot be installed.
std::unique_ptr<platform::CrashCapture> InstallErrorReport(const ErrorReportOptions& options = {});

// Runs its argument while a window for the report's dialogs is up; false when there is none.
using ReportWindowHost = std::function<bool(const std::function<void()>& body)>;

// The reporter run; `args` are the arguments after kErrorReportSwitch. The report is written
// and the crashed process told before the dialogs show (in `window`, when given and there is a
// display to show them on). Returns the exit code.
int RunErrorReporter(std::span<const std::string> args, const ReportWindowHost& window = {});
