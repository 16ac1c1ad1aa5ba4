// A play session driven by stored and typed text of any kind: the mode argument, the stored
// "Level" and the prompt's numbers come from the input, then a run of choices. The puzzle up is
// always one the generator can make, a stored level is always a challenge puzzle, and the board
// made for the last number is full.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Apps/Brisquet2/Puzzle.h"
#include "Apps/Brisquet2/PuzzleSession.h"
#include "Apps/Common/DecimalText.h"
#include "Apps/Common/ModuleRandom.h"

using namespace brisquet2;

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

void CheckEffect(const SessionEffect& effect) {
    if (effect.level) Check(*effect.level >= 1 && *effect.level <= kChallengePuzzles);
    Check(effect.attempts >= 0 && effect.attempts <= 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const size_t split = text.find('\n');
    const std::string_view head = text.substr(0, split);
    const std::string_view tail = split == std::string_view::npos ? std::string_view{} : text.substr(split + 1);
    const size_t blank = head.find(' ');
    const int mode = ParseDecimal(head.substr(0, blank));
    const int level = blank == std::string_view::npos ? 0 : ParseDecimal(head.substr(blank + 1));

    ModuleRandom generator;
    generator.Seed(static_cast<uint32_t>(size));
    const auto rand = [&] { return generator.Next(); };
    CPuzzleSession session(mode, ClampLevel(level), rand);
    CheckEffect(session.Started());
    for (size_t i = 0; i < tail.size() && i < 64; ++i) {
        switch (tail[i] % 8) {
            case 0: CheckEffect(session.Solved()); break;
            case 1: CheckEffect(session.Failed()); break;
            case 2: CheckEffect(session.Replay()); break;
            case 3: CheckEffect(session.Skip()); break;
            case 4: CheckEffect(session.Change(rand)); break;
            case 5: CheckEffect(session.MainMenu()); break;
            case 6:
                if (const auto number = ParsePuzzleNumber(tail.substr(i + 1, 8))) CheckEffect(session.Choose(*number));
                break;
            default: Check(session.Record().points > 0); break;
        }
        if (session.IsChallenge()) Check(session.Number() >= 1 && session.Number() <= kChallengePuzzles);
        else Check(session.Number() >= 0 && session.Number() <= kHighestPuzzle);
    }
    // A board costs milliseconds: one input in eight makes one.
    if (size % 8 != 0) return 0;
    const Puzzle puzzle = MakePuzzle(session.Number(), session.IsChallenge(),
                                     {[&](int seed) { generator.Seed(static_cast<uint32_t>(seed)); }, rand});
    int coloured = 0;
    for (const int kind : puzzle.board.Cells()) coloured += kind >= 1 && kind <= 4 ? 1 : 0;
    Check(coloured == 130);
    return 0;
}
