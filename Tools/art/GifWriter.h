// Writes pictures as one GIF file: a global palette from the quantiser, the key as the
// transparent colour, per-frame delays and, for animations, the loop extension.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "art/Canvas.h"
#include "art/Quantiser.h"

namespace art {

// `delays` holds hundredths of a second per frame (missing entries count as 10).
// nullopt with `error` when the frames differ in size or the encoder fails.
std::optional<std::vector<uint8_t>> EncodeGif(std::span<const Canvas> frames, std::span<const int> delays, bool loop,
                                              std::string* error);
// The same with the palette and indices already made by Quantise(frames).
std::optional<std::vector<uint8_t>> EncodeGif(std::span<const Canvas> frames, const Quantised& quantised,
                                              std::span<const int> delays, bool loop, std::string* error);

}  // namespace art
