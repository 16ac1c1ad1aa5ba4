// The player record of applets with player profiles, and the screen kind that carries it.
#pragma once

#include <string>

#include "Apps/Common/Screen.h"

// Longest player name kept.
inline constexpr size_t kPlayerNameMax = 99;

class CPlayer {
public:
    int score = 0;
    int level = 0;  // the game's second counter
    const std::string& Name() const { return name_; }
    // Cut to kPlayerNameMax characters.
    void SetName(std::string_view name) { name_ = name.substr(0, kPlayerNameMax); }

private:
    std::string name_;
};

// A screen that knows the applet and the player, which both outlive it.
class CPlayerScreen : public CAppletScreen {
public:
    CPlayerScreen(CApplet& owner, CPlayer& who) : CAppletScreen(owner), player(who) {}

protected:
    CPlayer& player;
};
