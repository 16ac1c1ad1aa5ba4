#include "core/resources/ElfSection.h"

#include "core/resources/ElfImage.h"

namespace resources {

std::optional<std::span<const uint8_t>> FindElfSection(std::span<const uint8_t> file, std::string_view name,
                                                       std::string* error) {
    const std::optional<ElfImage> image = ElfImage::Parse(file, error);
    if (!image) return std::nullopt;
    const ElfSectionHeader* section = image->FindSection(name);
    const char* why = section == nullptr                      ? "no such section"
                      : section->type == kElfSectionNoBits ? "section holds no file data"
                                                            : "section outside the file";
    std::optional<std::span<const uint8_t>> bytes = section != nullptr ? image->Bytes(*section) : std::nullopt;
    if (!bytes && error != nullptr) *error = why;
    return bytes;
}

}  // namespace resources
