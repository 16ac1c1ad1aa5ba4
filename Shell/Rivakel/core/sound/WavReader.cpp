#include "core/sound/WavReader.h"

#include <algorithm>
#include <cstring>

#include "core/base/ByteOrder.h"

namespace {

std::optional<WavFormat> ReadFormat(std::span<const uint8_t> chunk) {
    if (chunk.size() < 16 || ReadLe16(chunk.data()) != 1) return std::nullopt;  // linear PCM only
    WavFormat format;
    format.channels = ReadLe16(chunk.data() + 2);
    const uint32_t rate = ReadLe32(chunk.data() + 4);
    const int blockAlign = ReadLe16(chunk.data() + 12);
    format.bitsPerSample = ReadLe16(chunk.data() + 14);
    if (format.channels < 1 || format.channels > 2) return std::nullopt;
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16) return std::nullopt;
    if (rate < 1000 || rate > 192000) return std::nullopt;
    if (blockAlign != format.channels * format.bitsPerSample / 8) return std::nullopt;
    format.rate = static_cast<int>(rate);
    return format;
}

// One sample of channel `channel` of frame `frame` as signed 16-bit.
int Sample(const WavData& wav, size_t frame, int channel) {
    const size_t index = frame * static_cast<size_t>(wav.format.channels) + static_cast<size_t>(channel);
    if (wav.format.bitsPerSample == 8) return (wav.samples[index] - 128) * 256;
    return static_cast<int16_t>(ReadLe16(wav.samples.data() + 2 * index));
}

}  // namespace

std::optional<WavData> ParseWav(std::span<const uint8_t> bytes) {
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return std::nullopt;
    const uint64_t riffEnd = std::min<uint64_t>(uint64_t{ReadLe32(bytes.data() + 4)} + 8, bytes.size());
    std::optional<WavFormat> format;
    bool formatSeen = false;
    std::optional<std::span<const uint8_t>> data;
    uint64_t pos = 12;
    while (pos + 8 <= riffEnd && !(formatSeen && data)) {
        const uint8_t* header = bytes.data() + pos;
        const uint64_t size = ReadLe32(header + 4);
        const uint64_t start = pos + 8;
        if (start + size > riffEnd) return std::nullopt;
        const auto chunk = bytes.subspan(static_cast<size_t>(start), static_cast<size_t>(size));
        if (!formatSeen && std::memcmp(header, "fmt ", 4) == 0) {
            formatSeen = true;
            format = ReadFormat(chunk);
            if (!format) return std::nullopt;
        } else if (!data && std::memcmp(header, "data", 4) == 0) {
            data = chunk;
        }
        pos = start + size + (size & 1);
    }
    if (!format || !data) return std::nullopt;
    const size_t frameBytes = static_cast<size_t>(format->channels * format->bitsPerSample / 8);
    const size_t whole = data->size() / frameBytes * frameBytes;
    if (whole == 0) return std::nullopt;
    return WavData{*format, data->first(whole)};
}

std::vector<int16_t> ConvertToMixFormat(const WavData& wav, size_t maxFrames) {
    const size_t frameBytes = static_cast<size_t>(wav.format.channels * wav.format.bitsPerSample / 8);
    const size_t inFrames = wav.samples.size() / frameBytes;
    const uint64_t outFrames = std::max<uint64_t>(1, uint64_t{inFrames} * kMixRate / static_cast<uint64_t>(wav.format.rate));
    if (inFrames == 0 || outFrames > maxFrames) return {};
    std::vector<int16_t> out(static_cast<size_t>(outFrames) * 2);
    const int right = wav.format.channels == 2 ? 1 : 0;
    // Source position in 32.32 fixed point; linear interpolation between neighbouring frames.
    const uint64_t step = (uint64_t{static_cast<uint32_t>(wav.format.rate)} << 32) / kMixRate;
    uint64_t position = 0;
    for (size_t i = 0; i < outFrames; ++i, position += step) {
        const size_t frame = std::min<size_t>(static_cast<size_t>(position >> 32), inFrames - 1);
        const size_t next = std::min(frame + 1, inFrames - 1);
        const int64_t fraction = static_cast<int64_t>((position >> 16) & 0xFFFF);
        const auto lerp = [&](int channel) {
            const int64_t a = Sample(wav, frame, channel);
            const int64_t b = Sample(wav, next, channel);
            return static_cast<int16_t>(a + (((b - a) * fraction) >> 16));
        };
        out[2 * i] = lerp(0);
        out[2 * i + 1] = lerp(right);
    }
    return out;
}
