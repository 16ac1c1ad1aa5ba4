// Between the levels, after screens 10 and 20: the promotion is stored and cheered inside the
// turning ring; a click goes on to the next level's first screen.
#pragma once

#include <cstdint>
#include <memory>

#include "Apps/Brisquet/BrisquetScreen.h"
#include "Apps/Brisquet/BubbleRing.h"
#include "Apps/Brisquet/RainbowWord.h"
#include "Apps/Common/ShellRef.h"
#include "frame/api/IEvent.h"
#include "frame/api/ITimer.h"


namespace brisquet {

class CPromotionScreen final : public CBrisquetScreen {
public:
    // `nextScreen`: 11 or 21.
    CPromotionScreen(CBrisquetApplet& game, int nextScreen);
    ~CPromotionScreen() override;

    int OnTick(intptr_t* args);
    int OnClick(intptr_t* args);

private:
    void DrawLine(const std::string& text, int y);

    int nextScreen_;
    CRainbowWord heading_;
    std::unique_ptr<CBubbleRing> ring_;
    ShellRef<IEventListener> clickListener_;
    ShellRef<ITimer> timer_;
};

}  // namespace brisquet
