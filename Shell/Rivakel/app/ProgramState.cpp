#include "app/ProgramState.h"

namespace {
ProgramState& Storage() {
    static ProgramState state;
    return state;
}
}  // namespace

ProgramState& Program() { return Storage(); }

void ResetProgram() { Storage() = ProgramState{}; }
