// Tallimo as a player sees it, in the harness's window or in the portal: the screens told apart
// by their pixels, the truck's cells, the steered ball and the balls on the belt read off the
// screen, and a bot that either plans each ball onto a cell whose grey it matches, looking at the
// balls still on the belt, or drops them where they come, keeping its own tally of the money from
// the cells it sees framed green and watching the money shown count up with them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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
inline constexpr int kMaxColumns = 12, kShelves = 4, kMaxCells = kMaxColumns * kShelves;

// Which greys a ball's picture holds: a ball and its grey pattern cell have nearly the same.
using GreyHistogram = std::array<float, 16>;

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
    bool TruckStands() const { return Count(kFloor, 0, kTruckTop + 138, 500, kTruckTop + 164) > 1000; }
    // A cell of a truck whose left edge is at `left`: column 0 to 3 x size - 1, shelf 0 (the
    // floor) to 3.
    static int CellX(int left, int column) { return left + 32 * column + 2 * (column / 3) + 2; }
    static int CellY(int shelf) { return kTruckTop + 34 * (3 - shelf) + 2; }
    // The truck's left edge: its floor band's left end; -1 when it is gone.
    int TruckLeft() const;
    uint32_t CellCorner(int left, int column, int shelf) const {
        const int x = CellX(left, column);
        return x < 500 ? Pixel(x, CellY(shelf)) : kYard;
    }
    int CellsFramed(uint32_t colour, int left, int columns) const;
    // The status bar's money line, clear of the lives above and "balls to pass" below.
    std::vector<uint32_t> MoneyShown() const;
    // Lives icons in the status bar (up to four drawn).
    int LivesShown() const;
    // The 32-pixel cell at (x, y) as greys: a coloured ball's pixels turned grey the way its
    // pattern cell is; the yard, the shelf's panel and the steering ring left out.
    GreyHistogram Greys(int x, int y) const;
    // The 32-pixel cell at (x, y), row by row.
    std::vector<uint32_t> Pixels(int x, int y) const;
    // The steered ball's cell, found by the ring around it.
    std::optional<std::array<int, 2>> SteeredBall() const;
    // The whole balls on the belt, the next to fall first, while no other ball is beside it.
    std::vector<std::array<int, 2>> BeltBalls() const;

    void ChooseStartingLevel(int choice) { Click(300 + 28 * choice + 6, 263); }
    void StartTheGame() { Click(340, 300); }
};

// Plays trucks from a starting level and adds up the money it sees paid.
class TallimoBot {
public:
    TallimoBot(TallimoView& view, int level, int startMoney) : view_(view), money_(startMoney), level_(level) {}

    // From the intro to the checked truck, sorting each ball by its grey (taking the next whole
    // ball off the belt as soon as none is steered) or dropping it where it comes; false when no
    // check is seen.
    bool PlayTruck(bool sort);
    // Sends the checked truck away (a key after a failure).
    void SendOff();
    int Money() const { return money_; }
    int LastMatches() const { return lastMatches_; }
    // Sorted balls seen drawn in their cells after landing, in the last truck, and those the bot
    // put on a cell of their grey.
    int BallsSeenLanded() const { return seenLanded_; }
    int PredictedMatches() const { return predicted_; }
    bool LastPassed() const { return lastPassed_; }
    bool LastPerfect() const { return lastMatches_ == Cells(); }
    // The level of the next truck, as the bot counts it.
    int Level() const { return level_; }
    // The intro's "Day d - Truck t" line as drawn before the last truck.
    const std::vector<uint32_t>& IntroLine() const { return introLine_; }
    // The last truck's cells seen framed one at a time, and among them those where the money
    // shown did not change with a green frame, or changed with a red one.
    int CellsWatched() const { return cellsWatched_; }
    int MoneyMissteps() const { return moneyMissteps_; }
    int Cells() const { return columns_ * kShelves; }

private:
    void ReadTruck();
    // The kind nearest to a ball's greys; while the pattern lacks some of the level's kinds, a
    // ball unlike every pattern cell is a kind of its own.
    int KindOf(int x, int y);
    void TakeNextOffTheBelt();
    void Sort(const std::array<int, 2>& ball);
    // Compares what the check framed since the last look with the money shown; true once every
    // cell is framed.
    bool Watch();
    // Whether the cell no longer shows what it showed at the intro.
    bool Changed(int cell) const;
    // The money a checked truck of the level paid for `matches` cells, by the level table.
    int Paid(int matches) const;

    TallimoView& view_;
    int money_;
    int level_;
    int lastMatches_ = 0;
    bool lastPassed_ = false;
    std::vector<uint32_t> introLine_;
    int left_ = 0;
    int columns_ = kMaxColumns;
    int patternKinds_ = 0;
    std::vector<GreyHistogram> kinds_;       // the pattern's greys first, then balls unlike them
    std::array<int, kMaxCells> pattern_{};   // each cell's index into kinds_
    std::array<int, kMaxColumns> filled_{};
    std::array<std::vector<uint32_t>, kMaxCells> intro_;  // each cell's pixels
    std::vector<int> ahead_;  // kinds of the ball taken off the belt and the next ones
    int dropped_ = -1;  // the cell of the last ball sorted
    int seenLanded_ = 0;
    int predicted_ = 0;
    // What the last look saw: framed cells and the money line.
    int greenSeen_ = 0, redSeen_ = 0;
    std::vector<uint32_t> moneySeen_;
    int cellsWatched_ = 0, moneyMissteps_ = 0;
};

class TallimoSession : public GameSession, public TallimoView {
public:
    explicit TallimoSession(std::string folder = {}) : GameSession(kGameId, TALLIMO_GAM, std::move(folder)) {}
};

}  // namespace tallimo::test
