// A game's tile on the Games pages: its logo, 82 x 62 on its own or 92 x 72 framed with a shadow
// in its pace's colour. The pointer over it outlines it; a click starts the game or, on the
// removal list, removes it.
#pragma once

#include <cstdint>

#include "core/graphics/EventListener.h"
#include "core/graphics/Surface.h"

// Tiles of the removal list carry their row plus this.
inline constexpr int kRemoveTileOffset = 10000;

// What a tile's click asks for.
class GameTileOwner {
public:
    virtual ~GameTileOwner() = default;
    // `row` is the table's row; the tile may be gone when this returns.
    virtual void OnTileClicked(int row, bool remove) = 0;

protected:
    GameTileOwner() = default;
    GameTileOwner(const GameTileOwner&) = default;
    GameTileOwner& operator=(const GameTileOwner&) = default;
};

class CGameTile final : public CSurface {
public:
    static constexpr int kPlainWidth = 82, kPlainHeight = 62;
    static constexpr int kFramedWidth = 92, kFramedHeight = 72;

    // `index` is the row, plus kRemoveTileOffset on the removal list; `logo` may be null.
    CGameTile(GameTileOwner& owner, CSurface* logo, int index, int pace, bool framed);
    ~CGameTile() override;

    int Row() const { return row_; }
    bool Removes() const { return remove_; }
    bool Framed() const { return framed_; }
    // A busy tile answers neither the pointer nor clicks.
    void SetBusy(bool busy) { busy_ = busy; }

private:
    void Outline(bool hot);
    int OnClick();
    int OnEnter();
    int OnLeave();

    GameTileOwner& owner_;
    int row_;
    bool remove_;
    bool framed_;
    bool busy_ = false;
    uint32_t paceColour_;
    ListenerPtr click_, enter_, leave_;
};

// The shadow's colour of each pace: 0 red, 1 green, 2 blue.
uint32_t PaceColour(int pace);
