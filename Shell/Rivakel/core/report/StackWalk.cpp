#include "core/report/StackWalk.h"

#include "core/report/UnwindStep.h"
#include "platform/CrashRecordFormat.h"

namespace {

namespace crash = platform::crash;

// Record slot of each DWARF-numbered register.
constexpr crash::Register kDwarfOrder[] = {crash::Rax, crash::Rdx, crash::Rcx, crash::Rbx, crash::Rsi, crash::Rdi,
                                           crash::Rbp, crash::Rsp, crash::R8,  crash::R9,  crash::R10, crash::R11,
                                           crash::R12, crash::R13, crash::R14, crash::R15, crash::Rip};
static_assert(std::size(kDwarfOrder) == DwColumns);

}  // namespace

StackFrame DescribeAddress(ModuleFiles& modules, uint64_t address, bool returnAddress) {
    StackFrame frame;
    frame.address = address;
    // A return address points after its call, which may be the first byte of another function.
    const uint64_t inside = returnAddress && address > 0 ? address - 1 : address;
    const ModuleFiles::Place place = modules.Locate(inside);
    if (place.region != nullptr) frame.module = place.region->path;
    if (place.module != nullptr) {
        frame.place = place.module->SectionOf(place.moduleAddress + (address - inside));
        frame.function = place.module->Symbols().Find(place.moduleAddress);
        if (frame.function) frame.function->offset += address - inside;
    }
    return frame;
}

std::vector<StackFrame> WalkStack(const CrashRecord& record, ModuleFiles& modules) {
    std::vector<StackFrame> frames;
    if (record.registers.size() < crash::RegisterCount) return frames;
    UnwindRegisters registers{};
    for (size_t column = 0; column < DwColumns; ++column) registers[column] = record.registers[kDwarfOrder[column]];
    const StackMemory memory{record.stackStart, record.stack};
    bool returnAddress = false;
    while (frames.size() < kMaxStackFrames && registers[DwReturnAddress]) {
        const uint64_t address = *registers[DwReturnAddress];
        StackFrame frame = DescribeAddress(modules, address, returnAddress);
        const ModuleFiles::Place place = modules.Locate(returnAddress ? address - 1 : address);
        std::optional<FrameRules> rules;
        if (place.module != nullptr) rules = place.module->Frames().RulesAt(place.moduleAddress);
        std::optional<UnwindRegisters> caller = rules ? StepByRules(registers, *rules, memory) : std::nullopt;
        if (!caller) caller = StepByFramePointer(registers, memory);
        frame.frame = caller && (*caller)[DwRsp] ? *(*caller)[DwRsp] : registers[DwRbp].value_or(0);
        frames.push_back(std::move(frame));
        // Each caller's frame lies above its callee's; anything else is a damaged stack.
        if (!caller || !(*caller)[DwRsp] || !registers[DwRsp] || *(*caller)[DwRsp] <= *registers[DwRsp]) break;
        returnAddress = !(rules && rules->signalFrame);
        registers = *caller;
    }
    return frames;
}
