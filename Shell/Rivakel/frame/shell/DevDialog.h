// For looking at the shell's dialogs in the real window: RIVAKEL_DIALOG names one of the
// templates that need no game, and the shell opens it once its window is shown.
#pragma once

#include <string_view>

inline constexpr const char* kDevDialogVariable = "RIVAKEL_DIALOG";

// The template RIVAKEL_DIALOG names, when it is one ShowDevDialog can open; empty otherwise.
std::string_view DevDialogName();
// Opens that template as the program would and waits for its answer.
void ShowDevDialog(std::string_view name);
