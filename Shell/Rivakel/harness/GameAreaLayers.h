// What the game has attached to the harness's game area, bottom to top, as a test or benchmark
// sees it without the shell's surfaces: each layer's place and size, where one of the game's own
// surfaces lies in the stack, and a layer moved as the game would move it.
#pragma once

#include <cstddef>

class CAppletHarness;
class ISurface;

struct GameAreaLayer {
    int x = 0, y = 0, width = 0, height = 0;
};

class GameAreaLayers {
public:
    explicit GameAreaLayers(const CAppletHarness& harness) : harness_(harness) {}

    size_t Count() const;
    GameAreaLayer At(size_t index) const;
    void MoveTo(size_t index, int x, int y) const;
    // The index of the game's surface among the layers (higher lies above); -1 when it is none of them.
    int PlaceOf(const ISurface* surface) const;

private:
    const CAppletHarness& harness_;
};
