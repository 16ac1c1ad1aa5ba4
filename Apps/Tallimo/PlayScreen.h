// The play screen: one truck from its arrival to its departure, drawn from the round each 20 ms
// tick while anything moves, the keys turned into moves, and the status bar at the right.
#pragma once

#include <cstdint>
#include <string>

#include "Apps/Common/Screen.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Tallimo/PlayRound.h"
#include "Apps/Tallimo/TallimoApplet.h"

class IEventListener;
class IImage;
class ITimer;

namespace tallimo {

inline constexpr int kPlayTickMs = 20;
inline constexpr int kTruckY = 234;
inline constexpr int kBeltY = 35;
inline constexpr int kPlayWidth = 400;
inline constexpr int kAreaWidth = 500, kAreaHeight = 420;

class CPlayScreen final : public CGameScreen<CTallimoApplet> {
public:
    // A new game at `level`, or the next truck of the game under way.
    CPlayScreen(CTallimoApplet& owner, bool newGame, int level);

    int OnTick(intptr_t* args);
    int OnKey(intptr_t* args);

private:
    void BuildTruck();
    void Handle(const RoundNews& news);
    void MarkCell(const CellVerdict& verdict);
    void Compose();
    void DrawMessages();
    void DrawStatus();
    void Leave();

    PlayRound round_;
    int64_t now_ = 0;
    PlayState shown_ = PlayState::Starting;
    // The intro or a failed truck's message is on screen and nothing moves until a key.
    bool stillShown_ = false;
    int introBallX_ = 0;
    ShellRef<IImage> truck_;
    ShellRef<ITimer> timer_;
    ShellRef<IEventListener> keys_;
    std::string statusShown_;
};

}  // namespace tallimo
