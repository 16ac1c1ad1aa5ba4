// Reads arbitrary bytes as a stored file and as an Outbox, then checks that what was read
// survives a write and a second read unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/store/OutboxSalvage.h"
#include "core/store/RdtReader.h"
#include "core/store/RdtWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    SalvageOutbox(text);
    BlankDamagedBytes(text);
    RepairUserTags(text);
    std::unique_ptr<RdtNode> first;
    ParseRdt(text, first, RdtParseOptions{static_cast<int>(size % 4), size % 2 == 0});
    if (!first) return 0;
    const std::string written = WriteRdt(*first);
    std::unique_ptr<RdtNode> second;
    ParseRdt(written, second);
    const std::string rewritten = second ? WriteRdt(*second) : std::string();
    if (rewritten != written) std::abort();
    return 0;
}
