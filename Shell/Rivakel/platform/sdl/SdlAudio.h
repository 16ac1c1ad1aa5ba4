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
    // Returns once the callback has run for the last time; locks still held are given back
    // first, since closing waits for the audio thread, which waits for the lock.
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Nest; main thread only. An Unlock without a Lock does nothing.
    void Lock();
    void Unlock();

    struct Key {};  // only Open makes devices
    SdlAudio(Key, SubsystemOwner subsystem, MixCallback mix);

private:
    static void Callback(void* self, Uint8* stream, int length);

    SubsystemOwner subsystem_;
    MixCallback mix_;
    AudioDeviceOwner device_;
    int lockDepth_ = 0;
};

}  // namespace platform::sdl
