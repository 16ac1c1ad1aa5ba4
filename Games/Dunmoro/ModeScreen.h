// Where the player chooses how to play: one of the nine Apprentice or nine Master boards, a
// random one of either, or Master Oru's challenge of all eighteen; with the challenge's state,
// the best challenger, and a button to restart the challenge.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Apps/Common/ShellRef.h"
#include "Games/Dunmoro/DunmoroScreen.h"

namespace dunmoro {

// A board button's user value: the play mode above, the board below.
constexpr int BoardButtonValue(int mode, int board) { return (mode << 16) | board; }
constexpr int ModeOfButton(int value) { return value >> 16; }
constexpr int BoardOfButton(int value) { return value & 255; }

// Where a chosen board's number sits in the corner of its button: the left edge of the box's
// frame (two pixels wide) and the number's left, for a number `textWidth` pixels wide. Both
// relative to the button; the box reaches the button's right edge.
struct NumberLabel {
    int frameLeft;
    int textX;
};
NumberLabel PlaceNumberLabel(int textWidth);

class CModeScreen final : public CDunmoroScreen {
public:
    // `startPlay`: choosing deals at once (from a result box), else it returns to the title.
    CModeScreen(CDunmoroApplet& app, std::string player, bool startPlay);

    int OnBoardButton(intptr_t* args);
    int RestartChallenge(intptr_t* args);

private:
    ISurface* MakeBoardButton(int mode, int board, int x, int y);
    void DrawChallengePanel();

    std::vector<AttachedSurface> buttons_;
    bool startPlay_;
    std::string player_;
};

}  // namespace dunmoro
