// The resources of one module (the shell program or an applet): its blob, found by type and
// name without regard to case, and its string table by id.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/resources/ResourceBlob.h"

namespace resources {

class ResourceModule {
public:
    // A copy of `blob`; null when it is not a valid blob.
    static std::unique_ptr<ResourceModule> FromBlob(std::vector<uint8_t> blob, std::string label);
    // The "rivres" section of a module file, read as data: the module is neither loaded nor run.
    // Null (and a warning) when the file cannot be read or holds no valid section.
    static std::unique_ptr<ResourceModule> FromModuleFile(const std::string& path);
    // The module file's bytes already in memory (for callers that read the file themselves).
    static std::unique_ptr<ResourceModule> FromModuleImage(std::span<const uint8_t> file, std::string label);
    // The running program's own section, linked in by the build; null when it has none.
    static const ResourceModule* Own();

    std::optional<std::span<const uint8_t>> Find(std::string_view type, std::string_view name) const {
        return blob_.Find(type, name);
    }
    // A file opened by name ("RCDATA").
    std::optional<std::span<const uint8_t>> FindData(std::string_view name) const;
    std::optional<std::string_view> GetString(uint32_t id) const { return blob_.GetString(id); }
    // Copies string `id` into `buffer` (cut to fit, always terminated); false when it is missing
    // or `buffer` is empty.
    bool CopyString(uint32_t id, std::span<char> buffer) const;

    const ResourceBlob& Blob() const { return blob_; }
    const std::string& Label() const { return label_; }

private:
    ResourceModule(std::vector<uint8_t> storage, ResourceBlob blob, std::string label)
        : storage_(std::move(storage)), blob_(blob), label_(std::move(label)) {}

    std::vector<uint8_t> storage_;  // the blob, or the module file it lies in; empty for the program's own image
    ResourceBlob blob_;
    std::string label_;
};

}  // namespace resources
