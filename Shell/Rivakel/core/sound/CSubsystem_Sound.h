// The sound service: loads WAV sounds, and plays them on 16 slots mixed in the audio
// device's callback at 22050 Hz, 16-bit stereo. The slot table is guarded by the audio lock.
// The device being open stands for the running mixer; closing it (which returns once the
// callback has finished) is the end of sound the session waits for. A device that has had nothing
// to play for a while is closed too, so that its thread does not wake the machine for silence,
// and opened again by the next play.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/sound/Sound.h"
#include "core/sound/SoundMixer.h"

class CTimer;
class RdtNode;
namespace platform {
class Backend;
}

// The bytes of a named file; nullopt when it cannot be opened.
using SoundFileReader = std::function<std::optional<std::vector<uint8_t>>(std::string_view name)>;

// Reads through the session's file service (resources, memory blocks, disk).
SoundFileReader FileServiceSoundReader();

struct SoundServiceConfig {
    platform::Backend* backend = nullptr;  // null or no audio device: the shell runs silently
    RdtNode* shellElement = nullptr;       // the store's "Shell" element with the "Sound" child
    SoundFileReader readFile;              // empty: every sound fails to load
};

class CSubsystem_Sound {
public:
    static constexpr int kDefaultVolume = 50;

    explicit CSubsystem_Sound(SoundServiceConfig config);
    // Closes the device (the end of sound), then lets go of every slot.
    ~CSubsystem_Sound();
    CSubsystem_Sound(const CSubsystem_Sound&) = delete;
    CSubsystem_Sound& operator=(const CSubsystem_Sound&) = delete;

    // A new sound holding one internal reference of its own; null when sound is unavailable.
    // A file that is not a WAV sound the mixer takes gives a sound that does not load.
    CSound* CreateSound(std::string_view name, int flags);
    // As CreateSound, from bytes already in memory.
    CSound* CreateSoundFromData(std::string_view name, std::span<const uint8_t> bytes, int flags);
    // Stops every slot playing `sound`. 0.
    int ForgetSound(const CSound* sound);
    bool IsEnabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    // Clamped to 0 to 100; crossing 0 switches the service off or on.
    void SetVolume(int volume);
    int Volume() const { return volume_; }
    // Whether sound could be played at all: the device opened at the start.
    bool IsAvailable() const { return available_; }

    // Starts `sound` on the first free slot; nothing when stopping, unavailable, disabled or
    // when all 16 slots are busy.
    void PlaySoundSlot(const CSound& sound);
    int BusySlots();

    // Plays are ignored from now on, and the device is closed: returns once mixing has ended.
    void Shutdown();

private:
    // Silent seconds (the idle check's interval) after which the device is closed.
    static constexpr int kSilentChecksBeforeClose = 2;

    void ReadStoredSettings(RdtNode* shellElement);
    bool OpenDevice();
    int OnIdleCheck();

    SoundServiceConfig config_;
    CSoundMixer mixer_;
    int volume_ = kDefaultVolume;
    bool enabled_ = true;
    bool available_ = false;
    bool open_ = false;
    bool stopping_ = false;
    int silentChecks_ = 0;
    // On the session's clock; without a clock the device stays open.
    std::unique_ptr<CTimer> idleCheck_;
};

// Stored volume text as a volume from 0 to 100: a number past either end is that end, anything
// but a whole decimal number is the default.
int ParseVolume(std::string_view text);
// The volume stored in the "Sound" child of the store's "Shell" element: its Volume attribute by
// name, else by position as old shells wrote it; the default when there is none. An old shell's
// Enabled="false" reads as 0 and is stored again the new way.
int ReadStoredVolume(RdtNode* shellElement);

// The session's sound service; null when there is none.
CSubsystem_Sound* SoundService();
CSubsystem_Sound* CreateSoundService(SoundServiceConfig config);
void DestroySoundService();
