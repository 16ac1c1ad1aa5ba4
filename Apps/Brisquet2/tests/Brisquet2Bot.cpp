#include "Apps/Brisquet2/tests/Brisquet2Bot.h"

#include <array>

#include "Apps/Brisquet2/Puzzle.h"
#include "Apps/Brisquet2/tests/ClearingPlanner.h"

namespace brisquet2::test {
namespace {

// The body colour of each kind as the game shows it, and the glass ring of the transparent one.
constexpr std::array<uint32_t, 4> kBodies = {0xCC9933, 0xB4BAC4, 0x4CB848, 0xCC66FF};
constexpr uint32_t kGlassRing = 0xA9DCEB;
constexpr int kBodyPixels = 60;
constexpr int kRingPixels = 20;

int CellX(int column) { return 10 + 32 * column; }
int CellY(int row) { return 12 + 32 * row; }

}  // namespace

CBubbleBoard Brisquet2Bot::ReadBoard() const {
    CBubbleBoard board(kBoardColumns, kBoardRows);
    for (int c = 0; c < kBoardColumns; ++c) {
        for (int r = 0; r < kBoardRows; ++r) {
            const int x = CellX(c), y = CellY(r);
            for (size_t kind = 0; kind < kBodies.size(); ++kind)
                if (driver_.Count(kBodies[kind], x + 6, y + 8, x + 26, y + 28) >= kBodyPixels)
                    board.Set(c, r, static_cast<int>(kind) + 1);
            if (board.At(c, r) == CBubbleBoard::kEmpty && driver_.Count(kGlassRing, x, y, x + 32, y + 32) >= kRingPixels)
                board.Set(c, r, kTransparentKind);
        }
    }
    return board;
}

void Brisquet2Bot::ClickCell(const BubbleCell& cell) {
    driver_.Click(CellX(cell.column) + 16, CellY(cell.row) + 18);
    driver_.Wait(kSettleMs);
}

bool Brisquet2Bot::Play(const std::vector<BubbleCell>& clicks, CBubbleBoard model, std::string* error) {
    for (size_t i = 0; i < clicks.size(); ++i) {
        const BubbleCell& cell = clicks[i];
        ClickCell(cell);
        model.PopNow(cell.column, cell.row, kBrisquet2Rules);
        // The last pop brings up a panel over the board.
        if (i + 1 < clicks.size() && ReadBoard().Cells() != model.Cells()) {
            *error = "after click " + std::to_string(i) + " at (" + std::to_string(cell.column) + ", " +
                     std::to_string(cell.row) + ") the screen differs from the model";
            return false;
        }
    }
    return true;
}

bool Brisquet2Bot::Solve(std::string* error) {
    const CBubbleBoard board = ReadBoard();
    const std::optional<std::vector<BubbleCell>> plan = PlanClearing(board);
    if (!plan) {
        *error = "no clearing order found";
        return false;
    }
    return Play(*plan, board, error);
}

bool Brisquet2Bot::PlayIntoDeadEnd(std::string* error) {
    const CBubbleBoard board = ReadBoard();
    const std::optional<std::vector<BubbleCell>> plan = PlanDeadEnd(board);
    if (!plan) {
        *error = "no dead-end order found";
        return false;
    }
    return Play(*plan, board, error);
}

}  // namespace brisquet2::test
