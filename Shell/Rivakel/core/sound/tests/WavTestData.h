// WAV files built in memory for the sound tests.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace wavtest {

inline void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void Put16(std::vector<uint8_t>& out, int v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

inline void Chunk(std::vector<uint8_t>& out, std::string_view id, const std::vector<uint8_t>& body, bool pad = true) {
    out.insert(out.end(), id.begin(), id.end());
    Put32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (pad && body.size() % 2 == 1) out.push_back(0);
}

inline std::vector<uint8_t> Format(int tag, int channels, int rate, int bits, int size = 16) {
    std::vector<uint8_t> f;
    Put16(f, tag);
    Put16(f, channels);
    Put32(f, static_cast<uint32_t>(rate));
    Put32(f, static_cast<uint32_t>(rate * channels * bits / 8));
    Put16(f, channels * bits / 8);
    Put16(f, bits);
    f.resize(static_cast<size_t>(size), 0);
    return f;
}

// A RIFF WAVE file of the given chunks; `riffSize` < 0 writes the true size.
inline std::vector<uint8_t> Riff(const std::vector<uint8_t>& chunks, int64_t riffSize = -1) {
    std::vector<uint8_t> out = {'R', 'I', 'F', 'F'};
    Put32(out, static_cast<uint32_t>(riffSize < 0 ? static_cast<int64_t>(chunks.size()) + 4 : riffSize));
    out.insert(out.end(), {'W', 'A', 'V', 'E'});
    out.insert(out.end(), chunks.begin(), chunks.end());
    return out;
}

// 16-bit PCM of `samples` (interleaved when stereo).
inline std::vector<uint8_t> Pcm16(const std::vector<int16_t>& samples, int channels, int rate) {
    std::vector<uint8_t> chunks, data;
    for (int16_t s : samples) Put16(data, s);
    Chunk(chunks, "fmt ", Format(1, channels, rate, 16));
    Chunk(chunks, "data", data);
    return Riff(chunks);
}

}  // namespace wavtest
