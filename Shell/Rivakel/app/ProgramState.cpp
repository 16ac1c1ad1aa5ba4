#include "app/ProgramState.h"

#include "core/base/ShutdownFlag.h"

namespace {
ProgramState& Storage() {
    static ProgramState state;
    return state;
}
}  // namespace

ProgramState& Program() { return Storage(); }

void ResetProgram() {
    Storage() = ProgramState{};
    // A stopped session's flag would hold every timer of whatever runs next in this process.
    SetShutdownRequested(false);
}
