// The error report's text: the fault and where it happened, the installation, the versions of
// the shell and the games, the system, the tracked errors, the registers and the call stack,
// folder listings and the user store's files, in that order.
#pragma once

#include <string>
#include <vector>

#include "core/report/CrashRecord.h"

namespace platform {
class Backend;
}

// The labels' values of the system information.
struct SystemFacts {
    std::string platform;
    std::string version;
    std::string resolution;
    std::string palColors = "0";
    std::string bitDepth;
    std::string dxVersion = "DX0.0";
    bool sound = false;
    bool internet = false;
    bool crypto = false;
};
// What this machine says of itself; the screen from `backend` when there is one.
SystemFacts GatherSystemFacts(platform::Backend* backend);

struct ReportSources {
    const CrashRecord* crash = nullptr;  // null for a report asked for without a crash
    std::string dataFolder;              // holds the "Rivakel" installation
    std::string documentsFolder;         // holds "My Rivakel"
    std::string tempFolder;
    std::string programName;             // the shell program's file in the installation
    std::string runningVersion;          // string 1 of the running program
    std::vector<std::string> trackedErrors;
    SystemFacts system;
};

struct BuiltReport {
    std::string text;
    std::string subjectCode = "00000000";  // eight hexadecimal digits naming the fault
    bool dataFileMissing = false;          // a user store file is missing
};

BuiltReport BuildErrorReport(const ReportSources& sources);

// A user store file larger than this is dumped as its first kDumpCut characters.
inline constexpr size_t kDumpLimit = 100000;
inline constexpr size_t kDumpCut = 99999;
