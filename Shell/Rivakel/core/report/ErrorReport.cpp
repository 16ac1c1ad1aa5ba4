#include "core/report/ErrorReport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "core/base/Log.h"
#include "core/dialogs/DialogEnvironment.h"
#include "core/report/CrashRecord.h"
#include "core/report/DumpInfoDialog.h"
#include "core/report/ReportBuilder.h"
#include "core/resources/ResourceModule.h"
#include "platform/CrashRecordFormat.h"
#include "platform/Host.h"
#include "platform/Platform.h"

namespace {

constexpr std::string_view kRecordPrefix = "crash-";
constexpr std::string_view kRecordSuffix = ".rec";
constexpr std::string_view kReportPrefix = "report-";
constexpr std::string_view kReportSuffix = ".txt";
// Older reports are removed once there are more.
constexpr size_t kKeptReports = 20;
// A record is never larger: its header, the bounded sections and their headers.
constexpr size_t kMaxRecordBytes = sizeof(platform::crash::CrashRecordHeader) + platform::crash::kMaxMapsBytes +
                                   platform::crash::kMaxStackBytes + 8 + platform::crash::kMaxErrorBytes + 4 * 16;

bool HasForm(std::string_view name, std::string_view prefix, std::string_view suffix) {
    return name.size() > prefix.size() + suffix.size() && name.starts_with(prefix) && name.ends_with(suffix);
}

bool IsRecordIn(const std::string& folder, const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash != std::string::npos && path.substr(0, slash) == folder &&
           HasForm(std::string_view(path).substr(slash + 1), kRecordPrefix, kRecordSuffix);
}

// The process number in a record's name; 0 when the name holds none.
uint64_t RecordOwner(std::string_view name) {
    uint64_t id = 0;
    for (char c : name.substr(kRecordPrefix.size(), name.size() - kRecordPrefix.size() - kRecordSuffix.size())) {
        if (c < '0' || c > '9' || id > 1000000000) return 0;
        id = id * 10 + static_cast<uint64_t>(c - '0');
    }
    return id;
}

// A run that ended without a crash removes its record; one killed outright leaves it empty.
void RemoveEmptyRecords(const std::string& folder) {
    for (const platform::FolderEntry& entry : platform::ListFolder(folder)) {
        if (entry.isFolder || entry.size != 0 || !HasForm(entry.name, kRecordPrefix, kRecordSuffix)) continue;
        if (!platform::ProcessRunning(RecordOwner(entry.name))) platform::DeleteFile(platform::JoinPath(folder, entry.name));
    }
}

void RemoveOldReports(const std::string& folder) {
    std::vector<std::string> reports;
    for (const platform::FolderEntry& entry : platform::ListFolder(folder)) {
        if (!entry.isFolder && HasForm(entry.name, kReportPrefix, kReportSuffix)) reports.push_back(entry.name);
    }
    // Names begin with the time, so name order is age order (ListFolder sorts by name).
    for (size_t i = 0; i + kKeptReports < reports.size(); ++i) platform::DeleteFile(platform::JoinPath(folder, reports[i]));
}

std::string TimeText(uint64_t secondsSince1970) {
    using namespace std::chrono;
    const sys_seconds when{seconds{static_cast<int64_t>(secondsSince1970)}};
    const sys_days day = floor<days>(when);
    const year_month_day date{day};
    const hh_mm_ss time{when - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02u%02u-%02d%02d%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

std::string RunningVersion() {
    const resources::ResourceModule* own = resources::ResourceModule::Own();
    const std::optional<std::string_view> version = own ? own->GetString(1) : std::nullopt;
    return version ? std::string(*version) : std::string();
}

std::optional<CrashRecord> LoadRecord(const std::string& path) {
    const auto bytes = platform::ReadFilePrefix(path, kMaxRecordBytes);
    std::string why;
    std::optional<CrashRecord> record = bytes ? ReadCrashRecord(*bytes, &why) : std::nullopt;
    if (!record) Error("RunErrorReporter: the crash record %s cannot be read (%s)", path.c_str(), why.c_str());
    return record;
}

}  // namespace

std::string ReportFolder() { return platform::JoinPath(platform::JoinPath(platform::StateFolder(), "Rivakel"), "Reports"); }

std::unique_ptr<platform::CrashCapture> InstallErrorReport(const ErrorReportOptions& options) {
    const std::string folder = ReportFolder();
    if (!platform::CreateFolders(folder)) {
        Error("InstallErrorReport: cannot create %s", folder.c_str());
        return nullptr;
    }
    RemoveEmptyRecords(folder);
    platform::CrashCaptureConfig config;
    config.recordPath = platform::JoinPath(folder, std::string(kRecordPrefix) + std::to_string(platform::ProcessId()) +
                                                       std::string(kRecordSuffix));
    config.reporter = {options.reporter.empty() ? platform::ExecutablePath() : options.reporter,
                       std::string(kErrorReportSwitch)};
    config.errors = CrashSafeErrorList();
    std::unique_ptr<platform::CrashCapture> capture = platform::CrashCapture::Install(config);
    if (!capture) Error("InstallErrorReport: the fault handler cannot be installed");
    return capture;
}

int RunErrorReporter(std::span<const std::string> args, const ReportWindowHost& window) {
    std::optional<CrashRecord> record;
    if (!args.empty()) record = LoadRecord(args[0]);

    platform::Backend* backend = platform::GetBackend();
    ReportSources sources;
    sources.crash = record ? &*record : nullptr;
    sources.dataFolder = platform::DataFolder();
    sources.documentsFolder = platform::DocumentsFolder();
    sources.tempFolder = platform::TempFolder();
    sources.programName = std::string(kInstalledProgramName);
    sources.runningVersion = RunningVersion();
    if (record) sources.trackedErrors = record->errors;
    sources.system = GatherSystemFacts(backend);
    const BuiltReport report = BuildErrorReport(sources);

    const std::string folder = ReportFolder();
    platform::CreateFolders(folder);
    const uint64_t seconds = record ? record->timeSeconds : platform::SecondsSince1970();
    const uint64_t process = record ? record->processId : platform::ProcessId();
    const std::string path = platform::JoinPath(
        folder, std::string(kReportPrefix) + TimeText(seconds) + "-" + std::to_string(process) + std::string(kReportSuffix));
    const auto* bytes = reinterpret_cast<const uint8_t*>(report.text.data());
    const bool written = platform::WriteFileAtomic(path, std::span<const uint8_t>(bytes, report.text.size()),
                                                      platform::FileAccess::Private);
    platform::DebugOutput(written ? "Rivakel: the error report is in " + path + "\n"
                                  : "Rivakel: the error report could not be written to " + path + "\n");
    // Only a record of ours goes: the path came on a command line.
    if (!args.empty() && IsRecordIn(folder, args[0])) platform::DeleteFile(args[0]);
    RemoveOldReports(folder);
    if (args.size() > 1) platform::SignalReportWritten(args[1]);
    // A headless run shows dialogs only to a test's script.
    if (window && backend != nullptr && (backend->Name() != "headless" || CurrentDialogScript())) {
        window([&] { ShowDumpInfo(report, record.has_value()); });
    }
    return written ? 0 : 1;
}
