#include "Apps/Torvimble/StaffSpelling.h"

#include <algorithm>
#include <array>

namespace torvimble {

std::span<const std::string_view> TorvimbleStaff() {
    static constexpr std::array<std::string_view, 20> kStaff = {
        "TORVIMBLE",   "Game Design", "Wenna Probst", "Dario Kellum", "Programming", "Ilse Marrow", "Pell Okafor",
        "Art",         "Runa Vesk",   "Mabel Thorne", "Sound",        "Cass Hollin", "Testing",     "Jory Plum",
        "Nessa Brack", "Odo Fenwick", "Oggo's Voice", "Birdie Lusk",  "Producer",    "Hal Wrenfield",
    };
    return kStaff;
}

StaffSpelling::StaffSpelling(std::span<const std::string_view> lines, ModuleRandom& random)
    : lines_(lines), random_(random), lineCount_(std::min(kMaxLines, static_cast<int>(lines.size()))) {}

StaffTick StaffSpelling::Tick(int elapsedMs) {
    StaffTick tick;
    if (Finished()) return tick;
    if (pausing_) {
        if (elapsedMs <= kPauseMs) return tick;
        pausing_ = false;
        letter_ = 0;
        y_ += kLineGap;
        if (y_ >= kFoot) y_ = kTop;
        if (++line_ >= lineCount_) {
            tick.stopTimer = true;
            return tick;
        }
    }
    const std::string_view text = lines_[static_cast<size_t>(line_)];
    if (letter_ < text.size()) {
        StaffLetter letter;
        letter.letter = text[letter_];
        letter.x = kLeft + kLetterGap * static_cast<int>(letter_);
        letter.y = y_;
        letter.card.rank = random_.Next() % kKing + 1;
        letter.card.suit = random_.Next() % 4;
        tick.letter = letter;
        ++letter_;
    }
    if (letter_ >= text.size()) {
        pausing_ = true;
        tick.restartTimer = true;
    }
    return tick;
}

}  // namespace torvimble
