// Where named resources come from while the shell runs: the running applet's module first,
// then the shell's own. Main thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "core/resources/ResourceModule.h"

namespace resources {

class ResourceRegistry {
public:
    static ResourceRegistry& Instance();

    // The shell's resources: the program's own section unless a test sets another module.
    const ResourceModule* Shell() const { return shell_ != nullptr ? shell_ : ResourceModule::Own(); }
    void SetShell(const ResourceModule* shell) { shell_ = shell; }

    // The running applet's resources, kept while it runs (read once from its file at start).
    // Files opened on them share the module, so clearing it never pulls data from under them.
    const ResourceModule* Applet() const { return applet_.get(); }
    std::shared_ptr<const ResourceModule> SharedApplet() const { return applet_; }
    void SetApplet(std::unique_ptr<ResourceModule> applet) { applet_ = std::move(applet); }
    void ClearApplet() { applet_.reset(); }

    // The applet's resource of that type and name, else the shell's.
    std::optional<std::span<const uint8_t>> Find(std::string_view type, std::string_view name) const;
    std::optional<std::span<const uint8_t>> FindData(std::string_view name) const;

private:
    const ResourceModule* shell_ = nullptr;
    std::shared_ptr<const ResourceModule> applet_;
};

// The shell's own string `id`; none when it is missing or the shell's resources are.
std::optional<std::string_view> FindShellString(uint32_t id);

}  // namespace resources
