// The staff screen's roll: the staff list spelled one letter per tick of a 100 ms timer, each
// letter on a small card of a random rank and suit, 35 pixels apart. After a line the timer
// restarts, and the next line begins once 750 ms have passed, 17 pixels lower (back at the top
// past the screen's foot).
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "Apps/Common/ModuleRandom.h"
#include "Apps/Common/PlayingCard.h"

namespace torvimble {

// The people behind the tables, one line each.
std::span<const std::string_view> TorvimbleStaff();

struct StaffLetter {
    char letter = ' ';  // blanks get no card
    int x = 0, y = 0;
    CardValue card;
};

struct StaffTick {
    std::optional<StaffLetter> letter;
    bool restartTimer = false;  // a line is finished
    bool stopTimer = false;     // the roll is over
};

class StaffSpelling {
public:
    static constexpr int kMaxLines = 20;
    static constexpr int kLetterGap = 35;
    static constexpr int kLeft = 10;
    static constexpr int kTop = 10;
    static constexpr int kLineGap = 17;
    static constexpr int kFoot = 385;
    static constexpr int kPauseMs = 750;

    // The generator serves the cards only; it is the module's own, seeded at the applet's start.
    StaffSpelling(std::span<const std::string_view> lines, ModuleRandom& random);

    // `elapsedMs` since the timer last started.
    StaffTick Tick(int elapsedMs);
    bool Finished() const { return line_ >= lineCount_; }

private:
    std::span<const std::string_view> lines_;
    ModuleRandom& random_;
    int lineCount_;
    int line_ = 0;
    size_t letter_ = 0;
    int y_ = kTop;
    bool pausing_ = false;
};

}  // namespace torvimble
