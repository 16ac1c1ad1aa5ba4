// The staff list opened by a title screen's typed code: a heading and the names of the people
// who made the game, centred on a plain fill, with "Return to Game".
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "Apps/Common/Applet.h"
#include "Apps/Common/Player.h"

class ISurface;
class ITimer;

struct StaffScreenStyle {
    uint32_t fill = 0x66CCFF;
    std::string_view heading;
    std::span<const std::string_view> names;
    TextButtonStyle button;
    // The game's title screen for the same applet and player.
    CScreen* (*makeTitle)(CApplet& app, CPlayer& player) = nullptr;
};

class CStaffScreen : public CPlayerScreen {
public:
    CStaffScreen(CApplet& app, CPlayer& player, const StaffScreenStyle& style);
    ~CStaffScreen() override;

    int ReturnToGame(intptr_t* args);

private:
    CScreen* (*makeTitle_)(CApplet&, CPlayer&);
    ISurface* button_ = nullptr;
    ITimer* timer_ = nullptr;
};
