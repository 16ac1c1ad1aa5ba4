// The shell's own sounds, played by the sound service through the real SDL backend. SDL's disk
// audio driver writes what reaches the device to a file, which the test then measures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/resources/ResourceRegistry.h"
#include "core/sound/CSubsystem_Sound.h"
#include "core/sound/Sound.h"
#include "platform/Host.h"
#include "platform/Platform.h"
#include "platform/tests/XvfbServer.h"

namespace {

class ShellSoundsOnSdl : public testing::Test {
protected:
    void SetUp() override {
        output_ = platform::JoinPath(platform::TempFolder(), "rivakel-sound-" + platform::NewGuidText() + ".raw");
        setenv("RIVAKEL_PLATFORM", "sdl", 1);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "1", 1);
        // A real window needs a display; without one the offscreen driver stands in.
        const char* display = std::getenv("DISPLAY");
        if (display == nullptr || *display == '\0') setenv("SDL_VIDEODRIVER", "offscreen", 1);
        backend_ = platform::GetBackend();
        if (backend_ == nullptr) RIVAKEL_REAL_WINDOW_MISSING("the SDL backend cannot start here");
    }
    void TearDown() override { platform::DeleteFile(output_); }

    // Plays the named shell sound to its end and returns the peak of what the device got.
    int PeakOfPlayed(std::string_view name) {
        auto bytes = resources::ResourceRegistry::Instance().FindData(name);
        EXPECT_TRUE(bytes.has_value()) << name;
        if (!bytes) return 0;
        auto window = backend_->CreateWindow({.title = "Rivakel", .width = 800, .height = 572});
        EXPECT_NE(window, nullptr);
        CSubsystem_Sound* service = CreateSoundService({.backend = backend_, .shellElement = nullptr, .readFile = {}});
        EXPECT_TRUE(service->IsAvailable());
        CSound* sound = service->CreateSoundFromData(name, *bytes, 1);
        EXPECT_TRUE(sound != nullptr && sound->IsLoaded());
        if (sound == nullptr) return 0;
        sound->Play(1);
        for (int waited = 0; waited < 5000 && service->BusySlots() > 0; waited += 10) backend_->SleepMs(10);
        EXPECT_EQ(service->BusySlots(), 0) << name << " never finished";
        sound->ReleaseInternalRef();
        DestroySoundService();

        auto raw = platform::ReadWholeFile(output_, uint64_t{1} << 30);
        if (!raw) return 0;
        int peak = 0;
        for (size_t i = 0; i + 1 < raw->size(); i += 2) {
            const auto sample = static_cast<int16_t>((*raw)[i] | ((*raw)[i + 1] << 8));
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        }
        return peak;
    }

    std::string output_;
    platform::Backend* backend_ = nullptr;
};

TEST_F(ShellSoundsOnSdl, EveryShellSoundIsHeardBelowFullScale) {
    // The service plays at the stored volume of 50, some 15 dB down from the files' -3 dBFS.
    for (const char* name : {"OpenShell.wav", "CloseShell.wav", "BtnClick.wav", "Popup.wav"}) {
        const int peak = PeakOfPlayed(name);
        RecordProperty(name, peak);
        EXPECT_GT(peak, 1000) << name;
        EXPECT_LT(peak, 32767) << name;
    }
}

}  // namespace
