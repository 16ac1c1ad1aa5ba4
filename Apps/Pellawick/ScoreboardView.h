// The scoreboard over the stands: the stock of each food with the selected one lit, the score,
// lives, waves and inning, and the animations of its black screen.
#pragma once

#include <array>

#include "Apps/Common/ShellRef.h"
#include "Apps/Pellawick/Stadium.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"

class IShellFactory;
class ISurface;

namespace pellawick {

class CPellawickApplet;

class CScoreboardView {
public:
    static constexpr int kX = 110, kY = 2;

    CScoreboardView(CPellawickApplet& game, IShellFactory& factory, ISurface* gameArea);

    // Redraws what changed since the last call.
    void Sync(const Stadium& stadium);

private:
    struct Shown {
        int score = -1, lives = -1, waves = -1, inning = -1, foodTypes = -1, selected = -1;
        bool bonus = false;
        std::array<int, 3> stock{-1, -1, -1};
        bool operator==(const Shown&) const = default;
    };

    void Draw(const Shown& shown);
    void ShowMessage(BoardMessage message);

    CPellawickApplet& game_;
    AttachedSurface board_;
    ShellRef<IImage> image_;
    ShellRef<IFont> digits_;
    std::array<AttachedSurface, 4> screens_;
    Shown shown_;
    int messagesShown_ = -1;
};

}  // namespace pellawick
