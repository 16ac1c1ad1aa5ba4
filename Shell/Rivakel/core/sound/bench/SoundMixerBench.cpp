// Mixing 16 looping voices; one iteration is one 1024-frame device buffer. The counter gives
// seconds of audio mixed per second of processor time: above 100 means under 1% of a core.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/sound/SoundMixer.h"
#include "core/sound/WavReader.h"

namespace {

void BM_Mix16LoopingVoices(benchmark::State& state) {
    auto pcm = std::make_shared<SoundPcm>(static_cast<size_t>(kMixRate) * 2);  // one second
    for (size_t i = 0; i < pcm->size(); ++i) (*pcm)[i] = static_cast<int16_t>((i * 7919) % 20000 - 10000);
    CSoundMixer mixer;
    for (int i = 0; i < CSoundMixer::kSlots; ++i) mixer.Start(pcm, 1 << 30, GainForVolume(50 + i));
    constexpr size_t kBufferFrames = 1024;
    std::vector<int16_t> out(kBufferFrames * 2);
    for (auto _ : state) {
        mixer.Mix(out);
        benchmark::DoNotOptimize(out.data());
    }
    // Seconds of audio mixed per second of processor time; its inverse is the share of a core.
    state.counters["audio_seconds_per_cpu_second"] = benchmark::Counter(
        static_cast<double>(kBufferFrames) / kMixRate, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_Mix16LoopingVoices);

}  // namespace
