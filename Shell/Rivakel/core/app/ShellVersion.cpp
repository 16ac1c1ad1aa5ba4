#include "core/app/ShellVersion.h"

#include <optional>
#include <string_view>

#include "core/resources/ResourceRegistry.h"

namespace {
constexpr size_t kStampLength = 14;
}  // namespace

std::string ShellVersionText() {
    const resources::ResourceModule* shell = resources::ResourceRegistry::Instance().Shell();
    std::optional<std::string_view> version = shell ? shell->GetString(1) : std::nullopt;
    return version ? std::string(*version) : std::string();
}

VersionRecord ShellVersionRecord() {
    VersionRecord record;
    ParseVersionStamp(ShellVersionText().substr(0, kStampLength), record);
    return record;
}
