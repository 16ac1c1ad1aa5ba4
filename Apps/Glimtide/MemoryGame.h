// The rules of the memory game, apart from anything drawn: the choices of a level, the sequence
// the mentor shows, the show's timing, the player's clicks, tries, replays and stages. The play
// screen turns what these report into fireworks, texts, panels and sounds.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "Apps/Glimtide/ColourTable.h"
#include "Apps/Glimtide/Particles.h"

namespace glimtide {

enum class Level { Easy = 0, Medium = 1, Hard = 2, Show = 3 };

struct Choice {
    Rgb colour;
    RocketKind kind = RocketKind::Ordinary;
    friend bool operator==(const Choice&, const Choice&) = default;
};

// Red, green, blue, yellow, magenta, white; the show adds orange.
std::span<const Rgb> LevelPalette(Level level);
// Easy: four different colours; Medium: all six, the last two bursting into rockets; Hard: eight
// different colour and kind pairs, every second one bursting into rockets. The show has none.
std::vector<Choice> PickChoices(Level level, const std::function<int()>& rand);

class CMemoryGame {
public:
    static constexpr int kSequenceLength = 1000;
    static constexpr int kTries = 3;
    static constexpr int kReplays = 3;
    static constexpr int kLaunchGapMs = 1500;
    static constexpr int kYourTurnDelayMs = 3000;
    static constexpr int kNextStageDelayMs = 6500;
    static constexpr int kCheerDelayMs = 3500;
    static constexpr int kDarkSkyPoints = 500;

    // What a tick asks the screen to do.
    struct TickEvents {
        int launch = -1;         // a choice to launch, or -1
        bool yourTurn = false;   // the show is over: the player repeats it now
        bool showStarted = false;
        bool cheer = false;      // the good-sequence sound
    };

    // AllRepeated: the whole sequence was repeated; the game ends there.
    enum class ClickOutcome { Ignored, Correct, StageWon, Mistake, GameOver, AllRepeated };

    CMemoryGame(Level level, std::vector<Choice> choices, const std::function<int()>& rand);

    Level GetLevel() const { return level_; }
    std::span<const Choice> Choices() const { return choices_; }
    int Fireworks() const { return fireworks_; }
    int Position() const { return position_; }
    int Tries() const { return tries_; }
    int Replays() const { return replays_; }
    bool Showing() const { return showing_; }
    bool StageWon() const { return stageWon_; }
    bool YourTurnPending() const { return yourTurnAt_.has_value(); }
    int SequenceAt(int index) const { return sequence_[static_cast<size_t>(index)]; }

    void StartShow();
    // One 50 ms tick at `nowMs`, with `litPoints` points drawn in the frame.
    TickEvents Tick(int nowMs, int litPoints);
    // A click on the icon of `choice` (outside the choices is ignored). A stage won launches the
    // choice as well; the outcome says whether it was right.
    ClickOutcome Click(int choice);
    // Shows the sequence again at the cost of a replay: only on the player's turn before the
    // first icon of it is clicked. True when the show starts.
    bool ShowAgain();

private:
    Level level_;
    std::vector<Choice> choices_;
    std::array<int, kSequenceLength> sequence_{};
    int fireworks_ = 1;
    int position_ = 0;
    bool showing_ = false;
    bool stageWon_ = false;
    int tries_ = kTries;
    int replays_ = kReplays;
    int nowMs_ = 0;
    int nextLaunchMs_ = 1000;
    std::optional<int> yourTurnAt_;
    int nextStageAt_ = 0;
    std::optional<int> cheerAt_;
};

}  // namespace glimtide
