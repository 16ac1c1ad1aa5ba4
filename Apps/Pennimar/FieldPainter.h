// Paints the field on the game area: earth and grass tiled from the field's corner, and fences as
// runs of 4 x 4 cells of the fence strip centred on their lines, with a corner cell at each turn.
#pragma once

#include <span>

#include "Apps/Pennimar/FenceField.h"

class IImage;

namespace pennimar {

class CPennimarApplet;

class CFieldPainter {
public:
    // Draws nothing when the canvas is missing; skips what a missing picture would draw.
    CFieldPainter(IImage* canvas, const CPennimarApplet& game);

    void Earth(const FieldRect& area);
    void Grass(const FieldRect& area);
    // The pieces run head to tail; a closed run turns at its first point too.
    void Fences(std::span<const FenceSegment> pieces, bool closed);
    void Piece(FieldPoint from, FieldPoint to);
    void Corner(FieldPoint at, int cell);

private:
    void Tile(IImage* tile, const FieldRect& area);
    void Cell(int cell, int x, int y);

    IImage* canvas_;
    IImage* earth_;
    IImage* grass_;
    IImage* fence_;
};

}  // namespace pennimar
