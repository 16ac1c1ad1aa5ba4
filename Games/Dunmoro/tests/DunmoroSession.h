// The game running in the harness's shell window on the headless backend, as a test sees it:
// the frame, the settings it stored, and the input a player gives.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "Apps/Common/harness/AppletHarness.h"
#include "Games/Dunmoro/SettingsKeys.h"
#include "core/store/tests/StoreTestFolder.h"

namespace dunmoro::test {

inline constexpr const char* kGameId = "{681FDB0B-DF7A-4E91-9445-0D7CF22687E7}";
inline constexpr uint32_t kTableGreen = 0x339900;

class DunmoroSession {
public:
    // A session in `folder` (its store survives a session's end), or a fresh one.
    explicit DunmoroSession(std::string folder = {}, bool withUser = true)
        : folder_(folder.empty() ? own_.Path() : std::move(folder)), harness_({folder_, withUser}) {}

    CAppletHarness& Harness() { return harness_; }
    const std::string& Folder() const { return folder_; }
    bool Start(const std::string& gamePath = DUNMORO_GAM) { return harness_.StartGame(gamePath) == 0; }
    void Stop() { harness_.StopGame(); }

    std::optional<std::string> Value(std::string_view key) { return harness_.UserValue(kGameId, key); }
    std::optional<std::string> PlayerValue(std::string_view item, std::string_view player = kDefaultPlayer) {
        return Value(std::string(player) + " - " + std::string(item));
    }
    void SetValue(std::string_view key, std::string_view value) { harness_.SetUserValue(kGameId, key, value); }
    void SetPlayerValue(std::string_view item, std::string_view value, std::string_view player = kDefaultPlayer) {
        SetValue(std::string(player) + " - " + std::string(item), value);
    }

    uint32_t Pixel(int x, int y) const { return harness_.GamePixel(x, y); }
    // Pixels of that colour in the rectangle [left, right) x [top, bottom).
    int Count(uint32_t colour, int left, int top, int right, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) count += Pixel(x, y) == colour ? 1 : 0;
        return count;
    }
    void Click(int x, int y) { harness_.Click(x, y); }
    void Wait(uint32_t ms) { harness_.AdvanceMs(ms); }

    // Screens, told apart by what they draw.
    bool OnTitle() const { return Count(0x000000, 120, 380, 370, 381) > 200; }
    bool OnModeScreen() const { return Pixel(22, 148) == 0x0000CC && Pixel(22 + 91, 148) == 0x0000CC; }
    bool OnPlay() const { return Count(0x000000, 281, 340, 490, 341) > 200; }
    bool ResultBoxUp() const { return Pixel(160, 164) == 0x0000CC && Pixel(163, 167) == 0x00CC00; }
    bool ChallengeWonUp() const { return Pixel(110, 110) == 0x0000CC && Pixel(113, 113) == 0x00CC00; }

    // Buttons, pressed a little inside their top-left corner.
    void StartTheGame() { Click(197, 355); }
    void ModeButton() { Click(49, 246); }
    void BoxFirstButton() { Click(160 + 75, 164 + 60); }
    void BoxSecondButton() { Click(160 + 75, 164 + 82); }
    void ClickToContinue() { Click(110 + 100, 110 + 186); }
    void Resign() { Click(110, 350); }

private:
    StoreTestFolder own_;
    std::string folder_;
    CAppletHarness harness_;
};

}  // namespace dunmoro::test
