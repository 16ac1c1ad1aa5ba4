// One board of the challenge in play: the dealt board above, the draw pile and the up card
// below, the money and streak counters of the player, the result boxes at the end, and the
// statistics panel.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "Apps/Common/ShellRef.h"
#include "Games/Dunmoro/DunmoroScreen.h"

class IEventListener;
class IImage;
class ITimer;

namespace dunmoro {

class CBoard;
class CCard;

// The board a mode deals: a random one of its nine for Apprentice, Master and Bonus; the
// challenge's board kept within 1 to 18; the chosen board otherwise.
int BoardToDeal(int mode, int requested, int random);

class CPlayScreen final : public CDunmoroScreen {
public:
    // Deals the board and makes the screen; null, after telling the player, when the board
    // cannot be read (nothing is counted then).
    static CPlayScreen* Create(CDunmoroApplet& app, const std::string& player, int mode, bool startOfSession,
                               int layout);
    // A board left neither cleared nor lost costs its cards; the money is written and the
    // best players updated.
    ~CPlayScreen() override;

    int OnBoardClick(intptr_t* args);
    int OnDrawPileClick(intptr_t* args);
    int OnResign(intptr_t* args);
    int OnShowStatistics(intptr_t* args);
    int OnHideStatistics(intptr_t* args);
    int OnStartSoundTimer(intptr_t* args);
    int OnPlayAgain(intptr_t* args);
    int OnQuitToTitle(intptr_t* args);
    int OnChangeMode(intptr_t* args);

private:
    CPlayScreen(CDunmoroApplet& app, const std::string& player, int mode, bool startOfSession, int requestedLayout,
                int layout, std::unique_ptr<CBoard> board, IImage* cardBack);

    bool IsUncovered(int index) const;
    bool CanPlay(int index) const;
    void TurnUpUncoveredCards();
    void CheckForPlay();
    int ShowStatistics(bool show);
    void MakeStatisticsButton();
    void UpdateHighScores();
    void WriteWon();
    int64_t LeftOnBoardCost() const;
    bool BoxIsUp() const { return levelCleared_ || tryAgainShown_; }

    // The result boxes and the panel (PlayResults.cpp).
    ShellRef<IImage> OpenBox(int width, int height, int x, int y);
    AttachedSurface BoxButton(const char* label, int x, int y, AppletCallback callback);
    void ShowTryAgain();
    void ShowLevelCleared();
    void ShowChallengeWon();
    void DrawStatistics();
    void DrawPupilRank(IImage* box) const;

    std::unique_ptr<CBoard> board_;
    ShellRef<IImage> cardBack_;
    std::unique_ptr<CCard> upCard_;
    AttachedSurface drawPile_;
    AttachedSurface resultBox_;
    ShellRef<IEventListener> boardListener_;
    ShellRef<IEventListener> drawPileListener_;
    int gamesPlayed_ = 0;
    int64_t gameMoney_ = 0;
    int streak_ = 0;
    int longestStreak_ = 0;
    int64_t streakMoney_ = 0;
    int64_t won_ = 0;
    std::string player_;
    int layout_;
    bool tryAgainShown_ = false;
    bool challenge_;
    AttachedSurface resignButton_;
    int mode_;
    bool levelCleared_ = false;
    AttachedSurface secondButton_;
    AttachedSurface firstButton_;
    int requestedLayout_;
    AttachedSurface statsButton_;
    bool showStats_ = false;
    bool gameOver_ = false;
    ShellRef<ITimer> soundTimer_;
};

}  // namespace dunmoro
