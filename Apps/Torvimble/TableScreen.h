// What the three tables share: the bet buttons and Main Menu, the 50 ms timer that paces the
// dealing, Oggo's face, the holdings and the message line, and the end of every hand (the gift
// when the clams run out, the holdings stored, "Top Rocks" brought up to date).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "Apps/Common/CentredText.h"
#include "Apps/Common/ImageButton.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Torvimble/TorvimbleScreen.h"

class ITimer;

namespace torvimble {

// Oggo's faces.
enum class Face { Asleep, Laughs, Mad, Smug01, LooksDown, Smug };

inline constexpr int kBetButtons = 5;

class CTableScreen : public CTorvimbleScreen {
public:
    ~CTableScreen() override;

    int OnMainMenu(intptr_t* args);
    int OnTimer(intptr_t* args);

protected:
    struct FaceSpot {
        int x, y, right, bottom;
    };
    CTableScreen(CTorvimbleApplet& owner, FaceSpot face);

    // The clams a player leaving now gives up; 0 when no hand is in play.
    virtual int StakeInPlay() const = 0;
    // The 50 ms tick, with the timer's running time.
    virtual void Tick(uint32_t now) = 0;

    void DrawPicture(const char* name, int x, int y);
    void Grey(int left, int top, int right, int bottom);
    void ShowFace(Face face);
    // The holdings at the top right, and "Top Rocks" brought up to date.
    void DrawHoldings();
    // The message line under the bet panel.
    void ShowMessage(const std::string& text);
    // A hand is in play: leaving asks first.
    void SetInHand(bool inHand);
    // What the hand brought is added; clams run out: the gift. Stored and drawn.
    void Settle(int change);
    // A table closed with a hand in play (the portal quits under it) loses the stakes as Main
    // Menu would: the tables' destructors call this.
    void ForfeitStake();
    struct BetSpot {
        int x, y;
    };
    // The bet buttons, button k at spots[k - 1].
    void MakeBets(AppletCallback onBet, const std::array<BetSpot, kBetButtons>& spots);
    // The bet buttons at (97 + 42i, 353) that the in-between and poker tables share.
    void MakeBetRow(AppletCallback onBet);
    // Bet button k selected, the others not.
    void SelectBet(int bet);
    // Bet button k usable when the holdings reach k.
    void EnableBetsByHoldings();
    int Holdings() const { return game.Profile().clams; }

    std::array<std::unique_ptr<ImageButton>, kBetButtons> bets_;
    std::unique_ptr<ImageButton> menu_;

private:
    FaceSpot face_;
    bool stakeTaken_ = false;
    ShellRef<ITimer> timer_;
};

}  // namespace torvimble
