// The staff screen the typed code opens: the team's names over the pond, with blobs drifting
// behind them that turn back from the middle, and "Done" back to the title.
#pragma once

#include <cstdint>
#include <vector>

#include "Apps/Common/ShellRef.h"
#include "Apps/Vintrel/Baddie.h"
#include "Apps/Vintrel/PondView.h"
#include "Apps/Vintrel/VintrelScreen.h"

class ITimer;

namespace vintrel {

class CStaffScreen final : public CVintrelScreen {
public:
    explicit CStaffScreen(CVintrelApplet& owner);
    ~CStaffScreen() override;

    int OnTick(intptr_t* args);
    int OnDone(intptr_t* args);

private:
    void DrawList();

    RandomSource rand_;
    std::vector<CBaddie> blobs_;
    CPondView view_;
    AttachedSurface list_;
    AttachedSurface done_;
    ShellRef<ITimer> timer_;
};

}  // namespace vintrel
