// The game in the harness's shell window on the headless backend, seen as TorvimbleView sees it.
#pragma once

#include <string>

#include "Apps/Torvimble/tests/TorvimbleView.h"
#include "harness/GameSession.h"

namespace torvimble::test {

inline constexpr const char* kGameId = TORVIMBLE_GAME_ID;

class TorvimbleSession : public GameSession, public TorvimbleView {
public:
    // A session in `folder` (its store survives the session), or in a fresh one of its own.
    explicit TorvimbleSession(std::string folder = {}) : GameSession(kGameId, TORVIMBLE_GAM, std::move(folder)) {}

    std::string Holdings() { return Value("Guest - Score").value_or("absent"); }
    // The number of boxes shown with this caption so far.
    int Boxes(const std::string& caption) const {
        int count = 0;
        for (const auto& box : MessageBoxes()) count += box.caption == caption;
        return count;
    }
};

}  // namespace torvimble::test
