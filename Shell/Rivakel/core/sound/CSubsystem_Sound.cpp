#include "core/sound/CSubsystem_Sound.h"

#include <algorithm>
#include <memory>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/Decimal.h"
#include "core/base/Log.h"
#include "core/base/Strings.h"
#include "core/base/Thunk.h"
#include "core/base/Timer.h"
#include "core/files/CSubsystem_File.h"
#include "core/sound/WavReader.h"
#include "core/store/RdtNode.h"
#include "platform/Platform.h"

namespace {

std::unique_ptr<CSubsystem_Sound> g_sound;

// Reads the attribute by its name, else by its position (the files of old shells).
const std::string* SoundAttr(const RdtNode& sound, std::string_view name, size_t position) {
    if (const RdtAttr* attr = sound.FindAttr(name)) return attr->value ? &*attr->value : nullptr;
    if (position < sound.Attrs().size() && sound.Attrs()[position].value) return &*sound.Attrs()[position].value;
    return nullptr;
}

}  // namespace

int ParseVolume(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative) text.remove_prefix(1);
    const std::optional<uint64_t> value = ParseDecimal(text, 100, DecimalOverflow::Saturate);
    if (!value) return CSubsystem_Sound::kDefaultVolume;
    return negative ? 0 : static_cast<int>(*value);
}

int ReadStoredVolume(RdtNode* shellElement) {
    RdtNode* sound = shellElement != nullptr ? shellElement->FindChild("Sound") : nullptr;
    if (sound == nullptr) return CSubsystem_Sound::kDefaultVolume;
    const std::string* enabled = SoundAttr(*sound, "Enabled", 0);
    if (enabled != nullptr && EqualsNoCase(*enabled, "false")) {
        // The old on/off switch becomes volume 0, and is stored the new way.
        sound->SetAttr("Enabled", "true");
        sound->SetAttr("Volume", "0");
        return 0;
    }
    const std::string* volume = SoundAttr(*sound, "Volume", 1);
    return volume != nullptr ? ParseVolume(*volume) : CSubsystem_Sound::kDefaultVolume;
}

CSubsystem_Sound::CSubsystem_Sound(SoundServiceConfig config) : config_(std::move(config)) {
    ReadStoredSettings(config_.shellElement);
    if (config_.backend == nullptr) return;
    if (ClockService() != nullptr) {
        idleCheck_ = std::make_unique<CTimer>(this, 1000, Thunk<&CSubsystem_Sound::OnIdleCheck>);
        idleCheck_->SetClock(TimerClock::Wall);
        // On the whole seconds, when the loop is awake for the repaint anyway.
        idleCheck_->SetAligned(true);
        idleCheck_->Start();
    }
    available_ = OpenDevice();
    if (!available_) Error("Sound is not available: the audio device could not be opened");
}

CSubsystem_Sound::~CSubsystem_Sound() {
    Shutdown();
    idleCheck_.reset();
    mixer_.StopAll();
}

bool CSubsystem_Sound::OpenDevice() {
    open_ = config_.backend->OpenAudio(kMixRate, [this](std::span<int16_t> out) { mixer_.Mix(out); });
    silentChecks_ = 0;
    return open_;
}

int CSubsystem_Sound::OnIdleCheck() {
    if (!open_ || BusySlots() > 0) {
        silentChecks_ = 0;
        return 0;
    }
    if (++silentChecks_ < kSilentChecksBeforeClose) return 0;
    config_.backend->CloseAudio();
    open_ = false;
    return 0;
}

void CSubsystem_Sound::ReadStoredSettings(RdtNode* shellElement) {
    volume_ = ReadStoredVolume(shellElement);
    enabled_ = volume_ > 0;
}

CSound* CSubsystem_Sound::CreateSound(std::string_view name, int flags) {
    if (!available_) return nullptr;
    std::optional<std::vector<uint8_t>> bytes = config_.readFile ? config_.readFile(name) : std::nullopt;
    return CreateSoundFromData(name, bytes ? std::span<const uint8_t>(*bytes) : std::span<const uint8_t>(), flags);
}

CSound* CSubsystem_Sound::CreateSoundFromData(std::string_view name, std::span<const uint8_t> bytes, int flags) {
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

int CSubsystem_Sound::ForgetSound(const CSound* sound) {
    if (sound == nullptr || !sound->Pcm() || config_.backend == nullptr || !available_) return 0;
    config_.backend->LockAudio();
    mixer_.Forget(sound->Pcm().get());
    config_.backend->UnlockAudio();
    return 0;
}

void CSubsystem_Sound::SetVolume(int volume) {
    volume = std::clamp(volume, 0, 100);
    if (volume_ == 0 && volume > 0) SetEnabled(true);
    if (volume_ > 0 && volume == 0) SetEnabled(false);
    volume_ = volume;
}

void CSubsystem_Sound::PlaySoundSlot(const CSound& sound) {
    if (stopping_ || !available_ || !enabled_ || !sound.Pcm()) return;
    if (!open_ && !OpenDevice()) {
        Error("Sound stopped: the audio device could not be opened again");
        available_ = false;
        return;
    }
    config_.backend->LockAudio();
    mixer_.Start(sound.Pcm(), sound.RepeatCount(), GainForVolume(volume_));
    config_.backend->UnlockAudio();
}

int CSubsystem_Sound::BusySlots() {
    if (!available_) return 0;
    config_.backend->LockAudio();
    const int busy = mixer_.BusySlots();
    config_.backend->UnlockAudio();
    return busy;
}

void CSubsystem_Sound::Shutdown() {
    stopping_ = true;
    if (open_) config_.backend->CloseAudio();
    open_ = false;
    available_ = false;
    if (idleCheck_) idleCheck_->Stop();
}

SoundFileReader FileServiceSoundReader() { return ReadNamedFile; }

CSubsystem_Sound* SoundService() { return g_sound.get(); }

CSubsystem_Sound* CreateSoundService(SoundServiceConfig config) {
    g_sound.reset();
    g_sound = std::make_unique<CSubsystem_Sound>(std::move(config));
    return g_sound.get();
}

void DestroySoundService() { g_sound.reset(); }
