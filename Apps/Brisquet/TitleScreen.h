// The title screen behind the demo: the staff roll inside a turning ring of bubbles under a
// heading that changes colour letter by letter. A click anywhere goes back to the level select.
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

class CTitleScreen final : public CBrisquetScreen {
public:
    explicit CTitleScreen(CBrisquetApplet& game);
    ~CTitleScreen() override;

    int OnTick(intptr_t* args);
    int OnClick(intptr_t* args);

private:
    CRainbowWord heading_;
    std::unique_ptr<CBubbleRing> ring_;
    ShellRef<IEventListener> clickListener_;
    ShellRef<ITimer> timer_;
};

}  // namespace brisquet
