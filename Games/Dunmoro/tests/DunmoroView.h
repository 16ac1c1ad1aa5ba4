// The game's screens as a player sees them, whatever window shows them: which screen is up, told
// by what it draws, and where its buttons are.
#pragma once

#include <cstdint>

#include "harness/GameDriver.h"

namespace dunmoro::test {

inline constexpr uint32_t kTableGreen = 0x339900;

class DunmoroView : public virtual GameDriver {
public:
    bool OnTitle() const { return Count(0x000000, 120, 380, 370, 381) > 200; }
    bool OnModeScreen() const { return Pixel(22, 148) == 0x0000CC && Pixel(22 + 91, 148) == 0x0000CC; }
    bool OnPlay() const { return Count(0x000000, 281, 340, 490, 341) > 200; }
    bool ResultBoxUp() const { return Pixel(160, 164) == 0x0000CC && Pixel(163, 167) == 0x00CC00; }
    bool ChallengeWonUp() const { return Pixel(110, 110) == 0x0000CC && Pixel(113, 113) == 0x00CC00; }

    // Buttons, pressed a little inside their top-left corner.
    void StartTheGame() { Click(197, 355); }
    void ModeButton() { Click(49, 246); }
    void BoxFirstButton() { Click(160 + 75, 164 + 60); }
    void BoxSecondButton() { Click(160 + 75, 164 + 82); }
    void ClickToContinue() { Click(110 + 100, 110 + 186); }
    void Resign() { Click(110, 350); }

};

}  // namespace dunmoro::test
