// Feeds arbitrary bytes to the ELF section reader and then to the blob reader, as a module file
// from the disk would go.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/resources/ElfSection.h"
#include "core/resources/ResourceBlob.h"
#include "core/resources/ResourceFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);
    const auto section = resources::FindElfSection(file, resources::kSectionName);
    if (!section) return 0;
    if (section->data() < file.data() || section->data() + section->size() > file.data() + file.size()) __builtin_trap();
    (void)resources::ResourceBlob::Parse(*section);
    return 0;
}
