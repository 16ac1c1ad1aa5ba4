// The bar of firework icons below the city: one 50-pixel cell per choice, each a small burst of
// its colour and kind in a button frame, the highlighted one framed in gold, and the small logo
// at the right.
#pragma once

#include <span>

#include "Apps/Glimtide/MemoryGame.h"

class IImage;
class ISurface;

namespace glimtide {

class CGlimtideApplet;

class CIconBar {
public:
    static constexpr int kWidth = 500;
    static constexpr int kHeight = 50;
    static constexpr int kCellWidth = 50;
    static constexpr int kTop = 340;

    // Attached to the game area at (0, 340) and drawn.
    CIconBar(CGlimtideApplet& game, std::span<const Choice> choices);
    ~CIconBar();
    CIconBar(const CIconBar&) = delete;
    CIconBar& operator=(const CIconBar&) = delete;

    ISurface* Surface() const { return surface_; }
    // The choice under (x, y) of the bar; -1 outside the bar or past the last choice.
    int ChoiceAt(int x, int y) const;
    // -1 for none; redraws the frames when the highlight changes.
    void Highlight(int choice);

private:
    void DrawIcon(int index, const Choice& choice);
    void DrawFrames();

    CGlimtideApplet& game_;
    int choices_;
    ISurface* surface_ = nullptr;
    IImage* image_ = nullptr;
    int highlighted_ = -1;
};

}  // namespace glimtide
