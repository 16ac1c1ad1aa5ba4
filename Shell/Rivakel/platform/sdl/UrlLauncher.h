// Starts a program on one argument, without a shell, and lets it run on its own.
#pragma once

#include <string>

namespace platform::sdl {

// True when `program` (looked up on PATH) was started; its exit is collected in the background.
bool StartDetached(const std::string& program, const std::string& argument);

}  // namespace platform::sdl
