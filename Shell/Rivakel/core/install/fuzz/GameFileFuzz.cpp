// Feeds arbitrary bytes to what the installer reads of an offered game file, and to the name
// checks that turn its identifier and an event file's name into paths and identifiers.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/install/EidFile.h"
#include "core/install/GameFile.h"
#include "core/install/GameIdentifier.h"
#include "core/install/InstallFolders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto strings = ReadGameImage(std::span<const uint8_t>(data, size));
    // Whatever passes must be a plain folder name below Games.
    if (strings) {
        InstallFolders folders;
        folders.dataRoot = "/nonexistent-rivakel-root";
        const auto folder = folders.GameFolder(strings->identifier);
        if (!folder || !IsValidGameIdentifier(strings->identifier) || folder->find("/..") != std::string::npos)
            __builtin_trap();
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto guid = EidGuidText(text); guid && guid->size() != 38) __builtin_trap();
    return 0;
}
