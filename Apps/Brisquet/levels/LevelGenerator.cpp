// Writes the thirty level texts "p-Level1.dat" to "p-Level30.dat" into a folder:
//
//   brisquet_level_generator <folder>
//
// Each screen is drawn from a seeded generator until a board turns up that the solver clears and
// whose share of planless click orders that dead-end is nearest the screen's target; the targets
// rise from screen to screen. Beginner boards have three colours and fewer rows, Intermediate
// four colours, Advanced four colours and black bubbles that the board cannot be cleared without.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "Apps/Brisquet/BrisquetBoard.h"
#include "Apps/Brisquet/tests/BrisquetSolver.h"

namespace brisquet {
namespace {

constexpr int kTries = 200;  // random click orders per board
constexpr int kCandidates = 16;
// A board the solver needs more boards than this for is passed over, which also keeps the level
// tests quick.
constexpr size_t kSolverLimit = 4000;

constexpr std::array<const char*, kScreenCount> kNames = {
    "First Fizz",      "Soap Suds",        "Pop Goes Red",     "Bubble Bath",     "Three's Company",
    "Stack Attack",    "Fizzy Lift",       "Rainbow Rows",     "Sunny Side",      "Beginner's Luck",
    "Four Flavours",   "Tall Order",       "Green Room",       "Blue Moon",       "Patchwork",
    "Tangle",          "Split Decision",   "Chain Reaction",   "Crowded House",   "Middle Ground",
    "Black Magic",     "Short Fuse",       "Dark Horse",       "Blast Radius",    "Night Shift",
    "Pressure Point",  "Powder Keg",       "Eclipse",          "Last Call",       "Grand Finale"};

constexpr std::array<const char*, kMaxKinds> kColours = {"red", "blue", "yellow", "green", "black", "white"};
constexpr std::array<const char*, kMaxKinds> kPictures = {"p-img-bblred.gif",   "p-img-bblblue.gif",
                                                          "p-img-bblyellow.gif", "p-img-bblgreen.gif",
                                                          "p-img-bblblack.gif", "p-img-bblwhite.gif"};

struct ScreenPlan {
    int colours;      // the kinds that fill the board
    int rows;
    int blacks;       // black bubbles; with them comes one bubble of the next kind, which only a blast clears
    double clumping;  // the chance that a bubble takes a neighbour's colour
    double target;    // the dead-end share sought
};

ScreenPlan Plan(int screen) {
    const int step = (screen - 1) % 10;
    if (screen <= 10) return {3, 6 + step / 2, 0, 0.55 - 0.02 * step, 0.05 + 0.05 * step};
    if (screen <= 20) return {4, 10, 0, 0.5 - 0.015 * step, 0.6 + 0.035 * step};
    return {3, 10, 1 + step / 5, 0.5 - 0.015 * step, 0.95 + 0.004 * step};
}

CBubbleBoard Draw(const ScreenPlan& plan, std::mt19937& random) {
    CBubbleBoard board(kMaxColumns, kMaxRows);
    std::uniform_real_distribution<double> chance(0, 1);
    const int top = kMaxRows - plan.rows;
    for (int r = top; r < kMaxRows; ++r) {
        for (int c = 0; c < kMaxColumns; ++c) {
            int kind = 1 + static_cast<int>(random() % static_cast<unsigned>(plan.colours));
            if (chance(random) < plan.clumping) {
                if (c > 0 && (r == top || random() % 2 == 0)) kind = board.At(c - 1, r);
                else if (r > top) kind = board.At(c, r - 1);
            }
            board.Set(c, r, kind);
        }
    }
    const auto anywhere = [&] { return BubbleCell{static_cast<int>(random() % kMaxColumns), top + static_cast<int>(random() % plan.rows)}; };
    if (plan.blacks > 0) {
        const BubbleCell lone = anywhere();
        board.Set(lone.column, lone.row, plan.colours + 1);
    }
    for (int i = 0; i < plan.blacks; ++i) {
        const BubbleCell black = anywhere();
        board.Set(black.column, black.row, kBlackKind);
    }
    return board;
}

// No colour fills much more than its fair share, so a board is not one big group.
bool Balanced(const CBubbleBoard& board, const ScreenPlan& plan) {
    std::array<int, kMaxKinds + 1> counts{};
    int bubbles = 0;
    for (const int kind : board.Cells()) {
        ++counts[static_cast<size_t>(kind)];
        bubbles += kind != 0 ? 1 : 0;
    }
    const int most = *std::max_element(counts.begin() + 1, counts.end());
    return most * plan.colours * 10 <= bubbles * 13;
}

struct Choice {
    CBubbleBoard board{kMaxColumns, kMaxRows};
    std::vector<BubbleCell> plan;
    double share = 0;
};

std::optional<Choice> Design(int screen) {
    const ScreenPlan plan = Plan(screen);
    std::mt19937 random(static_cast<unsigned>(1000 + screen));
    std::optional<Choice> best;
    int drawn = 0;
    for (int found = 0; found < kCandidates && drawn < 20000; ++drawn) {
        CBubbleBoard board = Draw(plan, random);
        if (!Balanced(board, plan)) continue;
        BrisquetSolver solver(kSolverLimit);
        std::optional<std::vector<BubbleCell>> clicks = solver.Solve(board);
        if (!clicks || (plan.blacks > 0 && !NeedsBlackBubbles(board, kSolverLimit))) continue;
        ++found;
        const double share = DeadEndShare(board, kTries, static_cast<uint32_t>(screen));
        if (!best || std::abs(share - plan.target) < std::abs(best->share - plan.target))
            best = Choice{board, std::move(*clicks), share};
    }
    std::fprintf(stderr, "screen %2d: %d boards drawn\n", screen, drawn);
    if (best) {
        // The colours change places from screen to screen; the puzzle stays the same.
        std::vector<int> colours(static_cast<size_t>(plan.colours));
        std::iota(colours.begin(), colours.end(), 1);
        std::shuffle(colours.begin(), colours.end(), random);
        for (int c = 0; c < kMaxColumns; ++c)
            for (int r = 0; r < kMaxRows; ++r)
                if (const int kind = best->board.At(c, r); kind >= 1 && kind <= plan.colours)
                    best->board.Set(c, r, colours[static_cast<size_t>(kind - 1)]);
    }
    return best;
}

std::vector<std::string> Hints(int screen, const Choice& choice) {
    const BubbleCell first = choice.plan.front();
    const int kind = choice.board.At(first.column, first.row);
    std::vector<std::string> hints = {
        std::string("Try the ") + kColours[static_cast<size_t>(kind - 1)] + (kind == kBlackKind ? " bubble" : " group"),
        "in column " + std::to_string(first.column + 1) + " first.",
        "It can be done in " + std::to_string(choice.plan.size()) + " clicks.", ""};
    if (screen <= 10) {
        hints.insert(hints.end(), {"Big groups can wait: they", "grow as the others pop."});
    } else if (screen <= 20) {
        hints.insert(hints.end(), {"Look for lone bubbles and", "pop what keeps them apart."});
    } else {
        hints.insert(hints.end(), {"The green bubble is alone:", "only a blast can pop it."});
    }
    return hints;
}

std::string Text(int screen, const Choice& choice) {
    int kinds = 0;
    for (const int kind : choice.board.Cells()) kinds = std::max(kinds, kind);
    std::string text = "\"" + std::string(kNames[static_cast<size_t>(screen - 1)]) + "\"\n";
    for (const std::string& hint : Hints(screen, choice)) text += "\"" + hint + "\"\n";
    text += "\"EndSection\"\n// Width, height\n8, 10\n// Kinds, then their pictures\n" + std::to_string(kinds) + "\n";
    for (int k = 0; k < kinds; ++k) text += "\"" + std::string(kPictures[static_cast<size_t>(k)]) + "\"\n";
    text += "// The bubbles, row by row from the top (0: none)\n";
    for (int r = 0; r < kMaxRows; ++r) {
        for (int c = 0; c < kMaxColumns; ++c) text += std::to_string(choice.board.At(c, r)) + (c + 1 < kMaxColumns ? "," : "\n");
    }
    return text;
}

}  // namespace
}  // namespace brisquet

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) return std::fprintf(stderr, "usage: %s <folder> [screen]\n", argv[0]), 2;
    const int only = argc == 3 ? std::atoi(argv[2]) : 0;
    for (int band = 0; band < brisquet::kScreenCount / 10; ++band) {
        std::vector<brisquet::Choice> choices;
        for (int screen = band * 10 + 1; screen <= band * 10 + 10; ++screen) {
            if (only != 0 && screen != only) continue;
            std::optional<brisquet::Choice> choice = brisquet::Design(screen);
            if (!choice) return std::fprintf(stderr, "screen %d: no board found\n", screen), 1;
            choices.push_back(std::move(*choice));
        }
        // Within a band the screens come easiest first.
        std::stable_sort(choices.begin(), choices.end(), [](const auto& a, const auto& b) { return a.share < b.share; });
        for (size_t i = 0; i < choices.size(); ++i) {
            const int screen = only != 0 ? only : band * 10 + 1 + static_cast<int>(i);
            std::ofstream(std::string(argv[1]) + "/" + brisquet::LevelFileName(screen), std::ios::binary)
                << brisquet::Text(screen, choices[i]);
            std::fprintf(stderr, "screen %2d: dead-end share %.3f, %zu clicks\n", screen, choices[i].share,
                         choices[i].plan.size());
        }
    }
    return 0;
}
