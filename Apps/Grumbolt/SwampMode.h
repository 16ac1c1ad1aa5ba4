// Which swamp is played and what comes after it: the challenge of 150 swamps, random swamps of
// one difficulty, or swamps picked by number. Points and the stored level live here too.
#pragma once

#include <optional>
#include <string_view>

namespace grumbolt {

enum class Difficulty { Easy = 1, Medium = 2, Hard = 3 };

// The title screen's hand-over value: 0 to 150 the challenge, 256 x d a random swamp of
// difficulty d, 65536 + n swamp number n.
inline constexpr int kRandomModeStep = 256;
inline constexpr int kNumberedMode = 65536;

std::string_view DifficultyName(Difficulty d);

// The stored "Level" as text; anything outside the challenge plays from its nearest end.
int LevelFromStored(std::string_view text);
// A typed swamp number, or nothing when it is not one of 1 to 50000.
std::optional<int> ParseSwampNumber(std::string_view typed);

class SwampMode {
public:
    enum class Kind { Challenge, Random, Numbered };
    enum class After { NextSwamp, AskNumber, Title };

    // `level` is the player's stored level, used in the challenge; `draw` is a fresh Rand().
    SwampMode(int mode, int level, int draw);

    Kind GetKind() const { return kind_; }
    bool IsChallenge() const { return kind_ == Kind::Challenge; }
    int Number() const { return number_; }
    Difficulty Shown() const;

    // After a solved swamp; the challenge's level to store is Number() (1 after swamp 150).
    After Solved(int draw);
    // Skip in the challenge; false on the last swamp.
    bool Skip();
    // Change of a random swamp: another of the same difficulty.
    void ChangeRandom(int draw);
    // A number from ParseSwampNumber.
    void Pick(int number) { number_ = number; }

private:
    int DrawNumber(int draw) const;

    Kind kind_;
    Difficulty difficulty_ = Difficulty::Easy;
    int number_ = 1;
};

// What leaving a swamp early or being stuck costs in the challenge.
int StuckCost(int pointFactor, int frogsAtStart);
int SkipCost(int pointFactor, int frogsAtStart);

}  // namespace grumbolt
