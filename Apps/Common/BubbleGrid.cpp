#include "Apps/Common/BubbleGrid.h"

#include <algorithm>

#include "Apps/Common/BubbleEffects.h"
#include "Apps/Common/BubbleSprite.h"
#include "frame/api/IImage.h"

CBubbleGrid::CBubbleGrid(IShellFactory& factory, ISurface& gameArea, CBubbleBoard& board, BubbleKindArt art,
                         const BubbleViewStyle& style, IBubbleGridEvents& events, const std::function<int()>& rand)
    : factory_(factory), gameArea_(gameArea), board_(board), art_(art), style_(style), events_(events) {
    for (int c = 0; c < board.Width(); ++c) {
        for (int r = 0; r < board.Height(); ++r) {
            const int kind = board.At(c, r);
            if (kind < 1 || static_cast<size_t>(kind) > art.idle.size()) continue;
            const int firstIdle = style.idleMs > 0 ? rand() % style.idleMs : 0;
            sprites_[c][r] = std::make_unique<CBubbleSprite>(*this, art.idle[static_cast<size_t>(kind - 1)], kind, c, r,
                                                             style.idleMs, firstIdle);
        }
    }
}

CBubbleGrid::~CBubbleGrid() {
    pops_.clear();
    falls_.clear();
    for (Column& column : sprites_)
        for (auto& sprite : column) sprite.reset();
}

IImageSeq* CBubbleGrid::PopSequence(int kind) const {
    return kind >= 1 && static_cast<size_t>(kind) <= art_.pop.size() ? art_.pop[static_cast<size_t>(kind - 1)] : nullptr;
}

CBubbleSprite* CBubbleGrid::Sprite(int column, int row) const {
    return board_.Inside(column, row) ? sprites_[column][row].get() : nullptr;
}

std::optional<BubbleCell> CBubbleGrid::SpriteAt(int x, int y) const {
    if (x < style_.originX || y < style_.originY) return std::nullopt;
    const BubbleCell cell{(x - style_.originX) / kCell, (y - style_.originY) / kCell};
    if (!board_.Inside(cell.column, cell.row) || Sprite(cell.column, cell.row) == nullptr) return std::nullopt;
    return cell;
}

void CBubbleGrid::Clicked(const CBubbleSprite& sprite) { events_.OnBubbleClicked(sprite.Column(), sprite.Row()); }

int CBubbleGrid::FloodMark(int column, int row, const BubbleRules& rules) {
    std::vector<BubbleCell> group = board_.MarkGroup(column, row, rules);
    if (group.empty()) return 0;
    const int count = static_cast<int>(group.size());
    PopMarked(std::move(group));
    return count;
}

void CBubbleGrid::PopMarked(std::vector<BubbleCell> cells) {
    if (cells.empty()) return;
    pops_.push_back(std::make_unique<CPopEffect>(*this, std::move(cells)));
}

void CBubbleGrid::FinishPop(CPopEffect* effect) {
    const auto found = std::find_if(pops_.begin(), pops_.end(), [&](const auto& e) { return e.get() == effect; });
    if (found == pops_.end()) return;
    const std::vector<BubbleCell> cells = (*found)->Cells();
    // Its timer is the one calling: it goes with the effect, which touches nothing afterwards.
    pops_.erase(found);
    for (const BubbleCell& cell : cells) sprites_[cell.column][cell.row].reset();
    board_.Remove(cells);
    ApplyGravity();
    events_.OnBoardChanged();
}

void CBubbleGrid::FinishFall(CFallEffect* effect) {
    const auto found = std::find_if(falls_.begin(), falls_.end(), [&](const auto& e) { return e.get() == effect; });
    if (found == falls_.end()) return;
    falls_.erase(found);
    events_.OnBoardChanged();
}

void CBubbleGrid::ApplyGravity() {
    const std::vector<BubbleFall> falls = board_.Settle();
    if (falls.empty()) return;
    auto effect = std::make_unique<CFallEffect>(*this);
    for (const BubbleFall& fall : falls) {
        std::unique_ptr<CBubbleSprite>& from = sprites_[fall.column][fall.fromRow];
        if (from == nullptr) continue;
        // A bubble still falling from an earlier pop goes on further with this fall.
        for (const auto& running : falls_) running->Drop(*from);
        from->SetCell(fall.column, fall.toRow);
        effect->Add(*from);
        sprites_[fall.column][fall.toRow] = std::move(from);
    }
    effect->Start();
    falls_.push_back(std::move(effect));
}

void BlitStripCell(IImage* strip, int cellIndex, IImage* canvas, int x, int y) {
    constexpr int kStripCell = 16;
    if (strip == nullptr || canvas == nullptr || cellIndex < 0) return;
    const int source[4] = {cellIndex * kStripCell, 0, cellIndex * kStripCell + kStripCell, kStripCell};
    const int destination[4] = {x, y, x + kStripCell, y + kStripCell};
    canvas->Draw(destination, strip, source);
}
