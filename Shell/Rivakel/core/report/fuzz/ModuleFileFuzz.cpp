// Feeds arbitrary bytes as a module file from the disk: its headers, symbols and call-frame
// section, looked up at addresses of its own sections.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/report/ModuleFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto module = ModuleFile::FromBytes(std::vector<uint8_t>(data, data + size));
    if (!module) return 0;
    const MappedRegion region{0x400000, 0x800000, true, false, true, 0, "/fuzz"};
    for (uint64_t address = 0x400000; address < 0x400000 + size && address < 0x410000; address += 61) {
        const auto at = module->ModuleAddress(region, address);
        if (!at) continue;
        (void)module->SectionOf(*at);
        (void)module->Symbols().Find(*at);
        (void)module->Frames().RulesAt(*at);
    }
    return 0;
}
