// The program's entry: single instance, splash, session, main loop.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/SingleInstance.h"

// Exit code when no display (no backend) is available.
inline constexpr int kExitNoDisplay = 1;
// Exit code when the machine has no font to draw text with.
inline constexpr int kExitNoFonts = 3;
// Exit code when the main window cannot be made.
inline constexpr int kExitNoWindow = 4;

int ProgramMain(int argc, char** argv);

// Everything up to the main loop: single instance, window sizes, splash, session. Nothing
// to go on with `Run`, else the process's exit code. `wait` paces a later start's wait for a
// first instance that is shutting down.
std::optional<int> StartProgram(const std::vector<std::string>& args, const InstanceWait& wait = {});
// Drops what the program still holds after the loop (window, instance channel, exit action).
void EndProgram();
