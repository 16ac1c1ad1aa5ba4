// The world of a play: customers in their rows, the seller on the aisle, food, balls and money
// in flight and money lying on the steps, the wave and the crowd. One stadium lives from one
// league (or bonus level, or retry) to the next; the game flow drives it with the time in ms.
#pragma once

#include <vector>

#include "Apps/Pellawick/CustomerLook.h"
#include "Apps/Pellawick/LevelTable.h"
#include "Apps/Pellawick/StadiumLayout.h"
#include "Apps/Pellawick/StadiumTypes.h"

namespace pellawick {

// What a tick of the world tells the game: the end of play it reached, if any.
enum class Report { None, Strike, GameOver, InningWon, LeagueWon, GameWon, BonusOver };

// The animations the scoreboard shows: by kind, as the game asks for them.
enum class BoardMessage {
    InningWon = 0,
    LeagueWon = 1,
    GameWon = 2,
    GameOver = 4,
    InningStart = 5,
    Wave = 6,
};

enum class StrikeReason { WantedNothing = 0, TooSlow = 1, WrongFood = 2 };

class Stadium {
public:
    static constexpr int kInnings = 9;
    static constexpr int kWaveSpeed = 100;  // pixels per second
    static constexpr int kWaveEnd = 500;

    // `league` 0 to 2, or Bonus with `before` the league just played. Seats every customer.
    Stadium(League league, League before, const RandomSource& rand);

    // The seller starts a game: three lives, no points, three waves.
    void NewGame();
    // Carries the seller's score, lives and waves over from the stadium before.
    void TakeSellerFrom(const Stadium& other);
    // An inning (1 to 9) starts or starts again with these values: the seller is reset, every
    // customer sits with no wish, nothing flies or lies.
    void StartInning(int inning, const LevelValues& values, int now);

    Report Update(int now);

    // The controls; each does nothing while it is refused.
    void MoveUp(int now);
    void MoveDown(int now);
    bool Throw(Side side, int now);
    bool SelectFood(int food);
    bool StartWave(int now);
    // Ends the inning as won at once (the bonus level: as ended).
    Report WinAtOnce(int now);

    // Shows a scoreboard animation (the game shows game over this way).
    void ShowMessage(BoardMessage message);
    // While a panel is up the crowd and the hunger stand still and nothing is reported.
    void SetPanelOpen(bool open);
    bool PanelOpen() const { return panelOpen_; }
    // Drops every item in flight and all money lying in the aisle.
    void ClearItems();

    League GetLeague() const { return league_; }
    bool IsBonus() const { return league_ == League::Bonus; }
    const StadiumLayout& Layout() const { return layout_; }
    const LevelValues& Values() const { return values_; }
    int Inning() const { return inning_; }
    int Served() const { return served_; }
    int Hungry() const;
    StrikeReason GetStrikeReason() const { return strikeReason_; }
    const Seller& GetSeller() const { return seller_; }
    const std::vector<Customer>& Customers() const { return customers_; }
    const std::vector<ThrownItem>& Flying() const { return flying_; }
    const std::vector<LyingMoney>& Lying() const { return lying_; }
    bool WaveRunning() const { return waveRunning_; }
    // The last scoreboard message and how many have been shown (to notice a new one).
    BoardMessage LastMessage() const { return lastMessage_; }
    int MessagesShown() const { return messagesShown_; }
    // The bubble picture (0 to 6) a waiting customer shows, or -1.
    int BubbleOf(const Customer& customer, int now) const;
    // Sounds asked for since the last call, in order.
    std::vector<Sound> TakeSounds();

private:
    friend class StadiumTestAccess;

    // Customers (StadiumCustomers.cpp).
    void EnterCustomerState(Customer& c, int state, int now);
    void UpdateCustomer(Customer& c, int now);
    void Settle(Customer& c, int now);
    void CustomerHit(Customer& c, const ThrownItem& item, int now);
    void MakeHungry(int row, int now);
    void StartHunger(int now);
    void CrowdCheer(int now);
    void CrowdGameOver(int now);
    void CrowdCheerWords();
    void CrowdWave(int front, int now);
    void GameOverThrows(int now);
    int RowOf(int step, Side side) const;
    int FindWaiting(int row, int food) const;
    int RandomCustomer(int row) const;

    // The seller (StadiumSeller.cpp).
    void EnterSellerState(SellerState state, int now);
    Report UpdateSeller(int now);
    void ResetSeller(int now);
    void Serve(int now);
    void Restock(int now);
    void PlaceSeller(int step);
    void StepTo(int step, bool down, int now);
    void AddPoints();
    void SellerHit(const ThrownItem& item, int now);

    // Items (Stadium.cpp).
    void Throw(ItemKind kind, int food, PointF from, int target, PointF to, int expectedStep, float factor, int now);
    void UpdateItems(int now);
    int TargetStep(int target) const;
    // The inning (league, game) is won: the message, the crowd, and the panel after the cheer.
    void Win(int now);
    void Play(Sound sound) { sounds_.push_back(sound); }

    RandomSource rand_;
    League league_;
    League before_;
    StadiumLayout layout_;
    LevelValues values_;
    int inning_ = 1;
    int served_ = 0;
    int levelStart_ = 0;
    int lastHungerStart_ = 0;
    bool won_ = false;
    bool panelOpen_ = false;
    Report afterThumbsUp_ = Report::None;
    bool gameOverReported_ = false;
    StrikeReason strikeReason_ = StrikeReason::WantedNothing;
    Seller seller_;
    std::vector<Customer> customers_;
    std::vector<std::vector<int>> seats_;  // per row, the customers' indices by seat
    std::vector<ThrownItem> flying_;
    std::vector<LyingMoney> lying_;
    int nextItemId_ = 1;
    bool waveRunning_ = false;
    int waveStart_ = 0;
    BoardMessage lastMessage_ = BoardMessage::InningStart;
    int messagesShown_ = 0;
    std::vector<Sound> sounds_;
};

}  // namespace pellawick
