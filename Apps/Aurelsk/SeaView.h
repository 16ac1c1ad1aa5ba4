// The sea's objects on the game area: one surface per sprite and treasure of the world, made when
// it first appears, moved and turned with it, showing its explosion, and taken off when the
// world lets it go; and the big blast where a pirate submarine is damaged.
#pragma once

#include <map>
#include <vector>

#include "Apps/Common/ShellRef.h"
#include "Apps/Aurelsk/AurelskApplet.h"
#include "Apps/Aurelsk/SeaWorld.h"

class IShellFactory;
class ISurface;

namespace aurelsk {

class CSeaView {
public:
    CSeaView(CAurelskApplet& game, IShellFactory& factory, ISurface& gameArea);

    // A surface every sprite passes behind (the status bar's score plate); null for none.
    void KeepInFront(ISurface* surface) { front_ = surface; }
    void Show(const SeaWorld& world, int now);
    void Blast(float x, float y, int now);
    // Everything off the game area.
    void Clear();

private:
    // Animations of a sprite: 0 left, 1 right, 2 explosion, then 3 and 4 the other look (the
    // warning or the damage) left and right.
    enum Look { kLeft = 0, kRight = 1, kExploding = 2, kOtherLeft = 3, kOtherRight = 4 };
    struct Shown {
        AttachedSurface surface;
        int look = -1;
        bool seen = false;
    };
    struct Blasting {
        AttachedSurface surface;
        int until;
    };

    Shown Make(std::initializer_list<Sequence> sequences);
    Shown MakeFor(const SeaSprite& sprite);
    void Place(Shown& shown, float x, float y, int look);
    void ShowSprite(int id, const SeaSprite& sprite, int look);

    CAurelskApplet& game_;
    IShellFactory& factory_;
    ISurface& gameArea_;
    std::map<int, Shown> shown_;
    std::vector<Blasting> blasts_;
    ISurface* front_ = nullptr;
};

}  // namespace aurelsk
