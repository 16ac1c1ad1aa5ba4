#include "platform/sdl/SdlAudio.h"

#include <cstring>

namespace platform::sdl {

SdlAudio::SdlAudio(Key, SubsystemOwner subsystem, MixCallback mix)
    : subsystem_(std::move(subsystem)), mix_(std::move(mix)) {}

SdlAudio::~SdlAudio() {
    while (lockDepth_ > 0) Unlock();
    // Closing joins the audio thread, so the callback is done before mix_ goes.
    device_.Reset();
}

void SdlAudio::Lock() {
    SDL_LockAudioDevice(device_.Get());
    ++lockDepth_;
}

void SdlAudio::Unlock() {
    if (lockDepth_ == 0) return;
    --lockDepth_;
    SDL_UnlockAudioDevice(device_.Get());
}

std::unique_ptr<SdlAudio> SdlAudio::Open(int rate, MixCallback mix, std::string* reason) {
    auto fail = [reason](std::string_view what) {
        if (reason != nullptr) *reason = std::string(what) + ": " + SDL_GetError();
        return nullptr;
    };
    if (rate <= 0 || !mix) {
        if (reason != nullptr) *reason = "no rate or no mixer";
        return nullptr;
    }
    SubsystemOwner subsystem(SDL_INIT_AUDIO);
    if (!subsystem.Valid()) return fail("SDL_InitSubSystem(audio)");
    auto audio = std::make_unique<SdlAudio>(Key{}, std::move(subsystem), std::move(mix));
    SDL_AudioSpec wanted{};
    wanted.freq = rate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 1024;
    wanted.callback = &SdlAudio::Callback;
    wanted.userdata = audio.get();
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts whatever the device wants from our format.
    audio->device_ = AudioDeviceOwner(SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0));
    if (audio->device_.Get() == 0) return fail("SDL_OpenAudioDevice");
    SDL_PauseAudioDevice(audio->device_.Get(), 0);
    return audio;
}

void SdlAudio::Callback(void* self, Uint8* stream, int length) {
    auto& audio = *static_cast<SdlAudio*>(self);
    std::memset(stream, 0, static_cast<size_t>(length));
    audio.mix_(std::span<int16_t>(reinterpret_cast<int16_t*>(stream), static_cast<size_t>(length) / sizeof(int16_t)));
}

}  // namespace platform::sdl
