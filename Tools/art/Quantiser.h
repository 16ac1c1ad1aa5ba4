// Reduces the pictures of one GIF to a palette of at most 256 colours. Index 0 is the key and
// only key pixels map to it: a visible colour always maps to one of the other 255 entries.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "art/Canvas.h"

namespace art {

struct Quantised {
    std::vector<uint32_t> palette;               // [0] is the key
    std::vector<std::vector<uint8_t>> indices;   // one per frame, row by row
};

Quantised Quantise(std::span<const Canvas> frames);

}  // namespace art
