// The game's screens as a player sees them, whatever window shows them: its pixels in game-area
// coordinates, clicks there and the passing of time; which screen is up, told by what it draws,
// and where its buttons are.
#pragma once

#include <cstdint>

namespace dunmoro::test {

inline constexpr uint32_t kTableGreen = 0x339900;

class DunmoroView {
public:
    virtual ~DunmoroView() = default;

    virtual uint32_t Pixel(int x, int y) const = 0;
    virtual void Click(int x, int y) = 0;
    virtual void Wait(uint32_t ms) = 0;

    // Pixels of that colour in the rectangle [left, right) x [top, bottom).
    int Count(uint32_t colour, int left, int top, int right, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) count += Pixel(x, y) == colour ? 1 : 0;
        return count;
    }

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

protected:
    DunmoroView() = default;
    DunmoroView(const DunmoroView&) = default;
    DunmoroView& operator=(const DunmoroView&) = default;
};

}  // namespace dunmoro::test
