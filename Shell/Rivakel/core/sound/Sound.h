// One sound, loaded once into the mixer's format; each play takes a slot of the sound service.
#pragma once

#include <memory>

#include "core/base/RefCounted.h"
#include "core/sound/SoundMixer.h"

inline constexpr int kSoundNotLoaded = 8;

class CSound : public CRefCounted {
public:
    // `pcm` null: the data was not a sound the mixer takes; the sound then does not play.
    CSound(std::shared_ptr<const SoundPcm> pcm, int flags);
    // Plays already started go on to their end: each slot shares the samples it plays.
    ~CSound() override = default;

    // Plays `repeats` times back to back (0 and 1 both play once). kSoundNotLoaded when the
    // sound did not load, else 0 (a play the service drops still answers 0).
    int Play(int repeats);
    // Stopping a single play is not offered; answers 0 and does nothing.
    int Stop();

    bool IsLoaded() const { return pcm_ != nullptr; }
    int Flags() const { return flags_; }
    int RepeatCount() const { return repeats_; }
    const std::shared_ptr<const SoundPcm>& Pcm() const { return pcm_; }

private:
    std::shared_ptr<const SoundPcm> pcm_;
    int flags_ = 0;
    int repeats_ = 1;
};
