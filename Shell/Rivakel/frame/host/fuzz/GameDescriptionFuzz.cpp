// Reads a game's description from a module file's bytes as the host does before a start: the
// ELF file, its resource section, the blob and the string table; then finds the logo it names.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "core/resources/ElfSection.h"
#include "core/resources/ResourceBlob.h"
#include "core/resources/ResourceFormat.h"
#include "core/resources/ResourceModule.h"
#include "frame/host/GameInfo.h"

namespace {

bool Terminated(const char* text, size_t size) { return std::memchr(text, '\0', size) != nullptr; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);
    // Damaged files are refused before the reader that logs them, so fuzzing stays quiet.
    const auto section = resources::FindElfSection(file, resources::kSectionName);
    if (!section || !resources::ResourceBlob::Parse(*section)) return 0;
    const auto module = resources::ResourceModule::FromModuleImage(file, "fuzz");
    if (!module) __builtin_trap();

    GameInfo info;
    std::array<char, 256> logo{};
    if (!ReadGameDescription(*module, info, logo)) return 0;
    if (!Terminated(info.version, sizeof info.version) || !Terminated(info.name, sizeof info.name) ||
        !Terminated(info.id, sizeof info.id) || !Terminated(logo.data(), logo.size()) || info.version[0] == '\0' ||
        logo[0] == '\0')
        __builtin_trap();
    if (info.category < kCategoryAction || info.category > kCategoryCard || info.pace < kPaceSweat ||
        info.pace > kPaceOther)
        __builtin_trap();
    (void)module->FindData(logo.data());
    return 0;
}
