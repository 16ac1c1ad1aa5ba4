// The program's entry: single instance, splash, session, main loop.
#pragma once

#include <optional>
#include <string_view>

// Exit code when no display (no backend) is available.
inline constexpr int kExitNoDisplay = 1;

int WinMain(int argc, char** argv);

// Everything up to the main loop: single instance, window sizes, splash, session. Nothing
// to go on with `Run`, else the process's exit code.
std::optional<int> StartProgram(std::string_view commandLine);
// Drops what the program still holds after the loop (instance channel).
void EndProgram();
