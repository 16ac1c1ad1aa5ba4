// The staff roll: the names of the people who made the game, dealt one letter per card (a blank
// is a gap), a card every 100 ms and a pause after each name, each name a row 17 pixels below the
// one before.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "Apps/Common/ShellRef.h"
#include "Games/Dunmoro/DunmoroScreen.h"

class ITimer;

namespace dunmoro {

// 21 names, each 1 to 13 characters, letters and single blanks only.
std::span<const std::string_view> StaffNames();

inline constexpr int kStaffTickMs = 100;
inline constexpr int kStaffPauseMs = 750;
inline constexpr int kStaffLetterStep = 35;
inline constexpr int kStaffRowStep = 17;

class CStaffScreen final : public CDunmoroScreen {
public:
    // The title screen's player, mode and board, to rebuild it as it was.
    CStaffScreen(CDunmoroApplet& app, std::string player, int mode, int board);

    int OnTick(intptr_t* args);
    int ReturnToGame(intptr_t* args);

private:
    void DealLetter();
    void DealCard(char letter);

    ShellRef<ITimer> timer_;
    AttachedSurface returnButton_;
    bool pausing_ = false;
    size_t letterIndex_ = 0;
    size_t nameIndex_ = 0;
    int rowX_ = 10;
    int rowY_ = 10;
    std::string player_;
    int mode_;
    int board_;
};

}  // namespace dunmoro
