// Feeds arbitrary bytes to the blob reader and looks every entry up again.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/resources/ResourceBlob.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto blob = resources::ResourceBlob::Parse(std::span(data, size));
    if (!blob) return 0;
    for (size_t i = 0; i < blob->ResourceCount(); ++i) {
        const auto entry = blob->EntryAt(i);
        const auto found = blob->Find(entry.type, entry.name);
        if (!found || found->data() != entry.data.data()) __builtin_trap();
    }
    for (uint32_t id = 0; id < 16; ++id) (void)blob->GetString(id);
    return 0;
}
