// The board of one screen: the loaded level's bubbles, the click rules (a same-kind group pops,
// a black bubble blasts its 3 x 3 block) and the end test. Popping and falling are marked here
// and run their course when the view says so; a bot or a test can play without any view.
#pragma once

#include <string>
#include <vector>

#include "Apps/Brisquet/LevelFile.h"
#include "Apps/Common/BubbleBoard.h"

namespace brisquet {

inline constexpr int kBlackKind = 5;

enum class ClickResult { Ignored, NoMove, GroupPopped, Blasted };

struct ClickOutcome {
    ClickResult result = ClickResult::Ignored;
    std::vector<BubbleCell> popping;  // the bubbles that start to pop
};

enum class ScreenState { Playing, KeepGoing, Promotion, GameWon, DeadEnd };

class BrisquetBoard {
public:
    BrisquetBoard(Level level, int screen);

    int Screen() const { return screen_; }
    const Level& LoadedLevel() const { return level_; }
    const CBubbleBoard& Grid() const { return grid_; }
    CBubbleBoard& Grid() { return grid_; }
    bool Popping(int column, int row) const { return grid_.Popping(column, row); }

    ClickOutcome Click(int column, int row);
    // The black bubble and every bubble around it that is not popping yet, inside the board.
    std::vector<BubbleCell> BlastAround(int column, int row);
    // The pop has run its course: the popped bubbles go and the rest fall (marked falling until
    // the grid's Land).
    std::vector<BubbleFall> EndPop();
    ScreenState CheckBoardState() const;
    // Back to the bubbles the level was loaded with (the dead end's retry).
    void Restart();

private:
    Level level_;
    int screen_;
    CBubbleBoard grid_;
};

// The right panel's five lines after a cleared screen that leads to the next one.
std::vector<std::string> KeepGoingLines(int screen);

}  // namespace brisquet
