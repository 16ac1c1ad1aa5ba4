// One bubble on the game area: its own animation over its kind's pictures, a click listener, and
// (when the grid asks for it) an idle timer that plays the animation now and then.
#pragma once

#include <cstdint>

class CBubbleGrid;
class IAnim;
class IEventListener;
class ISurface;
class ITimer;

class CBubbleSprite {
public:
    // Shows `kindAnim`'s pictures at the cell's place. The animation plays after `firstIdleMs`
    // and then every `idleMs`; with idleMs 0 it plays once now and there is no timer.
    CBubbleSprite(CBubbleGrid& grid, IAnim* kindAnim, int kind, int column, int row, int idleMs, int firstIdleMs);
    // Takes the bubble off the game area and releases what it holds.
    ~CBubbleSprite();
    CBubbleSprite(const CBubbleSprite&) = delete;
    CBubbleSprite& operator=(const CBubbleSprite&) = delete;

    int Kind() const { return kind_; }
    int Column() const { return column_; }
    int Row() const { return row_; }
    void SetCell(int column, int row);
    int Y() const;
    void MoveTo(int x, int y);
    void SetVisible(bool visible);
    ISurface* Surface() const { return surface_; }

    int OnMouseDown(intptr_t* args);
    int OnIdle(intptr_t* args);

private:
    CBubbleGrid& grid_;
    int kind_;
    int column_;
    int row_;
    IAnim* anim_ = nullptr;
    ISurface* surface_ = nullptr;
    IEventListener* listener_ = nullptr;
    ITimer* idle_ = nullptr;
    int idleMs_;
};
