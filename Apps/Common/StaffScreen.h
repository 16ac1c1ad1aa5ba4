// The staff list opened by a title screen's typed code: a heading and the names of the people
// who made the game, centred on a plain fill, with "Return to Game".
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "Apps/Common/SideScreen.h"

struct StaffScreenStyle {
    uint32_t fill = 0x66CCFF;
    std::string_view heading;
    std::span<const std::string_view> names;
    TextButtonStyle button;
    TitleScreenMaker makeTitle = nullptr;
};

class CStaffScreen : public CSideScreen {
public:
    CStaffScreen(CApplet& app, const StaffScreenStyle& style);
};
