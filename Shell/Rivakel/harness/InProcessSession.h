// The harness's shell window in a store folder of its own, with the record a game gets made in the
// test's own process: for kit pieces and game code run without a module, driven and read as a
// player would.
#pragma once

#include "harness/GameAreaLayers.h"
#include "harness/GameSession.h"
#include "harness/InProcessRecord.h"

class InProcessSession : public GameSession {
public:
    InProcessSession() : GameSession({}, {}), inProcess_(Harness()) {}

    AppletRecord& Record() { return *inProcess_.record; }
    IShellFactory& Factory() { return *inProcess_.record->factory; }
    GameAreaLayers Layers() { return GameAreaLayers(Harness()); }

private:
    InProcessRecord inProcess_;
};
