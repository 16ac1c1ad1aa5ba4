// The call stack of a crash record: its frames from the faulting instruction outwards, each
// placed in its module and named by the module's function symbols.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/report/CrashRecord.h"
#include "core/report/ElfSymbols.h"
#include "core/report/ModuleFile.h"

inline constexpr size_t kMaxStackFrames = 64;

struct StackFrame {
    uint64_t address = 0;  // the frame's code address
    uint64_t frame = 0;    // the frame's base: its caller's stack pointer, or the frame pointer
    std::string module;    // the mapped file's path, a region's name, or empty
    std::optional<SectionPlace> place;
    std::optional<SymbolHit> function;
};

// One frame for an address: where it lies and what function holds it.
StackFrame DescribeAddress(ModuleFiles& modules, uint64_t address, bool returnAddress);

// At most kMaxStackFrames frames; empty when the record has no registers.
std::vector<StackFrame> WalkStack(const CrashRecord& record, ModuleFiles& modules);
