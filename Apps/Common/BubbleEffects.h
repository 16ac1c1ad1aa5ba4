// The timed board animations of the bubble view: a pop (the group's pop pictures, then the
// bubbles go and the rest falls) and a fall (bubbles sliding down their columns at half a pixel
// per millisecond until they land).
#pragma once

#include <cstdint>
#include <vector>

#include "Apps/Common/BubbleBoard.h"

class CBubbleGrid;
class CBubbleSprite;
class ISurface;
class ITimer;

class CPopEffect {
public:
    static constexpr int kTickMs = 30;

    CPopEffect(CBubbleGrid& grid, std::vector<BubbleCell> cells);
    ~CPopEffect();
    CPopEffect(const CPopEffect&) = delete;
    CPopEffect& operator=(const CPopEffect&) = delete;

    const std::vector<BubbleCell>& Cells() const { return cells_; }
    int OnTick(intptr_t* args);

private:
    CBubbleGrid& grid_;
    std::vector<BubbleCell> cells_;
    std::vector<ISurface*> popSurfaces_;
    ITimer* timer_ = nullptr;
};

class CFallEffect {
public:
    static constexpr int kTickMs = 20;

    explicit CFallEffect(CBubbleGrid& grid);
    ~CFallEffect();
    CFallEffect(const CFallEffect&) = delete;
    CFallEffect& operator=(const CFallEffect&) = delete;

    // The sprite falls from where it is now to its cell.
    void Add(CBubbleSprite& sprite);
    // Another fall takes the sprite over.
    void Drop(const CBubbleSprite& sprite);
    void Start();
    bool Empty() const { return falling_.empty(); }
    int OnTick(intptr_t* args);

private:
    struct Falling {
        CBubbleSprite* sprite;
        int startY;
    };
    CBubbleGrid& grid_;
    std::vector<Falling> falling_;
    ITimer* timer_ = nullptr;
};
