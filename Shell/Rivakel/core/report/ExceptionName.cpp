#include "core/report/ExceptionName.h"

#include <utility>

#include "core/report/ProcessMap.h"
#include "platform/CrashCapture.h"
#include "platform/CrashRecordFormat.h"

namespace {

constexpr uint32_t kAccessViolation = 0xC0000005;
constexpr uint32_t kStackOverflow = 0xC00000FD;
// A fault this close to the stack pointer is the stack running out.
constexpr uint64_t kStackReach = 64 * 1024;

constexpr std::pair<uint32_t, const char*> kNames[] = {
    {0x80000001, "GUARD_PAGE"},
    {0x80000002, "DATATYPE_MISALIGNMENT"},
    {0x80000003, "BREAKPOINT"},
    {0x80000004, "SINGLE_STEP"},
    {kAccessViolation, "ACCESS_VIOLATION"},
    {0xC0000006, "IN_PAGE_ERROR"},
    {0xC0000008, "INVALID_HANDLE"},
    {0xC000001D, "ILLEGAL_INSTRUCTION"},
    {0xC0000025, "NONCONTINUABLE_EXCEPTION"},
    {0xC0000026, "INVALID_DISPOSITION"},
    {0xC000008C, "ARRAY_BOUNDS_EXCEEDED"},
    {0xC000008D, "FLT_DENORMAL_OPERAND"},
    {0xC000008E, "FLT_DIVIDE_BY_ZERO"},
    {0xC000008F, "FLT_INEXACT_RESULT"},
    {0xC0000090, "FLT_INVALID_OPERATION"},
    {0xC0000091, "FLT_OVERFLOW"},
    {0xC0000092, "FLT_STACK_CHECK"},
    {0xC0000093, "FLT_UNDERFLOW"},
    {0xC0000094, "INT_DIVIDE_BY_ZERO"},
    {0xC0000095, "INT_OVERFLOW"},
    {0xC0000096, "PRIV_INSTRUCTION"},
    {kStackOverflow, "STACK_OVERFLOW"},
};

uint32_t CodeOf(platform::FaultKind kind) {
    using platform::FaultKind;
    switch (kind) {
    case FaultKind::AccessViolation: return kAccessViolation;
    case FaultKind::Misaligned: return 0x80000002;
    case FaultKind::InPageError: return 0xC0000006;
    case FaultKind::IllegalInstruction: return 0xC000001D;
    case FaultKind::PrivilegedInstruction: return 0xC0000096;
    case FaultKind::IntegerDivideByZero: return 0xC0000094;
    case FaultKind::IntegerOverflow: return 0xC0000095;
    case FaultKind::FloatDivideByZero: return 0xC000008E;
    case FaultKind::FloatOverflow: return 0xC0000091;
    case FaultKind::FloatUnderflow: return 0xC0000093;
    case FaultKind::FloatInexact: return 0xC000008F;
    case FaultKind::FloatInvalid: return 0xC0000090;
    case FaultKind::ArrayBounds: return 0xC000008C;
    case FaultKind::Breakpoint: return 0x80000003;
    case FaultKind::Other: break;
    }
    return 0;
}

// The fault touched no readable memory, right below writable memory (the stack's last page)
// and next to the stack pointer.
bool IsStackOverflow(const CrashRecord& record) {
    const std::optional<uint64_t> stackPointer = record.Register(platform::crash::Rsp);
    if (!stackPointer) return false;
    const uint64_t fault = record.faultAddress;
    const uint64_t distance = fault > *stackPointer ? fault - *stackPointer : *stackPointer - fault;
    if (distance > kStackReach) return false;
    const ProcessMap map = ProcessMap::Parse(record.maps);
    const MappedRegion* touched = map.Find(fault);
    const MappedRegion* above = map.FindAbove(fault);
    return (touched == nullptr || !touched->readable) && above != nullptr && above->writable &&
           above->start - fault <= kStackReach;
}

}  // namespace

std::string GetExceptionName(uint32_t code) {
    for (const auto& [known, name] : kNames) {
        if (known == code) return name;
    }
    return {};
}

ExceptionDescription DescribeException(const CrashRecord& record) {
    const platform::FaultKind kind = platform::ClassifyFault(record.signal, record.code);
    uint32_t code = CodeOf(kind);
    if (code == kAccessViolation && IsStackOverflow(record)) code = kStackOverflow;
    if (code == 0) return {static_cast<uint32_t>(record.signal), platform::SignalDescription(record.signal)};
    return {code, GetExceptionName(code)};
}
