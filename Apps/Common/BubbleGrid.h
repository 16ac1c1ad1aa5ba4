// The bubble view: a sprite for every bubble of a CBubbleBoard, group popping with the kinds' pop
// pictures, and bubbles that fall straight down when the cells below them empty. The board is
// the truth; the view animates what it reports and tells its owner when a pop or a fall has run
// its course, so the owner can look at the board's state. Any number of pops and falls may run
// at once.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "Apps/Common/BubbleBoard.h"

class CBubbleSprite;
class CFallEffect;
class CPopEffect;
class IAnim;
class IImage;
class IImageSeq;
class IShellFactory;
class ISurface;

struct BubbleViewStyle {
    int originX = 10;         // the top-left corner of cell (0, 0) on the game area
    int originY = 12;
    int popMs = 500;          // how long a pop shows before its bubbles go
    bool hideWhilePopping = true;
    int idleMs = 50000;       // a sprite's idle play comes every idleMs; 0 plays it once at the start
};

// Per kind k (1 up), entry k - 1: the idle animation and the pop sequence.
struct BubbleKindArt {
    std::span<IAnim* const> idle;
    std::span<IImageSeq* const> pop;
};

class IBubbleGridEvents {
public:
    // A bubble was clicked; the owner decides (FloodMark, or a sound for a lone bubble).
    virtual void OnBubbleClicked(int column, int row) = 0;
    // A pop or a fall has ended. The grid touches nothing after this call: the owner may delete it.
    virtual void OnBoardChanged() = 0;

protected:
    ~IBubbleGridEvents() = default;
};

class CBubbleGrid {
public:
    static constexpr int kCell = 32;

    // Makes a sprite for every bubble of the board. The factory, game area, board, art and owner
    // outlive the grid; `rand` draws the sprites' first idle times.
    CBubbleGrid(IShellFactory& factory, ISurface& gameArea, CBubbleBoard& board, BubbleKindArt art,
                const BubbleViewStyle& style, IBubbleGridEvents& events, const std::function<int()>& rand);
    // Ends every pop and fall and takes every bubble off the game area.
    ~CBubbleGrid();
    CBubbleGrid(const CBubbleGrid&) = delete;
    CBubbleGrid& operator=(const CBubbleGrid&) = delete;

    // Pops the group at the cell: the number of bubbles, 0 when it is not a group that pops.
    int FloodMark(int column, int row, const BubbleRules& rules);
    // Pops bubbles the board has already marked popping (a blast of any kinds).
    void PopMarked(std::vector<BubbleCell> cells);
    // The cell under a game-area pixel, when it is on the board.
    std::optional<BubbleCell> SpriteAt(int x, int y) const;
    CBubbleSprite* Sprite(int column, int row) const;
    int RunningPops() const { return static_cast<int>(pops_.size()); }
    int RunningFalls() const { return static_cast<int>(falls_.size()); }

    // For the sprites and effects.
    IShellFactory& Factory() const { return factory_; }
    ISurface& GameArea() const { return gameArea_; }
    CBubbleBoard& Board() const { return board_; }
    const BubbleViewStyle& Style() const { return style_; }
    IImageSeq* PopSequence(int kind) const;
    int CellX(int column) const { return style_.originX + kCell * column; }
    int CellY(int row) const { return style_.originY + kCell * row; }
    void Clicked(const CBubbleSprite& sprite);
    void FinishPop(CPopEffect* effect);
    void FinishFall(CFallEffect* effect);

private:
    using Column = std::array<std::unique_ptr<CBubbleSprite>, CBubbleBoard::kMaxSide>;
    void ApplyGravity();

    IShellFactory& factory_;
    ISurface& gameArea_;
    CBubbleBoard& board_;
    BubbleKindArt art_;
    BubbleViewStyle style_;
    IBubbleGridEvents& events_;
    std::array<Column, CBubbleBoard::kMaxSide> sprites_;
    std::vector<std::unique_ptr<CPopEffect>> pops_;
    std::vector<std::unique_ptr<CFallEffect>> falls_;
};

// Draws cell `cellIndex` of a strip of 16 x 16 cells side by side at (x, y) of the canvas.
void BlitStripCell(IImage* strip, int cellIndex, IImage* canvas, int x, int y);
