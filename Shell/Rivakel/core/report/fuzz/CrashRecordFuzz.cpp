// Feeds arbitrary bytes to the crash record reader, then what it read to the readers of its
// parts: the memory map and the fault's description.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/report/CrashRecord.h"
#include "core/report/ExceptionName.h"
#include "core/report/ProcessMap.h"
#include "core/report/UnwindStep.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto record = ReadCrashRecord(std::span<const uint8_t>(data, size));
    if (!record) return 0;
    const ProcessMap map = ProcessMap::Parse(record->maps);
    for (const MappedRegion& region : map.Regions()) {
        if (region.end <= region.start || map.Find(region.start) != &region) __builtin_trap();
    }
    (void)DescribeException(*record);
    UnwindRegisters registers{};
    for (size_t i = 0; i < registers.size() && i < record->registers.size(); ++i) registers[i] = record->registers[i];
    const StackMemory memory{record->stackStart, record->stack};
    (void)StepByFramePointer(registers, memory);
    return 0;
}
