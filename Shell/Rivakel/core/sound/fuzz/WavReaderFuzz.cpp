// Any bytes: the WAV reader accepts or refuses them and never reads outside them.
#include <cstdlib>

#include "core/sound/WavReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const std::optional<WavData> wav = ParseWav(bytes);
    if (!wav) return 0;
    if (wav->samples.empty() || wav->samples.data() < data || wav->samples.data() + wav->samples.size() > data + size)
        std::abort();
    const std::vector<int16_t> pcm = ConvertToMixFormat(*wav, size_t{kMixRate} * 10);
    if (pcm.size() % 2 != 0) std::abort();
    return 0;
}
