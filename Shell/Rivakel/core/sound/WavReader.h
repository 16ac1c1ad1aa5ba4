// Reads RIFF WAVE data and converts it once to the mixer's format: 22050 Hz, 16-bit stereo.
// WAV data may come from outside (applets' resources), so every chunk is bounded by the RIFF
// size and by the bytes that exist, and only formats the mixer can take are accepted.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

inline constexpr int kMixRate = 22050;

struct WavFormat {
    int channels = 0;       // 1 or 2
    int rate = 0;           // samples per second, 1000 to 192000
    int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed)
};

struct WavData {
    WavFormat format;
    std::span<const uint8_t> samples;  // whole frames only; never empty
};

// nullopt when the data is not a RIFF WAVE file of linear PCM in an accepted format, when a
// chunk's size runs past the data, or when there are no samples.
std::optional<WavData> ParseWav(std::span<const uint8_t> bytes);

// Interleaved 16-bit stereo at kMixRate, resampled linearly. Empty when the result would
// exceed `maxFrames`.
std::vector<int16_t> ConvertToMixFormat(const WavData& wav, size_t maxFrames = size_t{kMixRate} * 600);
