#include "Apps/Brisquet/BrisquetBoard.h"

#include <utility>

namespace brisquet {

namespace {

BubbleRules Rules() {
    BubbleRules rules;
    for (int kind = 1; kind <= kMaxKinds; ++kind) rules.poppable |= BubbleKindBit(kind);
    rules.alwaysMovable = BubbleKindBit(kBlackKind);
    return rules;
}

}  // namespace

BrisquetBoard::BrisquetBoard(Level level, int screen)
    : level_(std::move(level)), screen_(screen), grid_(level_.width, level_.height) {
    Restart();
}

void BrisquetBoard::Restart() {
    grid_.Clear();
    for (int r = 0; r < level_.height; ++r) {
        for (int c = 0; c < level_.width; ++c) grid_.Set(c, r, level_.At(c, r));
    }
}

ClickOutcome BrisquetBoard::Click(int column, int row) {
    ClickOutcome outcome;
    if (!grid_.Settled(column, row) || Popping(column, row)) return outcome;
    if (grid_.At(column, row) == kBlackKind) {
        outcome.result = ClickResult::Blasted;
        outcome.popping = BlastAround(column, row);
        return outcome;
    }
    outcome.popping = grid_.MarkGroup(column, row, Rules());
    outcome.result = outcome.popping.empty() ? ClickResult::NoMove : ClickResult::GroupPopped;
    return outcome;
}

std::vector<BubbleCell> BrisquetBoard::BlastAround(int column, int row) {
    std::vector<BubbleCell> cells;
    for (int c = column - 1; c <= column + 1; ++c) {
        for (int r = row - 1; r <= row + 1; ++r) {
            cells.push_back({c, r});
        }
    }
    return grid_.MarkCells(cells);
}

std::vector<BubbleFall> BrisquetBoard::EndPop() {
    std::vector<BubbleCell> gone;
    for (int c = 0; c < grid_.Width(); ++c) {
        for (int r = 0; r < grid_.Height(); ++r) {
            if (grid_.Popping(c, r)) gone.push_back({c, r});
        }
    }
    grid_.Remove(gone);
    return grid_.Settle();
}

ScreenState BrisquetBoard::CheckBoardState() const {
    switch (grid_.Evaluate(Rules())) {
    case BubbleBoardState::Playing: return ScreenState::Playing;
    case BubbleBoardState::DeadEnd: return ScreenState::DeadEnd;
    case BubbleBoardState::Solved: break;
    }
    if (screen_ >= kScreenCount) return ScreenState::GameWon;
    if (screen_ == 10 || screen_ == 20) return ScreenState::Promotion;
    return ScreenState::KeepGoing;
}

std::vector<std::string> KeepGoingLines(int screen) {
    const int left = kScreenCount - screen;
    return {"So, you made it", "past screen " + std::to_string(screen) + ".", "Very good, but ...",
            "Can you beat the", left == 1 ? "last screen?" : "other " + std::to_string(left) + " screens?"};
}

}  // namespace brisquet
