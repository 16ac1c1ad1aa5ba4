// Reads arbitrary bytes as a cardback description: whatever reads names the picture beside its
// own file and nothing else.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/store/WholeDataFile.h"
#include "frame/cardbacks/CardbackTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::unique_ptr<RdtNode> root = ParseWholeRdt(text);
    if (!root) return 0;
    for (const char* name : {"cbk-x.rdt", "cbk-.rdt", "..\\cbk-x.rdt", "x"}) {
        const std::optional<CardbackRecord> record = ReadCardbackDocument(*root, name);
        if (!record) continue;
        if (record->fileName != name || record->imageName != std::string(name).substr(0, record->fileName.size() - 3) + "gif")
            std::abort();
        if (record->imageName.find_first_of("\\/") != std::string::npos) std::abort();
    }
    return 0;
}
