// The play screen's bookkeeping apart from anything drawn: which puzzle is up, what a replay or a
// skip costs, what the player's counters and "Level" become after each choice. The screen turns
// each Effect into settings writes, score changes and the celebration.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "Apps/Brisquet2/DifficultyTable.h"

namespace brisquet2 {

enum class PuzzleMode { Challenge, Random, Chosen };
enum class PuzzleOutcome { Playing, Solved, Failed };

// The bands of random puzzles: Easy, Medium and Hard each draw from 16666 numbers.
inline constexpr int kRandomBand = 16666;
// Mode arguments from 65536 up carry a chosen number in their low 16 bits.
inline constexpr int kChosenModeBit = 0x10000;

// What a step asks of the screen.
struct SessionEffect {
    int points = 0;                 // added to the challenge score (negative for a cost)
    std::optional<int> level;       // written to the player's "Level"
    int attempts = 0;               // added to "RandomAttempted"
    int solved = 0;                 // added to "RandomSolved"
    bool celebrate = false;         // the whole challenge is done
    bool endCelebration = false;
    bool refused = false;           // nothing happened (a skip past the last puzzle)
    friend bool operator==(const SessionEffect&, const SessionEffect&) = default;
};

// "Level" as stored, held to the challenge's puzzles (anything unreadable is puzzle 1).
int ClampLevel(int stored);
// The number typed into the prompt, when it is one of 1 to 50000.
std::optional<int> ParsePuzzleNumber(std::string_view text);

class CPuzzleSession {
public:
    // `mode`: 150 or less the challenge (at `storedLevel`), 151 to 65535 a random puzzle of
    // difficulty mode / 256 (1 Easy, 2 Medium, 3 Hard; others held to that range), 65536 and
    // above the chosen number mode & 0xFFFF.
    CPuzzleSession(int mode, int storedLevel, const std::function<int()>& rand);

    PuzzleMode Mode() const { return mode_; }
    bool IsChallenge() const { return mode_ == PuzzleMode::Challenge; }
    int Number() const { return number_; }
    PuzzleOutcome Outcome() const { return outcome_; }
    const DifficultyRecord& Record() const { return RecordFor(number_, IsChallenge()); }
    std::string_view DifficultyName() const;
    int ReplayCost() const { return Record().points / 10; }
    int SkipCost() const { return Record().points / 4; }
    bool CanSkip() const { return IsChallenge() && number_ < kChallengePuzzles; }

    // The counters of the first puzzle.
    SessionEffect Started() const;
    // Pays the puzzle and stores the next one (or, after the last, the challenge's start).
    SessionEffect Solved();
    SessionEffect Failed();
    // The same puzzle again.
    SessionEffect Replay();
    // The next challenge puzzle; free after a solved one. Refused at the last puzzle.
    SessionEffect Skip();
    // A new random puzzle of the mode's difficulty (random mode only).
    SessionEffect Change(const std::function<int()>& rand);
    // A number from the prompt, 1 to 50000 (chosen-number mode only).
    SessionEffect Choose(int number);
    // Leaving for the title: a failure costs as a replay; after a solved puzzle the next one stays
    // stored, after the last one the challenge starts over.
    SessionEffect MainMenu();

private:
    int DrawRandom(const std::function<int()>& rand) const;

    PuzzleMode mode_;
    int difficulty_ = 1;
    int number_ = 1;
    PuzzleOutcome outcome_ = PuzzleOutcome::Playing;
};

}  // namespace brisquet2
