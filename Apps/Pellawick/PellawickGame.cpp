#include "Apps/Pellawick/PellawickGame.h"

#include <utility>

namespace pellawick {

PellawickGame::PellawickGame(const RandomSource& rand, LevelLoader loader)
    : rand_(rand), loader_(std::move(loader)) {}

void PellawickGame::NewGame(int now) {
    titleRequested_ = false;
    highScoreDue_ = false;
    StartLeague(League::Little, League::Little, true, now);
    OpenPanel(Panel::LeagueIntro);
}

void PellawickGame::StartLeague(League league, League before, bool freshSeller, int now) {
    auto next = std::make_unique<Stadium>(league, before, rand_);
    if (freshSeller || stadium_ == nullptr) next->NewGame();
    else next->TakeSellerFrom(*stadium_);
    stadium_ = std::move(next);
    league_ = league;
    const League played = league == League::Bonus ? before : league;
    start_ = loader_(static_cast<int>(played));
    inning_ = 1;
    // The stadium stands ready behind the panel that comes next.
    stadium_->StartInning(inning_, start_, now);
}

void PellawickGame::StartInning(int now) {
    stadium_->StartInning(inning_, ForInning(start_, inning_), now);
    OpenPanel(Panel::None);
}

void PellawickGame::OpenPanel(Panel panel) {
    panel_ = panel;
    stadium_->SetPanelOpen(panel != Panel::None);
}

void PellawickGame::Tick(int now) {
    if (panel_ == Panel::None) Handle(stadium_->Update(now));
}

void PellawickGame::Handle(Report report) {
    switch (report) {
        case Report::None: return;
        case Report::Strike: OpenPanel(Panel::Strike); return;
        case Report::InningWon: OpenPanel(Panel::InningWon); return;
        case Report::LeagueWon:
            returnLeague_ = league_;
            OpenPanel(Panel::BonusIntro);
            return;
        case Report::GameWon: OpenPanel(Panel::GameWon); return;
        case Report::BonusOver: OpenPanel(Panel::Promoted); return;
        case Report::GameOver:
            highScoreDue_ = true;
            stadium_->ShowMessage(BoardMessage::GameOver);
            OpenPanel(Panel::GameOver);
            return;
    }
}

void PellawickGame::Space(int now) {
    switch (panel_) {
        case Panel::None: stadium_->StartWave(now); return;
        case Panel::LeagueIntro:
        case Panel::Strike: StartInning(now); return;
        case Panel::InningWon:
            ++inning_;
            StartInning(now);
            return;
        case Panel::BonusIntro:
            StartLeague(League::Bonus, returnLeague_, false, now);
            StartInning(now);
            return;
        case Panel::Promoted:
            StartLeague(static_cast<League>(static_cast<int>(returnLeague_) + 1), League::Little, false, now);
            OpenPanel(Panel::LeagueIntro);
            return;
        case Panel::GameWon: titleRequested_ = true; return;
        case Panel::GameOver: return;
    }
}

void PellawickGame::KeyDown(char key, int now) {
    const char upper = key >= 'a' && key <= 'z' ? static_cast<char>(key - 'a' + 'A') : key;
    if (panel_ == Panel::GameOver) {
        if (upper == 'N' || upper == 'Y') NewGame(now);
        if (upper == 'T') {
            StartLeague(league_, returnLeague_, true, now);
            OpenPanel(Panel::LeagueIntro);
        }
        if (upper == 'Q') titleRequested_ = true;
        return;
    }
    if (upper == ' ') Space(now);
    if (panel_ != Panel::None) return;
    if (upper == 'P') Handle(stadium_->WinAtOnce(now));
    if (upper == 'A' || upper == 'S' || upper == 'D') stadium_->SelectFood(upper == 'A' ? 0 : upper == 'S' ? 1 : 2);
}

void PellawickGame::ArrowPressed(Arrow arrow, int now) {
    if (panel_ != Panel::None) return;
    switch (arrow) {
        case Arrow::Up: stadium_->MoveUp(now); break;
        case Arrow::Down: stadium_->MoveDown(now); break;
        case Arrow::Left: stadium_->Throw(Side::Left, now); break;
        case Arrow::Right: stadium_->Throw(Side::Right, now); break;
    }
}

bool PellawickGame::TakeHighScoreEntry() { return std::exchange(highScoreDue_, false); }

}  // namespace pellawick
