#include "core/resources/ResourceRegistry.h"

#include "core/resources/ResourceFormat.h"

namespace resources {

ResourceRegistry& ResourceRegistry::Instance() {
    static ResourceRegistry registry;
    return registry;
}

std::optional<std::span<const uint8_t>> ResourceRegistry::Find(std::string_view type, std::string_view name) const {
    if (applet_ != nullptr) {
        if (auto found = applet_->Find(type, name)) return found;
    }
    if (const ResourceModule* shell = Shell()) return shell->Find(type, name);
    return std::nullopt;
}

std::optional<std::span<const uint8_t>> ResourceRegistry::FindData(std::string_view name) const {
    return Find(kTypeData, name);
}

std::optional<std::string_view> FindShellString(uint32_t id) {
    const ResourceModule* shell = ResourceRegistry::Instance().Shell();
    return shell != nullptr ? shell->GetString(id) : std::nullopt;
}

}  // namespace resources
