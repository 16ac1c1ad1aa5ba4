#include "core/sound/Sound.h"

#include "core/base/Log.h"
#include "core/sound/CSubsystem_Sound.h"

CSound::CSound(std::shared_ptr<const SoundPcm> pcm, int flags) : pcm_(std::move(pcm)), flags_(flags) {}

int CSound::Play(int repeats) {
    if (!pcm_) return kSoundNotLoaded;
    repeats_ = repeats;
    if (CSubsystem_Sound* service = SoundService()) service->PlaySoundSlot(*this);
    return 0;
}

int CSound::Stop() {
    DebugOutput("CSound::Stop is not supported");
    return 0;
}
