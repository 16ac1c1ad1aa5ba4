// The staff screen: the people behind the tables spelled one letter a tick, each letter on a
// small card of a random rank and suit, with "Return to Game".
#pragma once

#include <cstdint>

#include "Apps/Common/SideScreen.h"
#include "Apps/Torvimble/StaffSpelling.h"
#include "Apps/Torvimble/TorvimbleApplet.h"

class ITimer;

namespace torvimble {

class CStaffScreen final : public CSideScreen {
public:
    explicit CStaffScreen(CTorvimbleApplet& owner);
    ~CStaffScreen() override;

    int OnTimer(intptr_t* args);

private:
    void DrawLetter(const StaffLetter& letter);

    CTorvimbleApplet& game_;
    StaffSpelling spelling_;
    ShellRef<ITimer> timer_;
    uint32_t lineStart_ = 0;
};

}  // namespace torvimble
