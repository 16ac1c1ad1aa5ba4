// The game running in the harness's shell window on the headless backend, as a test sees it:
// the frame, the settings it stored, and the input a player gives.
#pragma once

#include <optional>
#include <string>

#include "Games/Dunmoro/SettingsKeys.h"
#include "Games/Dunmoro/tests/DunmoroView.h"
#include "harness/GameSession.h"

namespace dunmoro::test {

inline constexpr const char* kGameId = DUNMORO_GAME_ID;

class DunmoroSession : public GameSession, public DunmoroView {
public:
    // A session in `folder` (its store survives a session's end), or a fresh one.
    explicit DunmoroSession(std::string folder = {}, bool withUser = true)
        : GameSession(kGameId, DUNMORO_GAM, std::move(folder), withUser) {}

    std::optional<std::string> PlayerValue(std::string_view item, std::string_view player = kDefaultPlayer) {
        return Value(std::string(player) + " - " + std::string(item));
    }
    void SetPlayerValue(std::string_view item, std::string_view value, std::string_view player = kDefaultPlayer) {
        SetValue(std::string(player) + " - " + std::string(item), value);
    }
};

}  // namespace dunmoro::test
