// The flow of a game over the leagues: intros, innings, strikes, the bonus level between the
// leagues, promotion, the won and lost ends, and the keys a player presses. It owns the stadium
// of the moment; a play screen ticks it every 20 ms and shows its panel and its stadium.
#pragma once

#include <functional>
#include <memory>

#include "Apps/Pellawick/ArrowRepeat.h"
#include "Apps/Pellawick/Stadium.h"

namespace pellawick {

enum class Panel { None, LeagueIntro, BonusIntro, InningWon, Promoted, Strike, GameWon, GameOver };

class PellawickGame {
public:
    using LevelLoader = std::function<LevelValues(int league)>;

    explicit PellawickGame(const RandomSource& rand, LevelLoader loader = LoadLevelTable);

    // Little League, inning 1, three lives, its intro panel.
    void NewGame(int now);
    void Tick(int now);
    // Typed keys: Space, P, A/S/D, and N/Y, T, Q on the game-over panel (either case).
    void KeyDown(char key, int now);
    // Arrows from ArrowRepeat: Up and Down walk, Left and Right throw.
    void ArrowPressed(Arrow arrow, int now);

    Panel GetPanel() const { return panel_; }
    League GetLeague() const { return league_; }
    // The league the promotion panel is about (the one before the bonus level).
    League PromotedFrom() const { return returnLeague_; }
    int Inning() const { return inning_; }
    const Stadium& GetStadium() const { return *stadium_; }
    // The stadium's sounds asked for since the last call.
    std::vector<Sound> TakeSounds() { return stadium_->TakeSounds(); }
    // True once per game over: the score may enter the table of best players now.
    bool TakeHighScoreEntry();
    // The player asked to go back to the title screen (Q, or Space after the game is won).
    bool TitleRequested() const { return titleRequested_; }

private:
    void StartLeague(League league, League before, bool freshSeller, int now);
    void StartInning(int now);
    void OpenPanel(Panel panel);
    void Handle(Report report);
    void Space(int now);

    RandomSource rand_;
    LevelLoader loader_;
    std::unique_ptr<Stadium> stadium_;
    League league_ = League::Little;
    League returnLeague_ = League::Little;
    LevelValues start_;
    int inning_ = 1;
    Panel panel_ = Panel::None;
    bool highScoreDue_ = false;
    bool titleRequested_ = false;
};

}  // namespace pellawick
