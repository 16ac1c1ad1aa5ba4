// An animal awake on the field: a colour-keyed surface with its walking animation facing left
// and facing right.
#pragma once

#include "Apps/Common/ShellRef.h"
#include "frame/api/IAnim.h"

class IShellFactory;

namespace pennimar {

class CPennimarApplet;

class CAnimalSprite {
public:
    CAnimalSprite(CPennimarApplet& game, IShellFactory& factory, ISurface* gameArea, int kind, bool right);

    void Face(bool right);
    void Place(float x, float y);
    void Run(bool running);
    // Of its picture; 0 when it has none.
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    ShellRef<IAnim> left_;
    ShellRef<IAnim> right_;
    AttachedSurface surface_;
    bool facingRight_;
    int width_ = 0, height_ = 0;
};

}  // namespace pennimar
