// The home screen: the logo, the best players and the best challenger, the current player with
// their money and challenge, the play mode, and the buttons to reset the profile, change the
// player and start. Typing the staff code opens the staff roll.
#pragma once

#include <cstdint>
#include <string>

#include "Apps/Common/ShellRef.h"
#include "Apps/Common/TypedCodeMatcher.h"
#include "Games/Dunmoro/DunmoroScreen.h"

class IEventListener;

namespace dunmoro {

// Player names wider than this in the large font are drawn smaller.
inline constexpr int kWideNamePixels = 225;

class CTitleScreen final : public CDunmoroScreen {
public:
    CTitleScreen(CDunmoroApplet& app, std::string player, int mode, int layout);

    int StartGame(intptr_t* args);
    int ChangePlayer(intptr_t* args);
    int ResetProfile(intptr_t* args);
    int OnModeButton(intptr_t* args);
    int CheckTypedCode(intptr_t* args);

private:
    void DrawModeButton();
    void DrawPlayerPanel();
    void DrawHighScoreTable();
    void DrawTopChallenger();
    void DrawCentred(const std::string& markup, const char* measured, int size, int style, int centreX, int y);

    AttachedSurface logo_;
    AttachedSurface resetButton_;
    AttachedSurface changePlayerButton_;
    AttachedSurface startButton_;
    AttachedSurface modeButton_;
    std::string player_;
    int layout_;
    int mode_;
    int challengeBoard_ = 1;
    CTypedCodeMatcher staffCode_{"plumtag", true};
    ShellRef<IEventListener> keyListener_;
};

}  // namespace dunmoro
