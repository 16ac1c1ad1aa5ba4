#include "Apps/Pennimar/FieldPainter.h"

#include <algorithm>

#include "Apps/Pennimar/PennimarApplet.h"
#include "frame/api/IImage.h"

namespace pennimar {
namespace {

constexpr int kTile = 32;
// Tiles line up with the top of the field's earth, just under the status bar.
constexpr int kTileOriginY = 50;
constexpr int kCell = 4;

int FloorTo(int value, int step) { return value >= 0 ? value / step * step : -((-value + step - 1) / step) * step; }

}  // namespace

CFieldPainter::CFieldPainter(IImage* canvas, const CPennimarApplet& game)
    : canvas_(canvas),
      earth_(game.GetPicture(Picture::Earth)),
      grass_(game.GetPicture(Picture::Grass)),
      fence_(game.GetPicture(Picture::Fence)) {}

void CFieldPainter::Tile(IImage* tile, const FieldRect& area) {
    if (canvas_ == nullptr || tile == nullptr) return;
    for (int y = FloorTo(area.top - kTileOriginY, kTile) + kTileOriginY; y < area.bottom; y += kTile) {
        for (int x = FloorTo(area.left, kTile); x < area.right; x += kTile) {
            const int dst[4] = {std::max(x, area.left), std::max(y, area.top), std::min(x + kTile, area.right),
                                std::min(y + kTile, area.bottom)};
            const int src[4] = {dst[0] - x, dst[1] - y, dst[2] - x, dst[3] - y};
            canvas_->Draw(dst, tile, src);
        }
    }
}

void CFieldPainter::Earth(const FieldRect& area) { Tile(earth_, area); }

void CFieldPainter::Grass(const FieldRect& area) { Tile(grass_, area); }

void CFieldPainter::Cell(int cell, int x, int y) {
    if (canvas_ == nullptr || fence_ == nullptr) return;
    const int dst[4] = {x - kCell / 2, y - kCell / 2, x + kCell / 2, y + kCell / 2};
    const int src[4] = {cell * kCell, 0, cell * kCell + kCell, kCell};
    canvas_->Draw(dst, fence_, src);
}

void CFieldPainter::Piece(FieldPoint from, FieldPoint to) {
    const FenceSegment s = FenceSegment::Make(from, to, 0);
    if (s.horizontal)
        for (int x = s.minX; x <= s.maxX; x += kCell) Cell(0, x, s.y1);
    else
        for (int y = s.minY; y <= s.maxY; y += kCell) Cell(1, s.x1, y);
}

void CFieldPainter::Corner(FieldPoint at, int cell) {
    if (cell >= 2) Cell(cell, at.x, at.y);
}

void CFieldPainter::Fences(std::span<const FenceSegment> pieces, bool closed) {
    for (const FenceSegment& s : pieces) Piece(s.Start(), s.End());
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i == 0 && !closed) continue;
        const FenceSegment& before = pieces[i == 0 ? pieces.size() - 1 : i - 1];
        Corner(pieces[i].Start(), CornerCell(DirectionOf(before), DirectionOf(pieces[i])));
    }
}

}  // namespace pennimar
