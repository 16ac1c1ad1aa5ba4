// One step up a captured call stack: the caller's registers from the callee's, by the
// call-frame rules or, where there are none, by the frame-pointer chain. Memory is read only
// from the stack bytes the crashed process left, never from this process.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "core/report/CallFrameInfo.h"

struct StackMemory {
    uint64_t start = 0;
    std::span<const uint8_t> bytes;

    std::optional<uint64_t> Read64(uint64_t address) const;
    bool Holds(uint64_t address) const { return address >= start && address - start < bytes.size(); }
};

// By DWARF number; the return-address column holds the frame's own code address.
using UnwindRegisters = std::array<std::optional<uint64_t>, DwColumns>;

// The caller's registers, its code address in the return-address column and its stack pointer
// in rsp; nullopt when a rule needs what is not known or the frame is the outermost one.
std::optional<UnwindRegisters> StepByRules(const UnwindRegisters& callee, const FrameRules& rules,
                                           const StackMemory& memory);
// The same from the saved frame pointer and the return address above it.
std::optional<UnwindRegisters> StepByFramePointer(const UnwindRegisters& callee, const StackMemory& memory);

// A DWARF location expression; `initial` is pushed first when given.
std::optional<uint64_t> EvaluateExpression(std::span<const uint8_t> expression, const UnwindRegisters& registers,
                                           const StackMemory& memory, std::optional<uint64_t> initial);
