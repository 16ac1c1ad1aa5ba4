// An animal awake on the field: a colour-keyed surface with its walking animation facing left
// and facing right.
#pragma once

#include <optional>

#include "Apps/Common/ShellRef.h"
#include "frame/api/IAnim.h"

class IShellFactory;

namespace pennimar {

class CPennimarApplet;

class CAnimalSprite {
public:
    CAnimalSprite(CPennimarApplet& game, IShellFactory& factory, ISurface* gameArea, int kind, bool right);

    void Face(bool right);
    // Moves the surface only when the whole-pixel place changes: an animal covers less than a
    // pixel on most ticks.
    void Place(float x, float y);
    void Run(bool running);
    // Of its picture; 0 when it has none.
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    struct Spot {
        int x = 0;
        int y = 0;
        bool operator==(const Spot&) const = default;
    };

    ShellRef<IAnim> left_;
    ShellRef<IAnim> right_;
    AttachedSurface surface_;
    std::optional<Spot> placedAt_;
    bool facingRight_;
    int width_ = 0, height_ = 0;
};

}  // namespace pennimar
