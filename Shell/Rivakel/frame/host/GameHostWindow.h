// What the game host needs of the shell window: the two surfaces handed to a game, what the
// game's services object does for it, and the window title.
#pragma once

#include <string_view>

class CSurface;
class ShellWindowLink;

class GameHostWindow {
public:
    virtual ~GameHostWindow() = default;
    // The 500 x 420 game area and the page surface; both stay owned by the shell window.
    virtual CSurface* GameArea() = 0;
    virtual CSurface* PageArea() = 0;
    // Stop mode, menu, boxes and mail for the running game; may be null.
    virtual ShellWindowLink* ServicesLink() = 0;
    virtual void SetTitle(std::string_view title) = 0;

protected:
    GameHostWindow() = default;
    GameHostWindow(const GameHostWindow&) = default;
    GameHostWindow& operator=(const GameHostWindow&) = default;
};
