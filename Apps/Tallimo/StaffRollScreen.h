// The staff roll, opened by the typed code: 24 balls roll along the belt into a small truck, most
// of them carrying a face, each name shown as its ball drops; any key returns to the title.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "Apps/Common/Screen.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Tallimo/StaffRoll.h"
#include "Apps/Tallimo/TallimoApplet.h"

class IEventListener;
class IImage;
class ITimer;

namespace tallimo {

class CStaffRollScreen final : public CGameScreen<CTallimoApplet> {
public:
    explicit CStaffRollScreen(CTallimoApplet& owner);

    int OnTick(intptr_t* args);
    int OnKey(intptr_t* args);

private:
    void DrawRollBall(IImage& target, int i, int x, int y, int64_t ms) const;

    ShellRef<IImage> faces_;
    ShellRef<IImage> truck_;
    ShellRef<ITimer> timer_;
    ShellRef<IEventListener> keys_;
    std::array<int, kRollBalls> kinds_{};
    std::array<int, 6> inColumn_{};
    int made_ = 0;
    int landed_ = 0;
    std::string_view name_;
};

}  // namespace tallimo
