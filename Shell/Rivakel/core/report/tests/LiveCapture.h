// Captures the stack of the calling test the way the fault handler captures a crash: the
// registers, the memory map and the stack bytes above the stack pointer.
#pragma once

#include <ucontext.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <utility>

#include "core/report/CrashRecord.h"
#include "core/report/ProcessMap.h"
#include "platform/CrashRecordFormat.h"

namespace live_capture {

namespace crash = platform::crash;

constexpr std::pair<crash::Register, int> kRegisters[] = {
    {crash::Rax, REG_RAX}, {crash::Rbx, REG_RBX}, {crash::Rcx, REG_RCX}, {crash::Rdx, REG_RDX},
    {crash::Rsi, REG_RSI}, {crash::Rdi, REG_RDI}, {crash::Rbp, REG_RBP}, {crash::Rsp, REG_RSP},
    {crash::R8, REG_R8},   {crash::R9, REG_R9},   {crash::R10, REG_R10}, {crash::R11, REG_R11},
    {crash::R12, REG_R12}, {crash::R13, REG_R13}, {crash::R14, REG_R14}, {crash::R15, REG_R15},
    {crash::Rip, REG_RIP},
};

// The live stack holds the sanitizers' poisoned red zones: copy it byte by byte, unchecked.
[[gnu::noinline, gnu::no_sanitize_address]] inline void CopyStack(uint64_t from, size_t size, std::vector<uint8_t>& out) {
    out.resize(size);
    const auto* bytes = reinterpret_cast<const volatile uint8_t*>(from);
    for (size_t i = 0; i < size; ++i) out[i] = bytes[i];
}

[[gnu::noinline]] inline CrashRecord CaptureHere() {
    ucontext_t context{};
    getcontext(&context);
    CrashRecord record;
    record.signal = 11;
    record.registers.assign(crash::RegisterCount, 0);
    for (const auto& [slot, index] : kRegisters) record.registers[slot] = static_cast<uint64_t>(context.uc_mcontext.gregs[index]);
    std::ifstream maps("/proc/self/maps");
    std::stringstream text;
    text << maps.rdbuf();
    record.maps = text.str();
    const uint64_t stackPointer = record.registers[crash::Rsp];
    const ProcessMap map = ProcessMap::Parse(record.maps);
    const MappedRegion* stack = map.Find(stackPointer);
    record.stackStart = stackPointer;
    if (stack != nullptr) CopyStack(stackPointer, std::min<uint64_t>(stack->end - stackPointer, 64 * 1024), record.stack);
    return record;
}

}  // namespace live_capture
