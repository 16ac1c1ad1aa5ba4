#include "Apps/Tallimo/tests/TallimoBot.h"

namespace tallimo::test {
namespace {

constexpr int kColumns = 12, kShelves = 4;
// Level 19 pays this per matched ball until the needed 40 are matched.
constexpr int kPerBall = 40;

}  // namespace

int TallimoView::CellsFramed(uint32_t colour) const {
    int framed = 0;
    for (int column = 0; column < kColumns; ++column) {
        for (int shelf = 0; shelf < kShelves; ++shelf) framed += CellCorner(column, shelf) == colour ? 1 : 0;
    }
    return framed;
}

int TallimoView::LivesShown() const {
    int lives = 0;
    for (int i = 0; i < 4; ++i) lives += Count(kLivesRed, 410 + 22 * i, 56, 432 + 22 * i, 70) > 10 ? 1 : 0;
    return lives;
}

bool TallimoBot::PlayTruck() {
    view_.Wait(2600);  // the truck drives in, the intro waits for a key
    view_.Key(kSpace);
    view_.Wait(2200);  // the belt slides in
    // Each ball is dropped where it comes until every cell has been checked.
    for (int step = 0; step < 1500; ++step) {
        view_.Key(kSpace);
        view_.Wait(100);
        const int green = view_.CellsFramed(kMatchedGreen), red = view_.CellsFramed(kMissedRed);
        if (green + red == kColumns * kShelves) {
            money_ += kPerBall * green;
            view_.Wait(300);  // the verdict and the status bar follow the last cell
            return true;
        }
    }
    return false;
}

void TallimoBot::SendOff() {
    view_.Key(kSpace);
    view_.Wait(2600);
}

}  // namespace tallimo::test
