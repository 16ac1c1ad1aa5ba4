// The title: the challenge, the random puzzles of three difficulties and a puzzle by number; the
// current player with their statistics, the profile buttons and the table of best breakers.
// Typing the staff code opens the staff screen.
#pragma once

#include <array>
#include <cstdint>

#include "Apps/Brisquet2/Brisquet2Screen.h"
#include "Apps/Brisquet2/StaffCredits.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Common/TypedCodeMatcher.h"

class IEventListener;

namespace brisquet2 {

class CTitleScreen final : public CBrisquet2Screen {
public:
    explicit CTitleScreen(CBrisquet2Applet& app);

    int StartChallenge(intptr_t* args);
    // The button's id is the mode: 256 Easy, 512 Medium, 768 Hard.
    int StartRandom(intptr_t* args);
    int ChoosePuzzle(intptr_t* args);
    int ResetProfile(intptr_t* args);
    int ChangePlayer(intptr_t* args);
    int CheckTypedCode(intptr_t* args);

private:
    void DrawPlayerStats();
    void DrawHighScoreTable();
    void RestoreFromTitle(int left, int top, int right, int bottom);
    void DrawStatLine(const std::string& text, int pointSize, bool bold, int y);

    std::array<AttachedSurface, 8> buttons_;
    CTypedCodeMatcher staffCode_{kStaffCode, true};
    ShellRef<IEventListener> keyListener_;
};

// The staff screen's way back.
CScreen* MakeTitleScreen(CApplet& app);

}  // namespace brisquet2
