#include "core/resources/ResourceModule.h"

#include <algorithm>
#include <cstring>

#include "core/base/Log.h"
#include "core/resources/ElfSection.h"
#include "core/resources/ResourceFormat.h"
#include "platform/Host.h"

// The linker defines these around the module's "rivres" section. Weak, so that a module without
// resources links; hidden, so that each module sees its own section and not the program's.
extern "C" {
extern const uint8_t __start_rivres[] __attribute__((weak, visibility("hidden")));
extern const uint8_t __stop_rivres[] __attribute__((weak, visibility("hidden")));
}

namespace resources {

std::unique_ptr<ResourceModule> ResourceModule::FromBlob(std::vector<uint8_t> blob, std::string label) {
    std::string error;
    const auto parsed = ResourceBlob::Parse(blob, &error);
    if (!parsed) {
        Warning("ResourceModule::FromBlob: %s: %s", label.c_str(), error.c_str());
        return nullptr;
    }
    // The vector's buffer does not move when the vector itself is moved into the module.
    return std::unique_ptr<ResourceModule>(new ResourceModule(std::move(blob), *parsed, std::move(label)));
}

std::unique_ptr<ResourceModule> ResourceModule::FromModuleImage(std::span<const uint8_t> file, std::string label) {
    std::string error;
    const auto section = FindElfSection(file, kSectionName, &error);
    if (!section) {
        Warning("ResourceModule::FromModuleImage: %s: %s", label.c_str(), error.c_str());
        return nullptr;
    }
    return FromBlob(std::vector<uint8_t>(section->begin(), section->end()), std::move(label));
}

std::unique_ptr<ResourceModule> ResourceModule::FromModuleFile(const std::string& path) {
    // A game's code with all its pictures, sounds and levels.
    constexpr uint64_t kMaxModuleBytes = uint64_t{256} << 20;
    auto file = platform::ReadWholeFile(path, kMaxModuleBytes);
    if (!file) {
        Warning("ResourceModule::FromModuleFile: cannot read %s", path.c_str());
        return nullptr;
    }
    // The section is used where it lies in the file's bytes, which the module keeps.
    std::string error;
    const auto section = FindElfSection(*file, kSectionName, &error);
    const auto parsed = section ? ResourceBlob::Parse(*section, &error) : std::nullopt;
    if (!parsed) {
        Warning("ResourceModule::FromModuleFile: %s: %s", path.c_str(), error.c_str());
        return nullptr;
    }
    return std::unique_ptr<ResourceModule>(new ResourceModule(std::move(*file), *parsed, path));
}

const ResourceModule* ResourceModule::Own() {
    static const std::unique_ptr<ResourceModule> own = []() -> std::unique_ptr<ResourceModule> {
        const uint8_t* start = __start_rivres;
        const uint8_t* stop = __stop_rivres;
        if (start == nullptr || stop == nullptr || stop <= start) return nullptr;
        const std::span<const uint8_t> section(start, static_cast<size_t>(stop - start));
        std::string error;
        const auto parsed = ResourceBlob::Parse(section, &error);
        if (!parsed) {
            Error("ResourceModule::Own: the program's resources are damaged: %s", error.c_str());
            return nullptr;
        }
        return std::unique_ptr<ResourceModule>(new ResourceModule({}, *parsed, "(program)"));
    }();
    return own.get();
}

std::optional<std::span<const uint8_t>> ResourceModule::FindData(std::string_view name) const {
    return blob_.Find(kTypeData, name);
}

bool ResourceModule::CopyString(uint32_t id, std::span<char> buffer) const {
    if (buffer.empty()) return false;
    const auto text = blob_.GetString(id);
    if (!text) {
        buffer[0] = '\0';
        return false;
    }
    const size_t n = std::min(text->size(), buffer.size() - 1);
    std::memcpy(buffer.data(), text->data(), n);
    buffer[n] = '\0';
    return true;
}

}  // namespace resources
