// The game running in the harness's shell window on the headless backend, as a test sees it:
// the frame, the settings it stored, and the input a player gives.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "Apps/Common/harness/AppletHarness.h"
#include "Games/Dunmoro/SettingsKeys.h"
#include "Games/Dunmoro/tests/DunmoroView.h"
#include "core/store/tests/StoreTestFolder.h"

namespace dunmoro::test {

inline constexpr const char* kGameId = "{681FDB0B-DF7A-4E91-9445-0D7CF22687E7}";

class DunmoroSession : public DunmoroView {
public:
    // A session in `folder` (its store survives a session's end), or a fresh one.
    explicit DunmoroSession(std::string folder = {}, bool withUser = true)
        : folder_(folder.empty() ? own_.Path() : std::move(folder)), harness_({folder_, true, withUser}) {}

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

    uint32_t Pixel(int x, int y) const override { return harness_.GamePixel(x, y); }
    void Click(int x, int y) override { harness_.Click(x, y); }
    void Wait(uint32_t ms) override { harness_.AdvanceMs(ms); }

private:
    StoreTestFolder own_;
    std::string folder_;
    CAppletHarness harness_;
};

}  // namespace dunmoro::test
