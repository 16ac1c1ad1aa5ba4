// Making puzzles: every challenge number and 1,000 random ones, with the mean, p99 and worst time
// of one puzzle and how many runs the worst number needed; and the model's share of a pop with
// its fall on a full board.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "Apps/Brisquet2/Puzzle.h"
#include "Apps/Common/ModuleRandom.h"

namespace {

using namespace brisquet2;

ShellRandom Shell(ModuleRandom& generator) {
    return {[&generator](int seed) { generator.Seed(static_cast<uint32_t>(seed)); }, [&generator] { return generator.Next(); }};
}

void BM_MakePuzzles(benchmark::State& state) {
    ModuleRandom generator;
    ModuleRandom picker;
    std::vector<std::pair<int, bool>> numbers;
    for (int n = 1; n <= 150; ++n) numbers.emplace_back(n, true);
    for (int i = 0; i < 1000; ++i) numbers.emplace_back((picker.Next() * 32768 + picker.Next()) % 50000 + 1, false);
    std::vector<double> times;
    int mostRounds = 0;
    for (auto _ : state) {
        times.clear();
        for (const auto& [number, challenge] : numbers) {
            const auto start = std::chrono::steady_clock::now();
            const Puzzle puzzle = MakePuzzle(number, challenge, Shell(generator));
            times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            mostRounds = std::max(mostRounds, puzzle.rounds);
            benchmark::DoNotOptimize(puzzle);
        }
    }
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (const double t : times) sum += t;
    state.counters["mean_ms"] = sum / static_cast<double>(times.size());
    state.counters["p99_ms"] = times[times.size() * 99 / 100];
    state.counters["max_ms"] = times.back();
    state.counters["most_runs"] = mostRounds;
}

void BM_PopAndFall(benchmark::State& state) {
    ModuleRandom generator;
    const Puzzle puzzle = MakePuzzle(77, true, Shell(generator));
    for (auto _ : state) {
        CBubbleBoard board = puzzle.board;
        // Pop the bottom-left group and let the board settle, as one 20 ms tick of the view would.
        board.PopNow(0, kBoardRows - 1, kBrisquet2Rules);
        benchmark::DoNotOptimize(board.Evaluate(kBrisquet2Rules));
    }
}

BENCHMARK(BM_MakePuzzles)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PopAndFall)->Unit(benchmark::kMicrosecond);

}  // namespace
