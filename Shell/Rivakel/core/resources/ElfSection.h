// Finds a named section in the bytes of an ELF64 little-endian file without loading it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace resources {

// The section's bytes inside `file`. nullopt with `error` set when the file is not ELF64
// little-endian, when any header, table or name lies outside the file, or when no section of
// that name holds file data.
std::optional<std::span<const uint8_t>> FindElfSection(std::span<const uint8_t> file, std::string_view name,
                                                       std::string* error = nullptr);

}  // namespace resources
