// The sound device: 16-bit stereo, mixed by the shell's callback on SDL's audio thread.
#pragma once

#include <memory>
#include <string>

#include "platform/Platform.h"
#include "platform/sdl/SdlOwners.h"

namespace platform::sdl {

class SdlAudio {
public:
    // Null with `reason` set when no device can be opened.
    static std::unique_ptr<SdlAudio> Open(int rate, MixCallback mix, std::string* reason);
    // Returns once the callback has run for the last time.
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    void Lock() { SDL_LockAudioDevice(device_.Get()); }
    void Unlock() { SDL_UnlockAudioDevice(device_.Get()); }

    struct Key {};  // only Open makes devices
    SdlAudio(Key, SubsystemOwner subsystem, MixCallback mix);

private:
    static void Callback(void* self, Uint8* stream, int length);

    SubsystemOwner subsystem_;
    MixCallback mix_;
    AudioDeviceOwner device_;
};

}  // namespace platform::sdl
