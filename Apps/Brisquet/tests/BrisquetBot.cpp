#include "Apps/Brisquet/tests/BrisquetBot.h"

#include <algorithm>
#include <array>
#include <optional>

#include "Apps/Brisquet/LevelFile.h"
#include "Apps/Brisquet/tests/BrisquetSolver.h"
#include "Apps/Brisquet/tests/BrisquetView.h"
#include "Apps/Common/ModuleRandom.h"

namespace brisquet::test {
namespace {

// The body colour of each kind as the game draws it: red, blue, yellow, green, black, white.
constexpr std::array<uint32_t, 6> kBodies = {0xEE3B44, 0x3A8CF2, 0xFFD43A, 0x44C84C, 0x2C303C, 0xEEF3FF};
constexpr int kBodyPixels = 60;
// A pop shows 200 ms (its flash may stand still), and its timer ticks every 30 ms; falling
// bubbles move every 20 ms.
constexpr uint32_t kPopMs = 250;
constexpr uint32_t kPollMs = 100;
constexpr uint32_t kLongestMs = 4000;

// A fingerprint of the board's area, to tell when nothing moves any more.
std::vector<uint32_t> BoardPixels(const GameAreaFrame& frame) {
    std::vector<uint32_t> pixels;
    for (int y = CellY(0); y < CellY(kMaxRows); y += 2)
        for (int x = CellX(0); x < CellX(kMaxColumns); x += 2) pixels.push_back(frame.Pixel(x, y));
    return pixels;
}

bool HasBubbles(const CBubbleBoard& board) {
    const std::vector<int> cells = board.Cells();
    return std::any_of(cells.begin(), cells.end(), [](int kind) { return kind != CBubbleBoard::kEmpty; });
}

// Clicks at random until nothing can go; a few hundred tries, the same on every run.
std::optional<std::vector<BubbleCell>> FindDeadEnd(const CBubbleBoard& start) {
    ModuleRandom random;
    for (int attempt = 0; attempt < 500; ++attempt) {
        CBubbleBoard board = start;
        std::vector<BubbleCell> clicks;
        for (std::vector<BubbleCell> moves = BrisquetSolver::Moves(board); !moves.empty();
             moves = BrisquetSolver::Moves(board)) {
            clicks.push_back(moves[static_cast<size_t>(random.Next()) % moves.size()]);
            BrisquetSolver::Play(board, clicks.back());
        }
        if (HasBubbles(board)) return clicks;
    }
    return std::nullopt;
}

}  // namespace

CBubbleBoard BrisquetBot::ReadBoard() const {
    const GameAreaFrame frame = driver_.Presented();
    CBubbleBoard board(kMaxColumns, kMaxRows);
    for (int c = 0; c < kMaxColumns; ++c) {
        for (int r = 0; r < kMaxRows; ++r) {
            std::array<int, kBodies.size()> counts{};
            for (int y = CellY(r) + 4; y < CellY(r) + 28; ++y)
                for (int x = CellX(c) + 4; x < CellX(c) + 28; ++x)
                    for (size_t k = 0; k < kBodies.size(); ++k) counts[k] += frame.Pixel(x, y) == kBodies[k];
            for (size_t k = 0; k < kBodies.size(); ++k)
                if (counts[k] >= kBodyPixels) board.Set(c, r, static_cast<int>(k) + 1);
        }
    }
    return board;
}

void BrisquetBot::WaitStill() {
    driver_.Wait(kPopMs);
    std::vector<uint32_t> last = BoardPixels(driver_.Presented());
    for (uint32_t waited = 0; waited < kLongestMs; waited += kPollMs) {
        driver_.Wait(kPollMs);
        std::vector<uint32_t> now = BoardPixels(driver_.Presented());
        if (now == last) return;
        last = std::move(now);
    }
}

void BrisquetBot::ClickCell(const BubbleCell& cell) {
    driver_.Click(CellX(cell.column) + 16, CellY(cell.row) + 16);
    WaitStill();
}

bool BrisquetBot::Play(const std::vector<BubbleCell>& clicks, CBubbleBoard model, std::string* error) {
    for (size_t i = 0; i < clicks.size(); ++i) {
        const BubbleCell& cell = clicks[i];
        ClickCell(cell);
        BrisquetSolver::Play(model, cell);
        // The last click may bring up another screen.
        if (i + 1 < clicks.size() && ReadBoard().Cells() != model.Cells()) {
            *error = "after click " + std::to_string(i) + " at (" + std::to_string(cell.column) + ", " +
                     std::to_string(cell.row) + ") the screen differs from the model";
            return false;
        }
    }
    return true;
}

bool BrisquetBot::Clear(std::string* error) {
    const CBubbleBoard board = ReadBoard();
    BrisquetSolver solver;
    const std::optional<std::vector<BubbleCell>> plan = solver.Solve(board);
    if (!plan) {
        *error = "no clearing order found";
        return false;
    }
    return Play(*plan, board, error);
}

bool BrisquetBot::PlayIntoDeadEnd(std::string* error) {
    const CBubbleBoard board = ReadBoard();
    const std::optional<std::vector<BubbleCell>> clicks = FindDeadEnd(board);
    if (!clicks) {
        *error = "no dead end found";
        return false;
    }
    return Play(*clicks, board, error);
}

}  // namespace brisquet::test
