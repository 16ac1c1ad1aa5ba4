#include <gtest/gtest.h>

#include <algorithm>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/tests/FakeClockSource.h"
#include "core/sound/CSubsystem_Sound.h"
#include "core/sound/WavReader.h"
#include "core/sound/tests/WavTestData.h"
#include "core/store/RdtNode.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

constexpr size_t kFrames = 100;

// A sound of kFrames frames of one level, so played frames can be counted.
std::vector<uint8_t> Tone(int16_t level = 10000) {
    return wavtest::Pcm16(std::vector<int16_t>(kFrames * 2, level), 2, kMixRate);
}

size_t SoundingFrames(const std::vector<int16_t>& out) {
    size_t count = 0;
    for (size_t i = 0; i < out.size(); i += 2) count += out[i] != 0 ? 1 : 0;
    return count;
}

class SoundServiceTest : public ::testing::Test {
protected:
    void Start(RdtNode* shell = nullptr) {
        SoundServiceConfig config;
        config.backend = &backend;
        config.shellElement = shell;
        config.readFile = [](std::string_view name) -> std::optional<std::vector<uint8_t>> {
            if (name == "Tone.wav") return Tone();
            if (name == "Broken.wav") return std::vector<uint8_t>{'R', 'I', 'F', 'F'};
            return std::nullopt;
        };
        service = CreateSoundService(std::move(config));
    }
    void TearDown() override {
        for (CSound* sound : sounds) sound->ReleaseInternalRef();
        DestroySoundService();
    }
    CSound* Load(std::string_view name) {
        CSound* sound = service->CreateSound(name, 0);
        if (sound != nullptr) sounds.push_back(sound);
        return sound;
    }

    platform::headless::HeadlessBackend backend;
    CSubsystem_Sound* service = nullptr;
    std::vector<CSound*> sounds;
};

TEST_F(SoundServiceTest, RepeatsPlayBackToBack) {
    Start();
    CSound* tone = Load("Tone.wav");
    ASSERT_NE(tone, nullptr);
    for (auto [repeats, plays] : {std::pair{0, 1}, std::pair{1, 1}, std::pair{3, 3}}) {
        ASSERT_EQ(tone->Play(repeats), 0);
        const auto out = backend.PumpAudio(kFrames * 5);
        EXPECT_EQ(SoundingFrames(out), kFrames * static_cast<size_t>(plays)) << repeats;
        EXPECT_EQ(SoundingFrames(std::vector<int16_t>(out.begin(), out.begin() + static_cast<long>(kFrames * plays * 2))),
                  kFrames * static_cast<size_t>(plays))
            << "no gap between repeats";
        EXPECT_EQ(service->BusySlots(), 0);
    }
}

TEST_F(SoundServiceTest, SeventeenthPlayIsDroppedUntilASlotFrees) {
    Start();
    CSound* tone = Load("Tone.wav");
    for (int i = 0; i < 17; ++i) tone->Play(1);
    EXPECT_EQ(service->BusySlots(), 16);
    backend.PumpAudio(kFrames);
    EXPECT_EQ(service->BusySlots(), 0);
    tone->Play(1);
    EXPECT_EQ(service->BusySlots(), 1);
}

TEST_F(SoundServiceTest, MixingSumsAndClampsAtFullVolume) {
    Start();
    service->SetVolume(100);
    CSound* tone = Load("Tone.wav");
    tone->Play(1);
    EXPECT_EQ(backend.PumpAudio(1)[0], 10000);
    for (int i = 0; i < 4; ++i) tone->Play(1);
    EXPECT_EQ(backend.PumpAudio(1)[0], 32767);
    service->SetVolume(50);
    DestroySoundService();  // closing the device ends mixing; the sounds outlive the service
    EXPECT_FALSE(backend.AudioOpen());
    EXPECT_EQ(tone->Play(1), 0);
}

TEST_F(SoundServiceTest, VolumeSetsGainAndSwitchesTheServiceOnAndOff) {
    Start();
    EXPECT_EQ(service->Volume(), 50);
    CSound* tone = Load("Tone.wav");
    tone->Play(1);
    const int16_t half = backend.PumpAudio(1)[0];
    EXPECT_NEAR(half, 10000 * 0.1778, 2);
    service->SetVolume(0);
    EXPECT_FALSE(service->IsEnabled());
    backend.PumpAudio(kFrames);
    tone->Play(1);
    EXPECT_EQ(service->BusySlots(), 0);
    service->SetVolume(40);
    EXPECT_TRUE(service->IsEnabled());
    service->SetVolume(500);
    EXPECT_EQ(service->Volume(), 100);
    service->SetVolume(-3);
    EXPECT_EQ(service->Volume(), 0);
    EXPECT_FALSE(service->IsEnabled());
}

TEST(StoredVolume, StoredTextsBecomeVolumesFromZeroToOneHundred) {
    const std::pair<const char*, int> cases[] = {
        {"50", 50}, {"0", 0},    {"100", 100},         {"", 50},           {"abc", 50},
        {"-5", 0},  {"150", 100}, {"2147483648", 100}, {"-99999999999999999999", 0}, {"7x", 50},
    };
    for (const auto& [text, volume] : cases) EXPECT_EQ(ParseVolume(text), volume) << text;
}

TEST_F(SoundServiceTest, StoredSoundSettingsAreReadAndRepaired) {
    struct Case { std::vector<std::pair<std::string, std::string>> attrs; int volume; };
    const std::vector<Case> cases = {
        {{{"Enabled", "true"}, {"Volume", "0"}}, 0},
        {{{"Enabled", "FALSE"}, {"Volume", "80"}}, 0},
        {{{"Enabled", "true"}, {"Volume", "500"}}, 100},
        {{{"Enabled", "true"}, {"Volume", "-3"}}, 0},
        {{{"Enabled", "true"}, {"Volume", "abc"}}, 50},
        {{{"Volume", "70"}, {"Enabled", "true"}}, 70},
        {{{"On", "true"}, {"Level", "30"}}, 30},
        {{{"Enabled", "true"}}, 50},
    };
    for (const Case& c : cases) {
        RdtNode shell("Shell");
        RdtNode* sound = shell.AddChild("Sound");
        for (const auto& [name, value] : c.attrs) sound->AddAttr(name, value);
        Start(&shell);
        EXPECT_EQ(service->Volume(), c.volume) << c.attrs[0].second;
        EXPECT_EQ(service->IsEnabled(), c.volume > 0);
        DestroySoundService();
    }
    RdtNode shell("Shell");
    RdtNode* sound = shell.AddChild("Sound");
    sound->AddAttr("Enabled", "false");
    Start(&shell);
    ASSERT_NE(sound->AttrValue("Enabled"), nullptr);
    EXPECT_EQ(*sound->AttrValue("Enabled"), "true");
    ASSERT_NE(sound->AttrValue("Volume"), nullptr);
    EXPECT_EQ(*sound->AttrValue("Volume"), "0");
}

TEST_F(SoundServiceTest, SoundsThatDidNotLoadAnswerEight) {
    Start();
    for (const char* name : {"Broken.wav", "Missing.wav"}) {
        CSound* sound = Load(name);
        ASSERT_NE(sound, nullptr);
        EXPECT_FALSE(sound->IsLoaded());
        EXPECT_EQ(sound->Play(1), kSoundNotLoaded);
    }
}

TEST_F(SoundServiceTest, WithoutAnAudioDeviceTheShellRunsSilently) {
    backend.SetAudioAvailable(false);
    Start();
    EXPECT_FALSE(service->IsAvailable());
    EXPECT_EQ(service->CreateSound("Tone.wav", 0), nullptr);
    service->Shutdown();
}

TEST_F(SoundServiceTest, ASoundReleasedWhilePlayingPlaysToItsEndUnlessForgotten) {
    Start();
    CSound* tone = service->CreateSound("Tone.wav", 0);
    tone->Play(3);
    tone->Play(1);
    backend.PumpAudio(10);
    EXPECT_EQ(service->BusySlots(), 2);
    tone->ReleaseInternalRef();
    EXPECT_EQ(service->BusySlots(), 2);
    EXPECT_EQ(SoundingFrames(backend.PumpAudio(kFrames * 4)), kFrames * 3 - 10);
    EXPECT_EQ(service->BusySlots(), 0);

    CSound* again = Load("Tone.wav");
    again->Play(5);
    service->ForgetSound(again);
    EXPECT_EQ(service->BusySlots(), 0);
    EXPECT_EQ(SoundingFrames(backend.PumpAudio(kFrames)), 0u);
}

TEST_F(SoundServiceTest, PlaysAfterShutdownAreIgnored) {
    Start();
    CSound* tone = Load("Tone.wav");
    tone->Play(50);
    service->Shutdown();
    EXPECT_FALSE(backend.AudioOpen());
    EXPECT_EQ(tone->Play(1), 0);
    EXPECT_EQ(service->BusySlots(), 0);
}

// A device with nothing to play is closed after two silent seconds on the session's clock (its
// thread would wake the machine for silence), and the next play opens it again and is heard.
TEST_F(SoundServiceTest, AnIdleDeviceClosesAndTheNextPlayIsHeard) {
    auto time = std::make_shared<FakeTime>();
    CreateClock(std::make_unique<FakeClockSource>(time));
    Start();
    CSound* tone = Load("Tone.wav");
    ASSERT_NE(tone, nullptr);
    tone->Play(0);
    const auto second = [&] {
        time->tick += 1000;
        ClockService()->TickAll();
    };
    second();
    second();
    EXPECT_TRUE(backend.AudioOpen()) << "closed under a sound that has not been played yet";
    EXPECT_EQ(SoundingFrames(backend.PumpAudio(kFrames * 2)), kFrames);
    second();
    EXPECT_TRUE(backend.AudioOpen()) << "closed after a single silent second";
    second();
    EXPECT_FALSE(backend.AudioOpen());
    tone->Play(0);
    EXPECT_TRUE(backend.AudioOpen());
    EXPECT_EQ(SoundingFrames(backend.PumpAudio(kFrames * 2)), kFrames);
    DestroySoundService();
    DestroyClock();
}

}  // namespace
