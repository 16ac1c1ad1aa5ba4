#include "core/dialogs/DialogEnvironment.h"

namespace {

DialogScript& Script() {
    static DialogScript script;
    return script;
}

}  // namespace

DialogEnvironment& CurrentDialogEnvironment() {
    static DialogEnvironment environment;
    return environment;
}

void SetDialogScript(DialogScript script) { Script() = std::move(script); }

const DialogScript& CurrentDialogScript() { return Script(); }
