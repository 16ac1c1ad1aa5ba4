// Writes a canvas as an 8-bit RGB PNG with stored (uncompressed) deflate blocks.
#pragma once

#include <cstdint>
#include <vector>

#include "art/Canvas.h"

namespace art {

std::vector<uint8_t> EncodePng(const Canvas& canvas);

}  // namespace art
