#include "core/sound/SoundService.h"

#include <algorithm>
#include <charconv>
#include <memory>

#include "core/base/Log.h"
#include "core/base/Strings.h"
#include "core/files/FileService.h"
#include "core/sound/WavReader.h"
#include "core/store/RdtNode.h"
#include "platform/Platform.h"

namespace {

std::unique_ptr<CSubsystem_Sound_DirectX> g_sound;

// Reads the attribute by its name, else by its position (the files of old shells).
const std::string* SoundAttr(const RdtNode& sound, std::string_view name, size_t position) {
    if (const RdtAttr* attr = sound.FindAttr(name)) return attr->value ? &*attr->value : nullptr;
    if (position < sound.Attrs().size() && sound.Attrs()[position].value) return &*sound.Attrs()[position].value;
    return nullptr;
}

// A whole decimal number, or nullopt.
std::optional<int> ParseVolume(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) return text.starts_with('-') ? 0 : 100;
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

CSubsystem_Sound_DirectX::CSubsystem_Sound_DirectX(SoundServiceConfig config) : config_(std::move(config)) {
    ReadStoredSettings(config_.shellElement);
    if (config_.backend == nullptr) return;
    available_ = config_.backend->OpenAudio(kMixRate, [this](std::span<int16_t> out) { mixer_.Mix(out); });
    if (!available_) Error("Sound is not available: the audio device could not be opened");
}

CSubsystem_Sound_DirectX::~CSubsystem_Sound_DirectX() {
    Shutdown();
    mixer_.StopAll();
}

void CSubsystem_Sound_DirectX::ReadStoredSettings(RdtNode* shellElement) {
    volume_ = kDefaultVolume;
    RdtNode* sound = shellElement != nullptr ? shellElement->FindChild("Sound") : nullptr;
    if (sound != nullptr) {
        const std::string* enabled = SoundAttr(*sound, "Enabled", 0);
        const std::string* volume = SoundAttr(*sound, "Volume", 1);
        if (enabled != nullptr && EqualsNoCase(*enabled, "false")) {
            // The old on/off switch becomes volume 0, and is stored the new way.
            volume_ = 0;
            sound->SetAttr("Enabled", "true");
            sound->SetAttr("Volume", "0");
        } else if (volume != nullptr) {
            if (std::optional<int> value = ParseVolume(*volume)) volume_ = std::clamp(*value, 0, 100);
        }
    }
    enabled_ = volume_ > 0;
}

CSound* CSubsystem_Sound_DirectX::CreateSound(std::string_view name, int flags) {
    if (!available_) return nullptr;
    std::optional<std::vector<uint8_t>> bytes = config_.readFile ? config_.readFile(name) : std::nullopt;
    return CreateSoundFromData(name, bytes ? std::span<const uint8_t>(*bytes) : std::span<const uint8_t>(), flags);
}

CSound* CSubsystem_Sound_DirectX::CreateSoundFromData(std::string_view name, std::span<const uint8_t> bytes, int flags) {
    if (!available_) return nullptr;
    std::shared_ptr<const SoundPcm> pcm;
    if (std::optional<WavData> wav = ParseWav(bytes)) {
        SoundPcm converted = ConvertToMixFormat(*wav);
        if (!converted.empty()) pcm = std::make_shared<const SoundPcm>(std::move(converted));
    }
    if (!pcm) Error("Error loading sound buffer (%s)", std::string(name).c_str());
    auto* sound = new CSound(std::move(pcm), flags);
    sound->AddInternalRef();
    return sound;
}

int CSubsystem_Sound_DirectX::ForgetSound(const CSound* sound) {
    if (sound == nullptr || !sound->Pcm() || config_.backend == nullptr || !available_) return 0;
    config_.backend->LockAudio();
    mixer_.Forget(sound->Pcm().get());
    config_.backend->UnlockAudio();
    return 0;
}

void CSubsystem_Sound_DirectX::SetVolume(int volume) {
    volume = std::clamp(volume, 0, 100);
    if (volume_ == 0 && volume > 0) SetEnabled(true);
    if (volume_ > 0 && volume == 0) SetEnabled(false);
    volume_ = volume;
}

void CSubsystem_Sound_DirectX::PlaySoundSlot(const CSound& sound) {
    if (stopping_ || !available_ || !enabled_ || !sound.Pcm()) return;
    config_.backend->LockAudio();
    mixer_.Start(sound.Pcm(), sound.RepeatCount(), GainForVolume(volume_));
    config_.backend->UnlockAudio();
}

int CSubsystem_Sound_DirectX::BusySlots() {
    if (!available_) return 0;
    config_.backend->LockAudio();
    const int busy = mixer_.BusySlots();
    config_.backend->UnlockAudio();
    return busy;
}

void CSubsystem_Sound_DirectX::Shutdown() {
    stopping_ = true;
    if (available_) config_.backend->CloseAudio();
    available_ = false;
}

SoundFileReader FileServiceSoundReader() { return ReadNamedFile; }

CSubsystem_Sound_DirectX* SoundService() { return g_sound.get(); }

CSubsystem_Sound_DirectX* CreateSoundService(SoundServiceConfig config) {
    g_sound.reset();
    g_sound = std::make_unique<CSubsystem_Sound_DirectX>(std::move(config));
    return g_sound.get();
}

void DestroySoundService() { g_sound.reset(); }
