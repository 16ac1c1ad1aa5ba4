// Tallimo as a player sees it, in the harness's window or in the portal: the screens told apart
// by their pixels, the truck's cells read off the screen, and a bot that drops balls and keeps its
// own tally of the money from the cells it sees framed green.
#pragma once

#include <cstdint>
#include <string>

#include "harness/GameDriver.h"
#include "harness/GameSession.h"

namespace tallimo::test {

inline constexpr const char* kGameId = TALLIMO_GAME_ID;
inline constexpr int kSpace = 0x20;
inline constexpr uint32_t kYard = 0x99CCCC;
inline constexpr uint32_t kMatchedGreen = 0x00CC00;
inline constexpr uint32_t kMissedRed = 0xCC0000;
inline constexpr uint32_t kLivesRed = 0xD8342A;
inline constexpr uint32_t kStartBlue = 0x000099;
inline constexpr uint32_t kBlack = 0x000000;
inline constexpr uint32_t kFloor = 0x333333;
inline constexpr int kTruckTop = 234;

class TallimoView : public virtual GameDriver {
public:
    // "Select Level" and "Start the Game", and no truck.
    bool OnTitle() const {
        return Count(kBlack, 300, 228, 420, 246) > 100 && Count(kStartBlue, 300, 285, 460, 325) > 60 && !TruckStands();
    }
    bool OnPlay() const { return TruckStands() && Pixel(450, 5) == kYard; }
    // "Congratulations, ..." over the truck.
    bool OnNameEntry() const { return TruckStands() && Count(kBlack, 80, 190, 380, 208) > 200; }
    // A truck's floor band on the ground.
    bool TruckStands() const { return Count(kFloor, 0, kTruckTop + 138, 500, kTruckTop + 164) > 3000; }
    // A cell of the size-4 truck (left edge 0): column 0 to 11, shelf 0 (the floor) to 3.
    uint32_t CellCorner(int column, int shelf) const {
        return Pixel(32 * column + 2 * (column / 3) + 2, kTruckTop + 34 * (3 - shelf) + 2);
    }
    int CellsFramed(uint32_t colour) const;
    // Lives icons in the status bar (up to four drawn).
    int LivesShown() const;

    void ChooseStartingLevel(int choice) { Click(300 + 28 * choice + 6, 263); }
    void StartTheGame() { Click(340, 300); }
};

// Plays trucks at level 19 by dropping each ball as it comes, and adds up the money it sees paid.
class TallimoBot {
public:
    explicit TallimoBot(TallimoView& view, int startMoney) : view_(view), money_(startMoney) {}

    // From the intro to the checked truck; false when no check is seen.
    bool PlayTruck();
    // Sends the checked truck away (a key after a failure).
    void SendOff();
    int Money() const { return money_; }

private:
    TallimoView& view_;
    int money_;
};

class TallimoSession : public GameSession, public TallimoView {
public:
    explicit TallimoSession(std::string folder = {}) : GameSession(kGameId, TALLIMO_GAM, std::move(folder)) {}
};

}  // namespace tallimo::test
