#include "core/sound/SoundMixer.h"

#include <algorithm>
#include <cmath>

bool CSoundMixer::Start(std::shared_ptr<const SoundPcm> pcm, int plays, int32_t gain) {
    if (!pcm || pcm->size() < 2) return false;
    for (Slot& slot : slots_) {
        if (slot.pcm) continue;
        slot.position = 0;
        slot.playsLeft = std::max(plays, 1);
        slot.gain = gain;
        slot.pcm = std::move(pcm);
        return true;
    }
    return false;
}

void CSoundMixer::Forget(const SoundPcm* pcm) {
    for (Slot& slot : slots_)
        if (slot.pcm.get() == pcm) slot.pcm.reset();
}

void CSoundMixer::StopAll() {
    for (Slot& slot : slots_) slot.pcm.reset();
}

int CSoundMixer::BusySlots() const {
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(), [](const Slot& s) { return s.pcm != nullptr; }));
}

size_t CSoundMixer::AddSlot(Slot& slot, int32_t* sum, size_t count) {
    size_t done = 0;
    while (done < count && slot.pcm) {
        const SoundPcm& pcm = *slot.pcm;
        const size_t n = std::min(count - done, pcm.size() - slot.position);
        const int16_t* in = pcm.data() + slot.position;
        const int32_t gain = slot.gain;
        for (size_t i = 0; i < n; ++i) sum[done + i] += (in[i] * gain) >> 15;
        done += n;
        slot.position += n;
        if (slot.position < pcm.size()) break;
        // Repeats follow without a gap; the last play frees the slot.
        slot.position = 0;
        if (--slot.playsLeft <= 0) slot.pcm.reset();
    }
    return done;
}

void CSoundMixer::Mix(std::span<int16_t> out) {
    for (size_t at = 0; at < out.size(); at += sum_.size()) {
        const size_t count = std::min(sum_.size(), out.size() - at);
        std::fill_n(sum_.begin(), count, 0);
        for (Slot& slot : slots_)
            if (slot.pcm) AddSlot(slot, sum_.data(), count);
        for (size_t i = 0; i < count; ++i)
            out[at + i] = static_cast<int16_t>(std::clamp<int32_t>(sum_[i], INT16_MIN, INT16_MAX));
    }
}

int32_t GainForVolume(int volume) {
    volume = std::clamp(volume, 0, 100);
    if (volume == 0) return 0;
    const double decibelHundredths = volume * 30.0 - 3000.0;
    return static_cast<int32_t>(std::lround(std::pow(10.0, decibelHundredths / 2000.0) * CSoundMixer::kUnityGain));
}
