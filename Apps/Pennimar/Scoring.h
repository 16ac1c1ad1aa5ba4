// Points: animals fenced in, the bonuses at a level's end and the extra lives the score earns.
#pragma once

namespace pennimar {

enum class AnimalKind { Cow = 0, Pig = 1, Goat = 2, Horse = 3 };

int BasePoints(int kind);
// The points for fencing in one animal.
int AnimalPoints(int kind, float pointFactor);
// The bonus for fencing in every animal of a level, one share per animal.
int AllAnimalsShare(int kind, float pointFactor);
// The bonus for the share captured beyond the share needed; the panel shows the same figure.
int ExtraAreaBonus(int capturedPercent, int neededPercent, float pointFactor);

// Extra lives at 1000, 3000, 6000, 10000, 15000, ... points.
class ExtraLives {
public:
    // The lives earned by reaching `score` since the last call.
    int Award(long long score);
    long long NextScore() const { return next_; }

private:
    long long step_ = 1000;
    long long next_ = 1000;
};

}  // namespace pennimar
