// The 16 play slots and the mixing of them into the audio device's buffer. Start, Forget and
// the counts run on the main thread, Mix on the audio thread; the owner holds the audio lock
// around every call, so the slot table needs no lock of its own.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// A sound's samples in the mixer's format (interleaved 16-bit stereo), shared by the sound
// and every slot that plays it, and never changed after loading.
using SoundPcm = std::vector<int16_t>;

class CSoundMixer {
public:
    static constexpr int kSlots = 16;
    // Gains are fixed point: kUnityGain is full level.
    static constexpr int32_t kUnityGain = 1 << 15;

    // Plays `pcm` `plays` times back to back (at least once) on the first free slot.
    // False, with nothing started, when every slot is busy or the data is empty.
    bool Start(std::shared_ptr<const SoundPcm> pcm, int plays, int32_t gain);
    // Frees every slot that plays `pcm`.
    void Forget(const SoundPcm* pcm);
    void StopAll();
    int BusySlots() const;

    // Fills `out` (interleaved stereo) with the sum of the slots, and frees finished slots.
    void Mix(std::span<int16_t> out);

private:
    struct Slot {
        std::shared_ptr<const SoundPcm> pcm;
        size_t position = 0;  // in samples, always even
        int playsLeft = 0;
        int32_t gain = 0;
    };

    // Adds up to `count` samples of `slot` into `sum`; returns how many it added.
    static size_t AddSlot(Slot& slot, int32_t* sum, size_t count);

    std::array<Slot, kSlots> slots_;
    std::array<int32_t, 2048> sum_{};
};

// The slot gain of a volume from 0 to 100: volume x 30 - 3000 hundredths of a decibel, so 100
// is full level and 1 is -29.7 dB; 0 is silence.
int32_t GainForVolume(int volume);
