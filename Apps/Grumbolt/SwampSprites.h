// What the swamp screen shows of a swamp: a lilypad on every cell that is not water, a frog on
// each frog's cell (sitting, blinking now and then, or sinking after it was jumped), and the four
// leap sprites that play a jump.
#pragma once

#include <array>
#include <cstdint>

#include "Apps/Common/ShellRef.h"
#include "Apps/Grumbolt/SwampBoard.h"

class IAnim;
class IEventListener;
class IImageSeq;
class IShellFactory;
class ITimer;

namespace grumbolt {

class CGrumboltApplet;

// Where a cell's pictures stand on the game area.
inline constexpr int CellX(int column) { return 30 * column + 17; }
inline constexpr int FrogY(int row) { return 30 * row + 41; }
inline constexpr int LilypadY(int row) { return 30 * row + 43; }

// Told of clicks on a frog or a lilypad.
class SwampClicks {
public:
    virtual void OnFrogClick(CellPos at) = 0;
    virtual void OnLilypadClick(CellPos at) = 0;

protected:
    ~SwampClicks() = default;
};

class CFrog {
public:
    // `colour` 0 to 4; `idleMs` between two blinks.
    CFrog(CGrumboltApplet& game, SwampClicks& clicks, CellPos at, int colour, int idleMs);
    ~CFrog();

    CellPos At() const { return at_; }
    int Colour() const { return colour_; }
    void SetVisible(bool visible);
    void MoveTo(CellPos at);
    // Goes under where it sits, a little lower, in front of its neighbours; no more clicks.
    void Sink();

    int OnClick(intptr_t* args);
    int OnIdle(intptr_t* args);

private:
    SwampClicks& clicks_;
    CellPos at_;
    int colour_;
    ShellRef<IAnim> idle_;
    ShellRef<IAnim> sinking_;
    AttachedSurface surface_;
    ShellRef<IEventListener> listener_;
    ShellRef<ITimer> idleTimer_;
};

class CLilypad {
public:
    CLilypad(CGrumboltApplet& game, SwampClicks& clicks, CellPos at);
    ~CLilypad();

    int OnClick(intptr_t* args);

private:
    SwampClicks& clicks_;
    CellPos at_;
    AttachedSurface surface_;
    ShellRef<IEventListener> listener_;
};

enum class Direction { Up, Right, Down, Left };

// The four leaps, each with one animation per frog colour; hidden while no frog leaps.
class CJumpSprites {
public:
    explicit CJumpSprites(CGrumboltApplet& game);
    ~CJumpSprites();

    // Plays the leap of a frog of `colour` from `from` in `direction` from its first frame.
    void Start(CellPos from, Direction direction, int colour);
    void HideAll();

private:
    struct Sprite {
        std::array<ShellRef<IAnim>, 6> anims;
        AttachedSurface surface;
    };
    std::array<Sprite, 4> sprites_;
};

Direction DirectionOf(const Jump& jump);

}  // namespace grumbolt
