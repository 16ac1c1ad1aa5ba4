// A "CURSOR" resource: the hot spot followed by the cursor's picture as a GIF file.
//
//   0  char[4]  "RCUR"
//   4  u16      hot spot x (little-endian)
//   6  u16      hot spot y
//   8  ...      GIF data
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace resources {

inline constexpr size_t kCursorHeaderSize = 8;

struct CursorResource {
    int hotX = 0, hotY = 0;
    std::span<const uint8_t> gif;
};

// nullopt when the header is missing or the picture is empty.
std::optional<CursorResource> ParseCursorResource(std::span<const uint8_t> data);
std::vector<uint8_t> MakeCursorResource(int hotX, int hotY, std::span<const uint8_t> gif);

}  // namespace resources
