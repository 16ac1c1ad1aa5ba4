#include "core/report/ReportBuilder.h"

#include <algorithm>
#include <cinttypes>
#include <optional>

#include "core/report/ExceptionName.h"
#include "core/report/FolderListing.h"
#include "core/report/ModuleFile.h"
#include "core/report/ReportLines.h"
#include "core/report/StackWalk.h"
#include "core/resources/ResourceModule.h"
#include "platform/CrashRecordFormat.h"
#include "platform/Host.h"
#include "platform/Platform.h"

namespace {

namespace crash = platform::crash;

constexpr const char* kStoreFiles[] = {"Core.rdt", "Outbox.rdt"};
// The version texts fit the buffers they were read into: 140 and 14 characters.
constexpr size_t kInstalledVersionLength = 139;
constexpr size_t kVersionLength = 13;

std::string Cut(std::string_view text, size_t length) { return std::string(text.substr(0, length)); }

std::optional<std::string> FolderIn(const std::string& root, std::string_view name) {
    std::optional<std::string> path = platform::ResolvePath(root, name);
    return path && platform::FolderExists(*path) ? path : std::nullopt;
}

std::optional<std::string> ModuleString(const std::string& path, uint32_t id, size_t length) {
    std::unique_ptr<resources::ResourceModule> module = resources::ResourceModule::FromModuleFile(path);
    std::optional<std::string_view> text = module ? module->GetString(id) : std::nullopt;
    return text ? std::optional<std::string>(Cut(*text, length)) : std::nullopt;
}

class Builder {
public:
    Builder(const ReportSources& sources, BuiltReport& out) : s_(sources), out_(out) {
        if (s_.crash != nullptr) {
            map_ = ProcessMap::Parse(s_.crash->maps);
            modules_.emplace(map_);
        }
    }

    void Build() {
        lines_.AddLine("// ========== Error Reporting Tool v2.0 ==========\r\n");
        AddFault();
        AddInstallStatus();
        AddVersions();
        AddSystem();
        AddStoreCheck();
        AddTrackedErrors();
        AddRegisters();
        AddCallStack();
        AddListings();
        AddDumps();
        out_.text = lines_.Join();
    }

private:
    void AddFault() {
        if (s_.crash == nullptr) {
            lines_.AddLine("Exception code: 00000000 NONE - report asked for without a fault");
            lines_.AddLine("Fault address:  none");
            return;
        }
        const CrashRecord& crash = *s_.crash;
        const ExceptionDescription exception = DescribeException(crash);
        lines_.AddText("Exception code: %08X %s", exception.code, exception.name.c_str());
        // Only a signal the system raised for a fault names an address; one sent by a process does not.
        if (crash.code > 0) {
            lines_.AddText("Signal: %d %s  Memory address: %016" PRIX64, crash.signal,
                           platform::SignalName(crash.signal).c_str(), crash.faultAddress);
        } else {
            lines_.AddText("Signal: %d %s", crash.signal, platform::SignalName(crash.signal).c_str());
        }
        const uint64_t pc = crash.Register(crash::Rip).value_or(0);
        const StackFrame where = DescribeAddress(*modules_, pc, false);
        const SectionPlace place = where.place.value_or(SectionPlace{});
        lines_.AddText("Fault address:  %016" PRIX64 " %02X:%016" PRIX64 " %s", pc, place.section, place.offset,
                       where.module.c_str());
        // Absolute addresses change with every run; the place in the module does not.
        const ModuleFiles::Place located = modules_->Locate(pc);
        char subject[16];
        std::snprintf(subject, sizeof subject, "%08X", static_cast<unsigned>(located.moduleAddress & 0xFFFFFFFFu));
        out_.subjectCode = subject;
    }

    void AddInstallStatus() {
        lines_.AddLine("\r\nRivakel install status:");
        installed_ = FolderIn(s_.dataFolder, "Rivakel");
        if (installed_) {
            lines_.AddLine("  Installed: true");
            lines_.AddText("  Installed path: '%s'", installed_->c_str());
        } else {
            lines_.AddLine("  Installed: false");
        }
    }

    void AddVersions() {
        lines_.AddLine("");
        const std::optional<std::string> program =
            installed_ ? platform::ResolvePath(*installed_, s_.programName) : std::nullopt;
        const std::optional<std::string> version =
            program ? ModuleString(*program, 1, kInstalledVersionLength) : std::nullopt;
        if (version) {
            lines_.AddText("Rivakel Installed Version: '%s'", version->c_str());
        } else {
            lines_.AddText("Rivakel Version: can't LoadLibrary %s!", s_.programName.c_str());
        }
        lines_.AddText("Rivakel Running Version: '%s'", Cut(s_.runningVersion, kVersionLength).c_str());
        lines_.AddLine("");
        if (!installed_) return;
        lines_.AddLine("Installed Game Versions:");
        FindFiles(*installed_, ".gam", [this](const std::string& path) {
            const std::string name = FileNameOf(path);
            if (const std::optional<std::string> game = ModuleString(path, 3, kVersionLength)) {
                lines_.AddText("  Game: '%s'  Version: '%s'", name.c_str(), game->c_str());
            } else {
                lines_.AddText("  Game: '%s'  Can't LoadLibrary!", name.c_str());
            }
        });
        lines_.AddLine("");
    }

    void AddSystem() {
        const SystemFacts& f = s_.system;
        lines_.AddLine("Generic OS Info");
        lines_.AddText("  OSInfo Platform: '%s'", f.platform.c_str());
        lines_.AddText("  OSInfo Version: '%s'", f.version.c_str());
        lines_.AddText("  OSInfo Resolution: '%s'", f.resolution.c_str());
        lines_.AddText("  OSInfo PalColors: '%s'", f.palColors.c_str());
        lines_.AddText("  OSInfo BitDepth: '%s'", f.bitDepth.c_str());
        lines_.AddText("  OSInfo DXVer: '%s'", f.dxVersion.c_str());
        lines_.AddLine(f.sound ? "  OSInfo Dsound: Present" : "  OSInfo DSound: Not Found");
        lines_.AddLine(f.internet ? "  OSInfo WinInet: Present" : "  OSInfo WinInet: Not Found");
        lines_.AddLine(f.crypto ? "  OSInfo Crypt32: Present" : "  OSInfo Crypt32: Not Found");
        lines_.AddLine("");
    }

    void AddStoreCheck() {
        if (!installed_) return;
        system_ = FolderIn(*installed_, "System");
        for (const char* name : {"core.rdt", "outbox.rdt"}) {
            const std::optional<std::string> path = system_ ? platform::ResolvePath(*system_, name) : std::nullopt;
            if (!path || !platform::FileExists(*path)) {
                lines_.AddText("Missing RDT: '%s'!\r\n", name);
                out_.dataFileMissing = true;
            }
        }
    }

    void AddTrackedErrors() {
        if (s_.trackedErrors.empty()) {
            lines_.AddLine("\r\nTracked Errors: None\r\n");
            return;
        }
        lines_.AddLine("\r\nTracked Errors:");
        int number = 0;
        for (const std::string& error : s_.trackedErrors) lines_.AddText("%d - %s", ++number, error.c_str());
    }

    void AddRegisters() {
        const CrashRecord* crash = s_.crash;
        if (crash == nullptr || crash->registers.size() < crash::RegisterCount) {
            lines_.AddLine("\r\nRegisters: none");
            return;
        }
        const auto r = [crash](crash::Register index) { return crash->registers[index]; };
        // Segment selectors are 16 bits wide, whatever a damaged record holds.
        const auto segment = [crash](crash::Register index) { return static_cast<unsigned>(crash->registers[index] & 0xFFFF); };
        lines_.AddLine("\r\nRegisters:");
        lines_.AddText("RAX:%016" PRIX64 "\r\nRBX:%016" PRIX64 "\r\nRCX:%016" PRIX64 "\r\nRDX:%016" PRIX64
                       "\r\nRSI:%016" PRIX64 "\r\nRDI:%016" PRIX64,
                       r(crash::Rax), r(crash::Rbx), r(crash::Rcx), r(crash::Rdx), r(crash::Rsi), r(crash::Rdi));
        lines_.AddText("R8:%016" PRIX64 "\r\nR9:%016" PRIX64 "\r\nR10:%016" PRIX64 "\r\nR11:%016" PRIX64
                       "\r\nR12:%016" PRIX64 "\r\nR13:%016" PRIX64 "\r\nR14:%016" PRIX64 "\r\nR15:%016" PRIX64,
                       r(crash::R8), r(crash::R9), r(crash::R10), r(crash::R11), r(crash::R12), r(crash::R13),
                       r(crash::R14), r(crash::R15));
        lines_.AddText("CS:RIP:%04X:%016" PRIX64, segment(crash::Cs), r(crash::Rip));
        lines_.AddText("SS:RSP:%04X:%016" PRIX64 "  RBP:%016" PRIX64, segment(crash::Ss), r(crash::Rsp), r(crash::Rbp));
        lines_.AddText("DS:%04X  ES:%04X  FS:%04X  GS:%04X", segment(crash::Ds), segment(crash::Es), segment(crash::Fs),
                       segment(crash::Gs));
        lines_.AddText("Flags:%08X", static_cast<unsigned>(r(crash::Eflags)));
    }

    void AddCallStack() {
        lines_.AddLine("\r\nCall stack:");
        lines_.AddLine("Address           Frame             Logical addr          Module");
        if (s_.crash != nullptr) {
            for (const StackFrame& frame : WalkStack(*s_.crash, *modules_)) {
                const SectionPlace place = frame.place.value_or(SectionPlace{});
                std::string function;
                if (frame.function) {
                    char offset[32];
                    std::snprintf(offset, sizeof offset, "+0x%" PRIX64, frame.function->offset);
                    function = "  " + frame.function->name + offset;
                }
                lines_.AddText("%016" PRIX64 "  %016" PRIX64 "  %04X:%016" PRIX64 " %s%s", frame.address, frame.frame,
                               place.section, place.offset, FileNameOf(frame.module).c_str(), function.c_str());
            }
        }
        lines_.AddLine("\r\n");
    }

    void AddListings() {
        if (installed_) {
            lines_.AddLine("Contents of Rivakel directory:");
            AddFolderListing(lines_, *installed_, 2);
            lines_.AddLine("");
            lines_.AddLine("Contents of My Rivakel directory");
            if (const std::optional<std::string> mine = FolderIn(s_.documentsFolder, "My Rivakel")) {
                AddFolderListing(lines_, *mine, 3);
            }
            lines_.AddLine("");
        }
        lines_.AddLine("recursive contents of temporary Rivakel directories");
        AddTempListing(lines_, s_.tempFolder, 2);
        lines_.AddLine("");
    }

    void AddDumps() {
        if (!installed_) return;
        lines_.AddLine("Contents of RDT files");
        if (!system_) {
            lines_.AddLine("  DumpRDTs:  Can't find System directory!");
            return;
        }
        for (const char* name : kStoreFiles) {
            const std::optional<std::string> path = platform::ResolvePath(*system_, name);
            // Only what the dump can show is read, however large the file has grown.
            const auto bytes = path ? platform::ReadFilePrefix(*path, kDumpLimit + 1) : std::nullopt;
            if (!bytes) continue;
            std::string text(bytes->begin(), bytes->end());
            if (text.size() > kDumpLimit) text.resize(kDumpCut);
            std::replace(text.begin(), text.end(), '\0', '?');
            lines_.AddLine("  DumpRDT '" + std::string(name) + "' Contents:\r\n" + text);
        }
    }

    const ReportSources& s_;
    BuiltReport& out_;
    ReportLines lines_;
    ProcessMap map_;
    std::optional<ModuleFiles> modules_;
    std::optional<std::string> installed_;
    std::optional<std::string> system_;
};

}  // namespace

SystemFacts GatherSystemFacts(platform::Backend* backend) {
    SystemFacts facts;
    const platform::SystemInfo system = platform::GetSystemInfo();
    facts.platform = system.system.empty() ? "Linux" : system.system;
    facts.version = std::to_string(system.major) + "." + std::to_string(system.minor) + "." + std::to_string(system.build);
    const platform::Point screen = backend != nullptr ? backend->ScreenSize() : platform::Point{};
    facts.resolution = std::to_string(screen.x) + "x" + std::to_string(screen.y);
    facts.bitDepth = std::to_string(backend != nullptr ? backend->DisplayDepth() : 0);
    return facts;
}

BuiltReport BuildErrorReport(const ReportSources& sources) {
    BuiltReport report;
    Builder(sources, report).Build();
    return report;
}
