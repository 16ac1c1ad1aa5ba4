// The duel's moving pictures, each a surface over the field playing its animation: the two
// candidates in their poses, the ball, the aiming orb, the turn arrow and the power frame.
#pragma once

#include <array>
#include <initializer_list>
#include <optional>

#include "Apps/Common/ShellRef.h"
#include "Apps/Slorrow/Candidate.h"
#include "Apps/Slorrow/SlorrowApplet.h"

class IShellFactory;
class ISurface;

namespace slorrow {

class CDuelSprites {
public:
    // With `mirrored` the candidates play their mirrored frames (Brambo stands on the left).
    CDuelSprites(const CSlorrowApplet& game, IShellFactory& factory, ISurface& gameArea, bool mirrored);

    void ShowCandidate(const Candidate& candidate);
    // Each at its top-left corner; nullopt hides it.
    void ShowBall(std::optional<Vec2> at);
    void ShowOrb(std::optional<Vec2> at);
    void ShowArrow(std::optional<Vec2> at);
    // The frame with a notch for every 3 of the power's 55 steps and a star at full power.
    void ShowPowerFrame(std::optional<Vec2> at, float power);

private:
    struct Place {
        int x = 0;
        int y = 0;
        bool operator==(const Place&) const = default;
    };
    struct Sprite {
        AttachedSurface surface;
        // Where it was last put: a move is only asked for when this changes.
        std::optional<Place> placedAt;
        int look = -1;
        bool shown = false;
    };
    // What the power frame shows; it is redrawn only when this changes.
    struct PowerLook {
        int notches = -1;
        bool star = false;
        bool operator==(const PowerLook&) const = default;
    };
    Sprite Make(std::initializer_list<Sequence> looks, bool mirrored);
    void Show(Sprite& sprite, std::optional<Vec2> at, int look = 0);

    const CSlorrowApplet& game_;
    IShellFactory& factory_;
    ISurface& gameArea_;
    std::array<Sprite, 2> candidates_;
    Sprite ball_;
    Sprite orb_;
    Sprite arrow_;
    Sprite power_;
    PowerLook drawnPower_;
};

}  // namespace slorrow
