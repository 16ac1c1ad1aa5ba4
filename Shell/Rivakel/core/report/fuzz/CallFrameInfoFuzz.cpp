// Feeds arbitrary bytes as a module's call-frame section, then asks for the rules at addresses
// the input names and takes a step with them over a stack made of the input too.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "core/report/CallFrameInfo.h"
#include "core/report/UnwindStep.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 8) return 0;
    uint64_t address = 0;
    std::memcpy(&address, data, 8);
    const std::span<const uint8_t> section(data + 8, size - 8);
    const CallFrameInfo info = CallFrameInfo::Build(section, address & 0xFFFFFF);
    const StackMemory memory{0x7000, section};
    UnwindRegisters registers{};
    for (size_t i = 0; i < registers.size(); ++i) registers[i] = 0x7000 + 8 * i;
    for (size_t at = 0; at + 4 <= section.size() && at < 4096; at += 4) {
        uint32_t pc = 0;
        std::memcpy(&pc, section.data() + at, 4);
        if (const auto rules = info.RulesAt(pc)) {
            (void)StepByRules(registers, *rules, memory);
            (void)EvaluateExpression(rules->cfaExpression, registers, memory, std::nullopt);
        }
    }
    return 0;
}
